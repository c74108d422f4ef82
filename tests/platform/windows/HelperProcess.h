#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "InstanceHelperExit.h"
#include "platform/windows/WideText.h"

// The instance helper (InstanceHelper.cpp), started as another process by the tests of
// instance control: the other instances, the starting one that asks, a "shutdown".
namespace solvane::windows::testing {

class HelperProcess {
public:
    // Runs `instance_helper <arguments>`; it inherits `inherited` (an event it sets).
    explicit HelperProcess(const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + toWide(INSTANCE_HELPER) + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION created{};
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                           &created)) {
            CloseHandle(created.hThread);
            process_ = created.hProcess;
        }
    }
    ~HelperProcess() {
        if (!process_) return;
        // A helper that still runs has not answered; it must not outlive its test.
        if (!exitCode()) TerminateProcess(process_, TimedOut);
        WaitForSingleObject(process_, 5000);
        CloseHandle(process_);
    }
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    bool started() const { return process_ != nullptr; }
    HANDLE handle() const { return process_; }
    // Its exit code once it has ended, within the limit; nothing while it runs.
    std::optional<DWORD> waitForExit(DWORD limitMs) const {
        if (!process_) return std::nullopt;
        WaitForSingleObject(process_, limitMs);
        return exitCode();
    }
    std::optional<DWORD> exitCode() const {
        DWORD code = STILL_ACTIVE;
        if (!process_ || !GetExitCodeProcess(process_, &code) || WaitForSingleObject(process_, 0) != WAIT_OBJECT_0)
            return std::nullopt;
        return code;
    }

private:
    HANDLE process_ = nullptr;
};

// An event that a helper inherits and sets when it has got so far.
class ReadySignal {
public:
    ReadySignal() {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        event_ = CreateEventW(&inheritable, TRUE, FALSE, nullptr);
    }
    ~ReadySignal() {
        if (event_) CloseHandle(event_);
    }
    ReadySignal(const ReadySignal&) = delete;
    ReadySignal& operator=(const ReadySignal&) = delete;

    std::wstring argument() const { return std::to_wstring(reinterpret_cast<std::uintptr_t>(event_)); }
    // Blocks until the helper sets it, ends, or the limit passes; true when it was set.
    bool waitFor(const HelperProcess& helper, DWORD limitMs) const {
        const HANDLE handles[] = {event_, helper.handle()};
        return helper.started() && WaitForMultipleObjects(2, handles, FALSE, limitMs) == WAIT_OBJECT_0;
    }

private:
    HANDLE event_ = nullptr;
};

// Another running instance: announced when this returns (or never, the test then fails
// on what it expects of it); it ends with AnsweredQuit when asked to quit.
inline std::unique_ptr<HelperProcess> startAnnouncedInstance() {
    const ReadySignal announced;
    auto instance = std::make_unique<HelperProcess>(L"instance " + announced.argument());
    announced.waitFor(*instance, 10'000);
    return instance;
}

}  // namespace solvane::windows::testing
