#pragma once
#include <dlfcn.h>

namespace solvane::linuxos {

// A shared library opened when it is first needed instead of linked: every library
// the program links is loaded before main(), and every symbol that the program and
// Qt look up at start is searched in it too. The pictures' decoder and the X
// screen-saver query are needed long after start, or never. The library stays
// loaded for the rest of the run; when it cannot be opened, nothing resolves.
class SharedLibrary {
public:
    explicit SharedLibrary(const char* soname) : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}

    // Sets `function` to the library's function `name`; false (and null) when the
    // library or the function is missing.
    template <typename Function>
    bool resolve(Function*& function, const char* name) const {
        // dlsym gives functions as object pointers; POSIX guarantees the conversion.
        function = handle_ ? reinterpret_cast<Function*>(dlsym(handle_, name)) : nullptr;
        return function != nullptr;
    }

private:
    void* handle_;
};

}  // namespace solvane::linuxos
