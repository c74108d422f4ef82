#include "platform/windows/MessageOnlyWindow.h"

#include <optional>
#include <utility>

namespace solvane::windows {

namespace {
const Win32Window::Kind MessageWindowKind{L"SolvaneMessageWindow", L"", 0, 0, HWND_MESSAGE};
// The messages a program may define for its own windows.
constexpr UINT LastApplicationMessage = 0xBFFF;
}  // namespace

MessageOnlyWindow::MessageOnlyWindow(Handler handler)
    : window_(MessageWindowKind, Rect{},
              [handler = std::move(handler)](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
                  if (message < WM_APP || message > LastApplicationMessage) return std::nullopt;
                  handler(message, wParam, lParam);
                  return 0;
              }) {}

}  // namespace solvane::windows
