// The small services, each against the system's own answer: memory, the screen saver, the user's languages, the error box and the shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "ScratchRegistry.h"
#include "platform/windows/MessageBoxErrorReporter.h"
#include "platform/windows/ShellExecuteOpener.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsDesktopLocale.h"
#include "platform/windows/WindowsScreenSaver.h"
#include "platform/windows/WorkingSetMemory.h"
#include "settings/DesktopLanguage.h"

namespace solvane::windows {
namespace {

TEST(WorkingSetMemory, GrowsWithThePagesTheProcessTouches) {
    WorkingSetMemory memory;
    const double before = memory.workingSetBytes();
    EXPECT_GT(before, 1024.0 * 1024);
    std::vector<char> block(64 << 20, 1);  // filled, so every page is touched
    EXPECT_GT(memory.workingSetBytes() - before, 48.0 * 1024 * 1024);
    EXPECT_EQ(block[block.size() / 2], 1);
}

TEST(WindowsScreenSaver, AnswersAsTheSystemDoes) {
    WindowsScreenSaver saver;
    EXPECT_FALSE(saver.isRunning());
    // What a screen saver itself tells the system when it starts and when it ends.
    BOOL before = FALSE;
    ASSERT_TRUE(SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, TRUE, &before, 0));
    EXPECT_TRUE(saver.isRunning());
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, FALSE, &before, 0);
    EXPECT_FALSE(saver.isRunning());
}

TEST(WindowsScreenSaver, ItsDesktopIsThereWhileOneRuns) {
    EXPECT_FALSE(WindowsScreenSaver::screenSaverDesktopExists());
    const HDESK desktop = CreateDesktopW(L"screen-saver", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    ASSERT_NE(desktop, nullptr);
    EXPECT_TRUE(WindowsScreenSaver::screenSaverDesktopExists());
    CloseDesktop(desktop);
    EXPECT_FALSE(WindowsScreenSaver::screenSaverDesktopExists());
}

TEST(WindowsDesktopLocale, WindowsNamesReachTheCoresLanguagesByRegionAndScript) {
    EXPECT_EQ(posixLocaleName("fr-FR"), "fr_FR");
    EXPECT_EQ(posixLocaleName("DE"), "de");
    EXPECT_EQ(posixLocaleName("es-419"), "es");
    EXPECT_EQ(posixLocaleName("ca-ES-valencia"), "ca_ES");
    EXPECT_EQ(posixLocaleName(""), "");
    const std::pair<const char*, std::int32_t> languages[] = {
        {"sr-Latn-RS", 2074}, {"sr-Cyrl-RS", 3098}, {"zh-Hant-TW", 1028}, {"zh-Hant", 1028}, {"zh-Hant-HK", 1028},
        {"zh-Hans", 2052},    {"zh-Hans-CN", 2052}, {"pt-BR", 1046},      {"nb-NO", 1044},   {"he-IL", 1037},
    };
    for (const auto& [name, language] : languages) EXPECT_EQ(languageOfLocale(posixLocaleName(name)), language) << name;
}

TEST(WindowsDesktopLocale, TheFirstLanguageIsTheUsersDisplayLanguage) {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    ASSERT_GT(LCIDToLocaleName(MAKELCID(GetUserDefaultUILanguage(), SORT_DEFAULT), name, LOCALE_NAME_MAX_LENGTH, 0), 0);
    const std::vector<std::string> languages = WindowsDesktopLocale().preferredLanguages();
    ASSERT_FALSE(languages.empty());
    EXPECT_EQ(languages.front(), posixLocaleName(toUtf8(name)));
}

TEST(MessageBoxErrorReporter, ShowsTheMessageUnderTheTitleAndReturnsWhenItIsClosed) {
    const std::string title = "Solvane Premium " + std::to_string(GetCurrentProcessId());
    const std::string message = "Der Wert „Anzeige“ ist keine Zahl.";
    std::thread shown([&] { MessageBoxErrorReporter().report(title, message); });
    HWND box = nullptr;
    for (int wait = 0; wait < 400 && !box; ++wait) {
        box = FindWindowW(L"#32770", toWide(title).c_str());
        if (!box) Sleep(25);
    }
    if (!box) {
        shown.detach();
        FAIL() << "no message box appeared";
    }
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);  // the message's static text
    EXPECT_EQ(toUtf8(text), message);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    shown.join();
}

// A file type of its own whose "open" command records the file it was given. (Wine 8
// finds file types only in the machine's classes; a user without administrator rights
// on Windows would register it below HKEY_CURRENT_USER\Software\Classes.)
TEST(ShellExecuteOpener, OpensAFileWithTheHandlerOfItsType) {
    testing::ScratchRegistryKey scratch(L"SolvaneTest");
    testing::ScratchFolder folder;
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring command =
        L"\"" + std::wstring(system) + L"\\reg.exe\" add \"HKCU\\" + scratch.path() + L"\" /v Opened /d \"%1\" /f";
    testing::putRawValue(HKEY_CLASSES_ROOT, L".solvanetest", L"", REG_SZ, L"SolvaneTestFile", 16 * sizeof(wchar_t));
    testing::putRawValue(HKEY_CLASSES_ROOT, L"SolvaneTestFile\\shell\\open\\command", L"", REG_SZ, command.c_str(),
                         static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    const std::string file = folder.path("My Notes Grüße.solvanetest");
    folder.putFile("My Notes Grüße.solvanetest", "notes");

    ShellExecuteOpener().open(file);
    const std::wstring opened = testing::waitForText(scratch.key(), L"Opened");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".solvanetest");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"SolvaneTestFile");
    EXPECT_EQ(toUtf8(opened), file);
}

}  // namespace
}  // namespace solvane::windows
