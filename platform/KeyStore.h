#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

namespace solvane::platform {

// A failure of the store: a value of the wrong type, or a write that could not be made.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class StoreRoot { CurrentUser, LocalMachine };

// One open key: named 32-bit integers (REG_DWORD) and texts (REG_SZ).
// Reading a value of the other type throws StoreError; so does a failing write.
// Everything written is published when the key is closed (or destroyed).
class StoreKey {
public:
    virtual ~StoreKey() = default;
    virtual bool valueExists(const std::string& name) = 0;
    virtual std::int32_t readInteger(const std::string& name) = 0;
    // A check box's 0/1 value: set when the integer is not zero. A store with a
    // yes/no type of its own also takes that type here, and only here.
    virtual bool readFlag(const std::string& name) { return readInteger(name) != 0; }
    virtual std::string readText(const std::string& name) = 0;
    virtual void writeInteger(const std::string& name, std::int32_t value) = 0;
    virtual void writeText(const std::string& name, const std::string& value) = 0;
    virtual void deleteValue(const std::string& name) = 0;
    virtual void close() = 0;
};

class KeyStore {
public:
    virtual ~KeyStore() = default;
    // Opens the key, creating it when missing; nullptr when it cannot be opened or created.
    virtual std::unique_ptr<StoreKey> open(StoreRoot root, const std::string& path) = 0;
};

}  // namespace solvane::platform
