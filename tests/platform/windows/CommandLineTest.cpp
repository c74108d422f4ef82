// Command lines: arguments that come back exactly as they were given, in the Run
// entry that Windows reads at log-on and in the processes the program starts.
#include <windows.h>

#include <shellapi.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../contract/WindowsServiceTraits.h"
#include "ScratchRegistry.h"
#include "platform/windows/CommandLineQuoting.h"
#include "platform/windows/CreateProcessStarter.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {
namespace {

// The arguments after the program, as CommandLineToArgvW (and the C runtime) read them.
std::vector<std::wstring> argumentsOf(const std::wstring& line) {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    std::vector<std::wstring> arguments(words + 1, words + count);
    LocalFree(words);
    return arguments;
}

TEST(CommandLineQuoting, EveryArgumentComesBackExactly) {
    const std::vector<std::wstring> nasty = {
        L"plain",  L"",         L" ",          L"two words",         L"tab\there",       L"say \"hi\"",
        L"\"",     L"\"\"",     L"trailing\\", L"C:\\a b\\",         L"C:\\a b\\\\",     L"back\\\"quote",
        L"\\\\\"", L"a\\\\b c", L"\\",         L"\\\\server\\share", L"%PATH% ^& | < >", L"Grüße 😀",
    };
    const std::wstring line = commandLine(L"C:\\Program Files\\Solvane\\solvane.exe", nasty);
    EXPECT_EQ(argumentsOf(line), nasty) << toUtf8(line);
    // Each one alone, also where it is last on the line.
    for (const std::wstring& argument : nasty) {
        EXPECT_EQ(argumentsOf(commandLine(L"p", {argument})), std::vector<std::wstring>{argument}) << toUtf8(argument);
    }
}

TEST(CommandLineQuoting, AWordThatNeedsNoQuotesHasNone) {
    EXPECT_EQ(commandLine(L"C:\\Solvane\\solvane.exe", {L"reload", L"hide", L"3"}),
              L"\"C:\\Solvane\\solvane.exe\" reload hide 3");
    EXPECT_EQ(quotedArgument(L""), L"\"\"");
}

TEST(RunKeyAutostartEntry, TheValueIsTheQuotedPathAndTheWordAsWindowsSplitsIt) {
    contract::RunKeyAutostartEntryTraits run;  // the prefix's own value, put back at the end
    const std::wstring path = L"C:\\Program Files\\Marwick\\Solvane\\solvane.exe";
    for (const char* word : {"start", "hide"}) {
        run.entry().write(toUtf8(path), word);
        HKEY key = nullptr;
        ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, RunKeyPath, 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
        wchar_t value[MAX_PATH] = {};
        DWORD size = sizeof value;
        DWORD type = REG_NONE;
        const LONG status = RegQueryValueExW(key, RunValueName, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
        ASSERT_EQ(status, ERROR_SUCCESS);
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
        EXPECT_EQ(value, L"\"" + path + L"\" " + toWide(word));
        // The shell's own split of a command into program and arguments.
        EXPECT_STREQ(PathGetArgsW(value), toWide(word).c_str());
        PathRemoveArgsW(value);
        PathUnquoteSpacesW(value);
        EXPECT_EQ(value, path);
    }
    EXPECT_EQ(run.entry().boxCaption(), "Run Solvane at Windows startup");
}

// The system's reg.exe, started with the arguments, records the last one in a value.
TEST(CreateProcessStarter, TheStartedProgramReceivesEachArgumentExactly) {
    testing::ScratchRegistryKey scratch(L"SolvaneTest");
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::string data = "a \"quoted\" word, C:\\a folder\\ and Grüße";
    CreateProcessStarter().start(toUtf8(system) + "\\reg.exe", {"add", "HKCU\\" + toUtf8(scratch.path()), "/v",
                                                                "Received", "/t", "REG_SZ", "/d", data, "/f"});
    const std::wstring received = testing::waitForText(scratch.key(), L"Received");
    EXPECT_EQ(toUtf8(received), data);
}

}  // namespace
}  // namespace solvane::windows
