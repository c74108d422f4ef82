#include "platform/windows/EscapedException.h"

#include <utility>

namespace solvane::windows {

namespace {
thread_local std::exception_ptr escaped;
}

void keepEscapedException(std::exception_ptr exception) noexcept {
    if (!escaped) escaped = std::move(exception);
}

void rethrowEscapedException() {
    if (!escaped) return;
    std::exception_ptr exception = std::exchange(escaped, nullptr);
    std::rethrow_exception(exception);
}

}  // namespace solvane::windows
