// Photographs each page of the settings dialog into BMP files, for a look at the
// layout: dialog_screenshots [folder]. The program runs on the fake services with the
// real Win32 dialog, in English, German and Arabic (mirrored), on the display the
// program is started on (under Wine, a virtual X desktop); then the Font & Color page
// with shadow and a blue background, and Windows' font chooser at its place.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Win32DialogHarness.h"

namespace {

using solvane::ConfigPage;
using solvane::windows::testing::Win32DialogHarness;

// The screen's pixels in the window's bounds, frame included, as a 24-bit BMP file.
bool saveWindow(HWND window, const std::wstring& file) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Win32DialogHarness::pump();
    Sleep(100);
    Win32DialogHarness::pump();
    RECT bounds{};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * height);
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP copy = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, width, height, screen, bounds.left, bounds.top, SRCCOPY);
    SelectObject(memory, previous);
    GetDIBits(memory, copy, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
    DeleteObject(copy);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER fileHeader{};
    fileHeader.bfType = 0x4D42;  // "BM"
    fileHeader.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    fileHeader.bfSize = fileHeader.bfOffBits + static_cast<DWORD>(pixels.size());
    const HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool saved = out != INVALID_HANDLE_VALUE &&
                       WriteFile(out, &fileHeader, sizeof(fileHeader), &written, nullptr) &&
                       WriteFile(out, &header, sizeof(header), &written, nullptr) &&
                       WriteFile(out, pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    std::printf("%s %ls\n", saved ? "wrote" : "FAILED", file.c_str());
    return saved;
}

const std::pair<ConfigPage, const wchar_t*> Pages[] = {{ConfigPage::Links, L"links"},
                                                       {ConfigPage::Affirmations, L"affirmations"},
                                                       {ConfigPage::FontColour, L"font-colour"},
                                                       {ConfigPage::Display, L"display"},
                                                       {ConfigPage::About, L"about"},
                                                       {ConfigPage::Thanks, L"thanks"}};

bool savePages(std::int32_t language, const std::wstring& folder, const std::wstring& prefix) {
    Win32DialogHarness h(language);
    bool saved = true;
    for (const auto& [page, name] : Pages) {
        h.showPage(page);
        saved &= saveWindow(h.window(), folder + L"dialog-" + prefix + name + L".bmp");
    }
    return saved;
}

// The chooser the dialog opens, photographed and cancelled from a timer that the
// chooser's own message loop runs.
std::wstring chooserFile;
bool chooserSaved = false;
HWND chooserOwner = nullptr;

BOOL CALLBACK photographChooser(HWND window, LPARAM) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) != L"#32770" || !IsWindowVisible(window) || GetWindow(window, GW_OWNER) != chooserOwner)
        return TRUE;
    chooserSaved = saveWindow(window, chooserFile);
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
}

void CALLBACK chooserTick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), photographChooser, 0);
}

}  // namespace

int main(int argc, char** argv) {
    std::wstring folder = argc > 1 ? solvane::windows::toWide(argv[1]) : std::wstring(L".");
    if (!folder.empty() && folder.back() != L'\\' && folder.back() != L'/') folder += L'\\';
    CreateDirectoryW(folder.c_str(), nullptr);
    bool saved = savePages(solvane::EnglishLanguage, folder, L"");
    saved &= savePages(solvane::GermanLanguage, folder, L"de-");
    saved &= savePages(1025, folder, L"arabic-");
    {
        Win32DialogHarness h;
        h.showPage(ConfigPage::FontColour);
        solvane::TfrmConfig& config = h.model();
        config.cbSchatten.userClick();
        config.Shape1.setColour(solvane::rgb(40, 60, 200));
        config.cbTBack.userClick();
        config.Edit5.userType("Ich bin <b>froh</b> & frei");
        saved &= saveWindow(h.window(), folder + L"dialog-font-colour-shadow.bmp");

        chooserFile = folder + L"chooser-font.bmp";
        chooserOwner = h.window();
        const UINT_PTR timer = SetTimer(nullptr, 0, 300, chooserTick);
        config.FontDialog1Font = solvane::FontSpec{"Tahoma", 20, 0, 0};
        SendMessageW(h.control("Button6"), BM_CLICK, 0, 0);
        KillTimer(nullptr, timer);
        saved &= chooserSaved;
    }
    return saved ? 0 : 1;
}
