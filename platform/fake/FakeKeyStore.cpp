#include "platform/fake/FakeKeyStore.h"

namespace solvane::fake {

namespace {
class FakeKey : public platform::StoreKey {
public:
    FakeKey(FakeKeyStore& store, FakeKeyStore::Key& values, bool writable)
        : store_(store), values_(values), writable_(writable) {}
    ~FakeKey() override { close(); }

    bool valueExists(const std::string& name) override {
        checkOpen();
        return values_.count(name) > 0;
    }
    std::int32_t readInteger(const std::string& name) override {
        store_.readLog.push_back(name);
        if (const auto* number = std::get_if<std::int32_t>(&stored(name))) return *number;
        throw platform::StoreError("Invalid data type for '" + name + "'");
    }
    std::string readText(const std::string& name) override {
        store_.readLog.push_back(name);
        if (const auto* text = std::get_if<std::string>(&stored(name))) return *text;
        throw platform::StoreError("Invalid data type for '" + name + "'");
    }
    void writeInteger(const std::string& name, std::int32_t value) override { write(name, value); }
    void writeText(const std::string& name, const std::string& value) override { write(name, value); }
    void deleteValue(const std::string& name) override {
        checkWritable(name);
        values_.erase(name);
    }
    void close() override {
        if (open_) ++store_.closes;
        open_ = false;
    }

private:
    // As with a real store, a closed key refuses every further use.
    void checkOpen() const {
        if (!open_) throw platform::StoreError("The key is already closed.");
    }
    const StoredValue& stored(const std::string& name) const {
        checkOpen();
        const auto found = values_.find(name);
        if (found == values_.end()) throw platform::StoreError("The value '" + name + "' is missing.");
        return found->second;
    }
    void checkWritable(const std::string& name) {
        checkOpen();
        if (!writable_ || store_.failWriteOf == name) throw platform::StoreError("Failed to write '" + name + "'");
    }
    void write(const std::string& name, StoredValue value) {
        checkWritable(name);
        store_.writeLog.push_back(name);
        values_[name] = std::move(value);
    }
    FakeKeyStore& store_;
    FakeKeyStore::Key& values_;
    bool writable_;
    bool open_ = true;
};
}  // namespace

std::unique_ptr<platform::StoreKey> FakeKeyStore::open(platform::StoreRoot root, const std::string& path) {
    if (failOpen) return nullptr;
    ++opens;
    return std::make_unique<FakeKey>(*this, keys_[{root, path}], readOnlyRoot != root);
}

}  // namespace solvane::fake
