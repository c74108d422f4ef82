// What the contract suite cannot say about the registry store: values that other
// programs (the installer, the registry editor) leave, the form of what it writes, and
// a machine key that an ordinary user may read but not change.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ScratchRegistry.h"
#include "platform/windows/RegistryKeyStore.h"
#include "settings/LanguageSetup.h"

namespace solvane::windows {
namespace {

using platform::StoreError;
using platform::StoreRoot;

const std::wstring KeyPath = L"Software\\Marwick\\Marwick's Solvane";

class RegistryKeyStoreTest : public ::testing::Test {
protected:
    void put(const std::wstring& name, DWORD type, const void* data, DWORD size) {
        testing::putRawValue(user, KeyPath, name, type, data, size);
    }
    // The value as the registry holds it: type and bytes.
    std::pair<DWORD, std::vector<BYTE>> raw(const std::wstring& name) {
        HKEY key = nullptr;
        RegOpenKeyExW(user, KeyPath.c_str(), 0, KEY_QUERY_VALUE, &key);
        DWORD type = REG_NONE;
        std::vector<BYTE> data(256);
        auto size = static_cast<DWORD>(data.size());
        RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
        RegCloseKey(key);
        data.resize(size);
        return {type, data};
    }
    std::unique_ptr<platform::StoreKey> open() {
        return store.open(StoreRoot::CurrentUser, "Software\\Marwick\\Marwick's Solvane");
    }

    testing::ScratchRegistryKey scratch{L"SolvaneTest"};
    HKEY user = scratch.subKey(L"CurrentUser");
    HKEY machine = scratch.subKey(L"LocalMachine");
    RegistryKeyStore store{user, machine};
};

TEST_F(RegistryKeyStoreTest, ATextWithoutItsNulOrWithAnOddByteCountReadsAsFarAsItsCharactersAreWhole) {
    // The characters after the counted ones are not NUL, so that the registry keeps the
    // count as given instead of adding the NUL a caller forgot.
    put(L"NoNul", REG_SZ, L"VerdanaX", 7 * sizeof(wchar_t));
    put(L"HalfCharacter", REG_SZ, L"ArialXY", 4 * sizeof(wchar_t) + 1);
    put(L"Empty", REG_SZ, L"X", 0);
    put(L"TwoTexts", REG_SZ, L"one\0two", 8 * sizeof(wchar_t));
    ASSERT_EQ(raw(L"NoNul").second.size(), 14u);
    ASSERT_EQ(raw(L"HalfCharacter").second.size(), 9u);

    auto key = open();
    EXPECT_EQ(key->readText("NoNul"), "Verdana");
    EXPECT_EQ(key->readText("HalfCharacter"), "Aria");
    EXPECT_EQ(key->readText("Empty"), "");
    EXPECT_EQ(key->readText("TwoTexts"), "one") << "a REG_SZ ends at its first NUL";
}

TEST_F(RegistryKeyStoreTest, OnlyAFourByteDwordIsANumberAndOnlyAStringIsAText) {
    const wchar_t expandable[] = L"%SystemRoot%\\fonts";
    put(L"Expandable", REG_EXPAND_SZ, expandable, sizeof expandable);
    const DWORD number = 27;
    const unsigned long long wide = 27;
    put(L"Binary", REG_BINARY, &number, sizeof number);
    put(L"BigEndian", REG_DWORD_BIG_ENDIAN, &number, sizeof number);
    put(L"Qword", REG_QWORD, &wide, sizeof wide);
    put(L"Short", REG_DWORD, &number, 2);
    put(L"Texts", REG_MULTI_SZ, L"27\0\0", 4 * sizeof(wchar_t));

    auto key = open();
    EXPECT_EQ(key->readText("Expandable"), "%SystemRoot%\\fonts") << "read as it stands, not expanded";
    EXPECT_THROW(key->readInteger("Expandable"), StoreError);
    for (const char* name : {"Binary", "BigEndian", "Qword", "Short", "Texts"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(key->valueExists(name));
        EXPECT_THROW(key->readInteger(name), StoreError);
        EXPECT_THROW(key->readText(name), StoreError);
    }
}

TEST_F(RegistryKeyStoreTest, TextsAndNumbersAreWrittenAsEveryOtherReaderExpectsThem) {
    auto key = open();
    key->writeText("FontName", "Grüße");
    key->writeInteger("Anzeige", -2);
    key->close();

    const auto [textType, text] = raw(L"FontName");
    EXPECT_EQ(textType, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(text.size(), 6 * sizeof(wchar_t)) << "five characters and the terminating NUL";
    EXPECT_EQ(std::memcmp(text.data(), L"Grüße", text.size()), 0);
    const auto [numberType, number] = raw(L"Anzeige");
    EXPECT_EQ(numberType, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(number, (std::vector<BYTE>{0xFE, 0xFF, 0xFF, 0xFF}));
}

TEST_F(RegistryKeyStoreTest, AMachineKeyTheUserMayNotChangeIsReadAndRefusesWrites) {
    testing::putRawValue(machine, KeyPath, L"Installer Language", REG_SZ, L"1036", 5 * sizeof(wchar_t));
    testing::KeyRightsDenial locked(machine, KeyPath, KEY_SET_VALUE | KEY_CREATE_SUB_KEY);

    auto key = store.open(StoreRoot::LocalMachine, InstallerLanguageKeyPath);
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->readText(InstallerLanguageValue), "1036");
    EXPECT_THROW(key->writeText(InstallerLanguageValue, "1031"), StoreError);
    EXPECT_THROW(key->deleteValue("Missing"), StoreError);
    key.reset();
    EXPECT_EQ(findInstallerLanguage(store), 1036);
}

TEST_F(RegistryKeyStoreTest, AMachineKeyTheUserCanNeitherCreateNorReadIsNoKeyAndTheUsersLanguageCounts) {
    // Windows also refuses to create a key below one that denies KEY_CREATE_SUB_KEY;
    // Wine does not check that right, so the key is there and refuses to be read.
    testing::KeyRightsDenial locked(machine, KeyPath, KEY_QUERY_VALUE | KEY_SET_VALUE);
    EXPECT_EQ(store.open(StoreRoot::LocalMachine, InstallerLanguageKeyPath), nullptr);
    open()->writeText(InstallerLanguageValue, "1031");
    EXPECT_EQ(findInstallerLanguage(store), 1031);
}

TEST_F(RegistryKeyStoreTest, APathThatNamesNoKeyBelowTheRootOpensNothing) {
    EXPECT_EQ(store.open(StoreRoot::CurrentUser, ""), nullptr);
    EXPECT_EQ(store.open(StoreRoot::CurrentUser, "\\\\"), nullptr);
}

}  // namespace
}  // namespace solvane::windows
