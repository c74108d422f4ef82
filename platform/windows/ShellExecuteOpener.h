#pragma once
#include <string>

#include "platform/SystemServices.h"

namespace solvane::windows {

// Opens a file or a web address with ShellExecuteW and the verb "open": the handler the
// user chose for its type, the browser for a web address. The result is not examined.
//
// The shell may hand the work to extensions that need COM on the calling thread; the
// opener initialises it (single-threaded apartment) when it is made and gives it back
// when it is destroyed, so make and destroy it on the user-interface thread.
class ShellExecuteOpener final : public platform::ShellOpener {
public:
    ShellExecuteOpener();
    ~ShellExecuteOpener() override;

    ShellExecuteOpener(const ShellExecuteOpener&) = delete;
    ShellExecuteOpener& operator=(const ShellExecuteOpener&) = delete;

    void open(const std::string& target) override;

private:
    bool comInitialised_;
};

}  // namespace solvane::windows
