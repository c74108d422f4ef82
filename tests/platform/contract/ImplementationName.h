#pragma once
#include <string>

namespace solvane::contract {

// Names each typed test after the implementation it runs on ("Fake", "JsonKeyStore"),
// so that a failure says at once which service broke the contract.
struct ImplementationName {
    template <class Traits>
    static std::string GetName(int) {
        return Traits::name;
    }
};

}  // namespace solvane::contract
