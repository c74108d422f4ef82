#pragma once
#include <exception>

namespace solvane::windows {

// A C++ exception must not unwind through Windows' own frames (DispatchMessageW, the
// loop of a modal dialog or menu): 64-bit Windows may swallow it there or end the
// process. A window procedure keeps what escapes its handler here instead, and the
// event loop throws it again on the same thread once DispatchMessageW has returned.
// Only the first one is kept until it is thrown again.
void keepEscapedException(std::exception_ptr exception) noexcept;
void rethrowEscapedException();

}  // namespace solvane::windows
