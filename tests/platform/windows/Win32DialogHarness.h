#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "platform/fake/FakePlatform.h"
#include "platform/windows/DialogMessages.h"
#include "platform/windows/WideText.h"
#include "platform/windows/Win32ConfigDialog.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageSetup.h"

namespace solvane::windows::testing {

// A path beside the test program: the build copies the dialog's pictures and the
// language files there ("pictures\", "languages\").
inline std::wstring besideTestProgram(const std::wstring& relative) {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L'\\') + 1);
    return folder + relative;
}

// The bytes of a file; empty when it cannot be read.
inline std::string fileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes(static_cast<std::size_t>(GetFileSize(file, nullptr)), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

// The fake window system, but with the real settings dialog.
class Win32DialogSystem final : public fake::FakeWindowSystem {
public:
    Win32DialogSystem(std::function<std::int64_t()> clock, std::wstring picturesFolder)
        : FakeWindowSystem(std::move(clock)), picturesFolder_(std::move(picturesFolder)) {}
    std::unique_ptr<platform::DialogView> createDialogView(TfrmConfig& config) override {
        configWindow = &config;
        auto view = std::make_unique<Win32ConfigDialog>(config, picturesFolder_);
        view_ = view.get();
        return view;
    }
    Win32ConfigDialog* view() const { return view_; }

private:
    std::wstring picturesFolder_;
    Win32ConfigDialog* view_ = nullptr;
};

// The program on the fake services and virtual time, with the real Win32 settings
// dialog, in a language of the installer's (a shipped language file where it has one).
struct Win32DialogHarness {
    explicit Win32DialogHarness(std::int32_t language = EnglishLanguage,
                                std::wstring picturesFolder = besideTestProgram(L"pictures\\"))
        : windows([this] { return fake.loop.now(); }, std::move(picturesFolder)), program(services, CommandLine{}) {
        if (language != EnglishLanguage) {
            fake.store.key(platform::StoreRoot::LocalMachine, InstallerLanguageKeyPath)[InstallerLanguageValue] =
                std::to_string(language);
        }
        if (const auto file = languageFileFor(language)) {
            fake.files.files["/opt/solvane/bin/" + file->fileName] = fileBytes(
                besideTestProgram(L"languages\\" + std::wstring(file->fileName.begin(), file->fileName.end())));
        }
        program.createWindows();
    }
    ~Win32DialogHarness() {
        if (program.config().visible()) program.config().close();
    }

    TfrmConfig& model() { return program.config(); }
    Win32ConfigDialog& dialog() { return *windows.view(); }
    HWND window() { return dialog().window(); }
    HWND control(const char* name) { return dialog().control(name); }

    // Opens the dialog on a page and lets it draw.
    void showPage(ConfigPage page) {
        model().setActivePage(page);
        if (!model().visible()) model().show();
        pump();
    }

    // Handles the messages waiting for this thread, as the program's event loop does:
    // the dialog's keyboard first.
    static void pump() {
        MSG message;
        for (int handled = 0; handled < 10000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++handled) {
            if (translateDialogMessage(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    // A key pressed and let go, through the event loop, on the window with the focus.
    static void pressKey(WPARAM key) {
        for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
            MSG keyMessage{GetFocus(), message, key, 1, 0, {}};
            if (!translateDialogMessage(keyMessage)) {
                TranslateMessage(&keyMessage);
                DispatchMessageW(&keyMessage);
            }
        }
        pump();
    }

    fake::FakePlatform fake;
    Win32DialogSystem windows;
    platform::Platform services{fake.loop,   fake.loop,      fake.store, fake.monitors,  fake.fonts, fake.screenSaver,
                                fake.memory, fake.processes, fake.shell, fake.instances, fake.files, fake.autostart,
                                fake.errors, fake.clock,     windows,    fake.text,      fake.locale};
    Program program;
};

// A control's bounds in the client area of its parent (a page, or the dialog).
inline RECT boundsInParent(HWND control) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
    return bounds;
}

// The same as a place of the program's own: left, top, width and height.
inline Rect placeOf(const RECT& bounds) {
    return {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
}
inline Rect placeInParent(HWND control) { return placeOf(boundsInParent(control)); }

inline std::string windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

}  // namespace solvane::windows::testing

namespace solvane {
inline void PrintTo(const Rect& place, std::ostream* out) {
    *out << "(" << place.left << ", " << place.top << ", " << place.width << " x " << place.height << ")";
}
}  // namespace solvane
