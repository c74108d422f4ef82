// The desktop's language chooses the interface language where no installer recorded one.
#include <gtest/gtest.h>

#include "platform/fake/FakeKeyStore.h"
#include "settings/DesktopLanguage.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageSetup.h"
#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using platform::StoreRoot;

TEST(DesktopLanguageTest, LocaleNamesFindTheirLanguageWhateverTheirTerritoryCodesetOrModifier) {
    struct Case {
        const char* locale;
        std::int32_t expected;
    };
    for (const Case& c :
         {Case{"fr_FR.UTF-8", 1036}, Case{"fr_CA", 1036}, Case{"de_AT.UTF-8@euro", 1031}, Case{"pt_BR.UTF-8", 1046},
          Case{"pt_PT", 1046}, Case{"nb_NO.UTF-8", 1044}, Case{"nn_NO", 1044}, Case{"zh_CN.UTF-8", 2052},
          Case{"zh_TW.UTF-8", 1028}, Case{"zh_HK", 1028}, Case{"sr_RS.UTF-8", 3098}, Case{"sr_RS@latin", 2074},
          Case{"he_IL.UTF-8", 1037}, Case{"ja", 1041}, Case{"EN_us", 1033}, Case{"cy_GB", 1160},
          Case{"is_IS.UTF-8", 15}, Case{"ku_TR.UTF-8", 9999}}) {
        EXPECT_EQ(languageOfLocale(c.locale), c.expected) << c.locale;
    }
    for (const char* none : {"C", "POSIX", "C.UTF-8", "", "gd_GB.UTF-8", "_FR", "f", "french"}) {
        EXPECT_EQ(languageOfLocale(none), std::nullopt) << none;
    }
}

TEST(DesktopLanguageTest, TheFirstPreferenceWithTextsWins) {
    EXPECT_EQ(desktopLanguage({"gd_GB", "fr_FR.UTF-8", "de_DE.UTF-8"}), 1036);
    EXPECT_EQ(desktopLanguage({"en_GB.UTF-8", "fr_FR.UTF-8"}), 1033);
    EXPECT_EQ(desktopLanguage({"gd_GB"}), std::nullopt);
    EXPECT_EQ(desktopLanguage({}), std::nullopt);
}

TEST(DesktopLanguageTest, OnlyAnUnrecordedLanguageFollowsTheDesktopAndTheChoiceIsNotRecorded) {
    fake::FakeKeyStore store;
    EXPECT_EQ(findInstallerLanguage(store, {"fr_FR.UTF-8"}), 1036);
    EXPECT_TRUE(store.writeLog.empty()) << "the desktop's language was recorded as the installer's";
    EXPECT_EQ(findInstallerLanguage(store, {"gd_GB.UTF-8"}), EnglishLanguage);

    store.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("1033");
    EXPECT_EQ(findInstallerLanguage(store, {"fr_FR.UTF-8"}), EnglishLanguage) << "the user's recorded English";

    fake::FakeKeyStore machine;
    machine.key(StoreRoot::LocalMachine, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("1049");
    EXPECT_EQ(findInstallerLanguage(machine, {"fr_FR.UTF-8"}), 1049);
}

TEST(DesktopLanguageTest, AFrenchDesktopGetsTheFrenchTextsAndAGermanOneTheBuiltInTable) {
    testing::ProgramHarness french;
    french.fake.locale.languages = {"fr_FR.UTF-8"};
    std::string content;
    for (int n = 0; n < 78; ++n)
        content += (n == 60 ? std::string("\xC3\x89"
                                          "cran")
                            : "line " + std::to_string(n)) +
                   "\n";
    french.fake.files.files["/opt/solvane/bin/french.txt"] = content;
    french.start();
    EXPECT_EQ(french.program.texts.MonitorWord,
              "\xC3\x89"
              "cran");

    testing::ProgramHarness german;
    german.fake.locale.languages = {"de_DE.UTF-8"};
    german.start();
    EXPECT_EQ(german.program.texts.MonitorWord, "Bildschirm");
}

}  // namespace
}  // namespace solvane
