#include "settings/LanguageSetup.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/fake/FakeTextConverter.h"
#include "settings/LanguageIdentifiers.h"
#include "settings/LanguageTable.h"
#include "settings/LanguageTexts.h"
#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using platform::StoreRoot;
using testing::ProgramHarness;

const std::string LanguageFolder = "/opt/solvane/bin/";

fake::FakeKeyStore::Key& machineKey(ProgramHarness& h) {
    return h.fake.store.key(StoreRoot::LocalMachine, InstallerLanguageKeyPath);
}
fake::FakeKeyStore::Key& userKey(ProgramHarness& h) {
    return h.fake.store.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath);
}

// A language file whose line n reads "<prefix><n>", for lines 0 to count - 1.
std::string numberedFile(int count, const std::string& prefix = "T") {
    std::string content;
    for (int n = 0; n < count; ++n) content += prefix + std::to_string(n) + "\r\n";
    return content;
}

void expectEnglish(ProgramHarness& h) {
    EXPECT_EQ(h.program.texts.MenuStop, "&Stop");
    EXPECT_EQ(h.program.texts.MonitorWord, "Monitor");
    EXPECT_EQ(h.program.texts.pages.ProductPage, "file:///opt/solvane/bin/pages/en/product.html");
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Stop");
    EXPECT_EQ(h.main().Beenden1.caption(), "&Exit");
    EXPECT_EQ(h.main().TrayIcon1.ToolTip(), "Left-Click: Stop / Right-Click: Menu");
    EXPECT_EQ(h.config().caption, "Settings");
    EXPECT_EQ(h.config().tabCaption[5], "Thanks");
    EXPECT_EQ(h.config().Button10.caption, "Cancel");
    EXPECT_FALSE(h.config().germanPictures);
    EXPECT_EQ(h.settings().EinzelAffirmation(), "I know what I love to do and I do it.");
}

// --- Where the identifier comes from ---

TEST(InstallerLanguageTest, TheMachineKeyWinsOverTheUserKeyAndNothingIsWritten) {
    fake::FakeKeyStore store;
    store.key(StoreRoot::LocalMachine, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("1036");
    store.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("1031");
    EXPECT_EQ(findInstallerLanguage(store), 1036);
    EXPECT_TRUE(store.writeLog.empty());
    EXPECT_EQ(store.opens, store.closes);
}

TEST(InstallerLanguageTest, TheUsersChoiceIsCopiedToTheMachineKeyUnlessItIsEnglish) {
    struct Case {
        std::string stored;
        std::int32_t expected;
        bool written;
    };
    for (const Case& c :
         {Case{"1031", 1031, true}, Case{"1049", 1049, true}, Case{"1033", 1033, false}, Case{"12345", 12345, true}}) {
        fake::FakeKeyStore store;
        store.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath)[InstallerLanguageValue] = c.stored;
        EXPECT_EQ(findInstallerLanguage(store), c.expected) << c.stored;
        auto& machine = store.key(StoreRoot::LocalMachine, InstallerLanguageKeyPath);
        if (c.written) {
            ASSERT_EQ(machine.count(InstallerLanguageValue), 1u) << c.stored;
            EXPECT_EQ(std::get<std::string>(machine.at(InstallerLanguageValue)), c.stored);
        } else {
            EXPECT_EQ(machine.count(InstallerLanguageValue), 0u) << c.stored;
            EXPECT_TRUE(store.writeLog.empty());
        }
        EXPECT_EQ(store.opens, store.closes) << c.stored;
    }
}

TEST(InstallerLanguageTest, NoValueAnywhereIsEnglish) {
    fake::FakeKeyStore store;
    EXPECT_EQ(findInstallerLanguage(store), EnglishLanguage);
    EXPECT_TRUE(store.writeLog.empty());
}

TEST(InstallerLanguageTest, AValueThatIsNoDecimalNumberCountsAsEnglish) {
    for (const fake::StoredValue& value :
         {fake::StoredValue{std::string("German")}, fake::StoredValue{std::string("")},
          fake::StoredValue{std::string(" 1031")}, fake::StoredValue{std::string("1031 ")},
          fake::StoredValue{std::string("0x407")}, fake::StoredValue{std::string("+1031")},
          fake::StoredValue{std::string("1031.0")}, fake::StoredValue{std::string("99999999999")},
          fake::StoredValue{fake::OtherType{}}}) {
        for (StoreRoot root : {StoreRoot::LocalMachine, StoreRoot::CurrentUser}) {
            fake::FakeKeyStore store;
            store.key(root, InstallerLanguageKeyPath)[InstallerLanguageValue] = value;
            EXPECT_EQ(findInstallerLanguage(store), EnglishLanguage);
            EXPECT_TRUE(store.writeLog.empty());
        }
    }
}

TEST(InstallerLanguageTest, AcceptsLeadingZerosAndAValueStoredAsANumber) {
    fake::FakeKeyStore store;
    store.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("01031");
    EXPECT_EQ(findInstallerLanguage(store), 1031);
    fake::FakeKeyStore numeric;
    numeric.key(StoreRoot::LocalMachine, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::int32_t{1049};
    EXPECT_EQ(findInstallerLanguage(numeric), 1049);
}

TEST(InstallerLanguageTest, ACopyTheUserHasNoRightToMakeIsSkipped) {
    fake::FakeKeyStore store;
    store.readOnlyRoot = StoreRoot::LocalMachine;
    store.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("1031");
    EXPECT_EQ(findInstallerLanguage(store), 1031);
    EXPECT_EQ(store.key(StoreRoot::LocalMachine, InstallerLanguageKeyPath).count(InstallerLanguageValue), 0u);
}

// Hands out keys of another store, except the machine's, which cannot be opened.
class NoMachineKeyStore : public platform::KeyStore {
public:
    explicit NoMachineKeyStore(platform::KeyStore& inner) : inner_(inner) {}
    std::unique_ptr<platform::StoreKey> open(StoreRoot root, const std::string& path) override {
        if (root == StoreRoot::LocalMachine) return nullptr;
        return inner_.open(root, path);
    }

private:
    platform::KeyStore& inner_;
};

TEST(InstallerLanguageTest, AnUnopenableMachineKeyStillLetsTheUserKeyDecide) {
    fake::FakeKeyStore inner;
    inner.key(StoreRoot::CurrentUser, InstallerLanguageKeyPath)[InstallerLanguageValue] = std::string("1040");
    NoMachineKeyStore store(inner);
    EXPECT_EQ(findInstallerLanguage(store), 1040);
    EXPECT_TRUE(inner.writeLog.empty());
}

// --- The language step of the dialog's creation ---

TEST(LanguageSetupTest, WithoutAnyLanguageTheInterfaceStaysEnglish) {
    ProgramHarness h;
    h.start();
    expectEnglish(h);
    EXPECT_EQ(h.config().ComboBox1.items().front(), "1. Monitor (1024 x 768 Pixel)");
}

TEST(LanguageSetupTest, TheLogOnBoxTakesItsEnglishCaptionFromThePlatformAndALanguageFileStillReplacesIt) {
    ProgramHarness english;
    english.fake.autostart.caption = "Start with the session";
    english.start();
    EXPECT_EQ(english.config().cbAutorun.caption, "Start with the session");

    ProgramHarness french;
    french.fake.autostart.caption = "Start with the session";
    machineKey(french)[InstallerLanguageValue] = std::string("1036");
    french.fake.files.files[LanguageFolder + "french.txt"] = numberedFile(78, "fr:");
    french.start();
    EXPECT_EQ(french.config().cbAutorun.caption, "fr:61");
}

TEST(LanguageSetupTest, GermanUsesTheBuiltInTableAndNeverAGermanFile) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("1031");
    h.fake.files.files[LanguageFolder + "german.txt"] = numberedFile(78, "file ");
    h.fake.files.files[LanguageFolder + "deutsch.txt"] = numberedFile(78, "file ");
    h.start();
    const UiTexts& texts = h.program.texts;
    EXPECT_EQ(texts.MenuStart, "&Start");
    EXPECT_EQ(texts.MenuStop, "&Stopp");
    EXPECT_EQ(texts.TipStart, "Linksklick: Start / Rechtsklick: Men\xC3\xBC");
    EXPECT_EQ(texts.MonitorWord, "Bildschirm");
    EXPECT_EQ(texts.DefaultAffirmation, "Ich schreite mit Leichtigkeit voran.");
    EXPECT_EQ(texts.pages.ProductPage, "file:///opt/solvane/bin/pages/de/produkt.html");
    EXPECT_EQ(texts.pages.TutorialPage, "file:///opt/solvane/bin/pages/de/anleitung.html");
    EXPECT_EQ(texts.pages.BoardLink[3], "file:///opt/solvane/bin/pages/de/naturfotos.html");
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Stopp");
    EXPECT_EQ(h.main().FarbeSchrift1.caption(), "&Farbe && Schrift...");
    EXPECT_EQ(h.main().Beenden1.caption(), "&Beenden");
    EXPECT_EQ(h.main().TrayIcon1.ToolTip(), "Linksklick: Stopp / Rechtsklick: Men\xC3\xBC");
    EXPECT_EQ(h.config().tabCaption[5], "Danke");
    EXPECT_TRUE(h.config().germanPictures);
    EXPECT_EQ(h.config().GroupBoxAffirmationsCaption, " Affirmationen  ");
    EXPECT_EQ(h.config().cbTBack.caption, "Transparenz");
    // The settings were loaded after the texts: the default affirmation and monitor word are German.
    EXPECT_EQ(h.settings().EinzelAffirmation(), "Ich schreite mit Leichtigkeit voran.");
    EXPECT_EQ(h.config().ComboBox1.items().front(), "1. Bildschirm (1024 x 768 Pixel)");
    // The cycle runs at start and the German caption tells it so.
    EXPECT_TRUE(h.main().running());
}

TEST(LanguageSetupTest, GermanFromTheUserKeyIsRecordedForTheMachine) {
    ProgramHarness h;
    userKey(h)[InstallerLanguageValue] = std::string("1031");
    h.start();
    EXPECT_EQ(h.program.texts.MonitorWord, "Bildschirm");
    EXPECT_EQ(std::get<std::string>(machineKey(h).at(InstallerLanguageValue)), "1031");
}

TEST(LanguageSetupTest, AliasIdentifiersLoadTheSameFile) {
    struct Case {
        std::int32_t identifier;
        const char* fileName;
    };
    for (const Case& c : {Case{1034, "spanish.txt"}, Case{3082, "spanish.txt"}, Case{1044, "norwegian.txt"},
                          Case{2068, "norwegian.txt"}, Case{1046, "portuguese.txt"}, Case{2070, "portuguese.txt"},
                          Case{1160, "welsh.txt"}, Case{9999, "kurdish.txt"}, Case{15, "icelandic.txt"}}) {
        ProgramHarness h;
        machineKey(h)[InstallerLanguageValue] = std::to_string(c.identifier);
        h.fake.files.files[LanguageFolder + c.fileName] = numberedFile(78, std::string(c.fileName) + ":");
        h.start();
        EXPECT_EQ(h.program.texts.MonitorWord, std::string(c.fileName) + ":60") << c.identifier;
        EXPECT_EQ(h.program.texts.pages.ProductPage, "file:///opt/solvane/bin/pages/en/product.html") << c.identifier;
        EXPECT_EQ(h.config().tabCaption[5], "Thanks") << c.identifier;
        EXPECT_FALSE(h.config().germanPictures) << c.identifier;
    }
}

TEST(LanguageSetupTest, AMissingFileOrAnUnlistedIdentifierLeavesEnglish) {
    for (const char* identifier : {"1049", "1033", "1056", "4242"}) {
        ProgramHarness h;
        machineKey(h)[InstallerLanguageValue] = std::string(identifier);
        h.fake.files.files[LanguageFolder + "french.txt"] = numberedFile(78);
        h.start();
        expectEnglish(h);
        EXPECT_TRUE(h.fake.errors.reports.empty());
    }
}

TEST(LanguageSetupTest, ANonDecimalIdentifierIsEnglishAndTheSettingsAreStillLoaded) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("Deutsch");
    h.stored()["FontName"] = std::string("Georgia");
    h.stored()["Anzeige"] = 4000;
    h.start();
    expectEnglish(h);
    EXPECT_EQ(h.settings().FontName(), "Georgia");
    EXPECT_EQ(h.settings().Anzeige(), 4000);
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST(LanguageSetupTest, AFailingCopyToTheMachineKeyStillGivesTheLanguageAndTheSettings) {
    ProgramHarness h;
    h.fake.store.readOnlyRoot = StoreRoot::LocalMachine;
    userKey(h)[InstallerLanguageValue] = std::string("1031");
    h.stored()["FontName"] = std::string("Georgia");
    h.start();
    EXPECT_EQ(h.program.texts.MonitorWord, "Bildschirm");
    EXPECT_EQ(h.settings().FontName(), "Georgia");
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST(LanguageSetupTest, AShortFileReadsCommentMarksFromItsEndOn) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("1036");
    h.fake.files.files[LanguageFolder + "french.txt"] = numberedFile(50);
    h.start();
    // Lines 0 to 49 are applied...
    EXPECT_EQ(h.program.texts.MenuStop, "T10");
    EXPECT_EQ(h.main().TrayIcon1.ToolTip(), "T21");
    EXPECT_EQ(h.config().caption, "T23");
    EXPECT_EQ(h.config().cbZSize.caption, "T49");
    // ...and from line 50 on every text is "#".
    EXPECT_EQ(h.program.texts.MonitorWord, "#");
    EXPECT_EQ(h.config().ComboBox1.items().front(), "1. # (1024 x 768 Pixel)");
    EXPECT_EQ(h.config().Button9.caption, "#");
    EXPECT_EQ(h.config().Button10.caption, "#");
    EXPECT_EQ(h.config().Label13.caption(), "#");
    EXPECT_EQ(h.config().GroupBoxColoursCaption, " #  ");
    EXPECT_EQ(h.config().GroupBoxDisplayCaption, " #  ");
}

TEST(LanguageSetupTest, LinesAfterTheLastTextHaveNoEffect) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("1040");
    std::string content = numberedFile(77);
    for (int n = 77; n < 120; ++n) content += "&Override" + std::to_string(n) + "\n";
    h.fake.files.files[LanguageFolder + "italian.txt"] = content;
    h.start();
    EXPECT_EQ(h.config().Button10.caption, "T76");
    EXPECT_EQ(h.program.texts.MonitorWord, "T60");
    EXPECT_EQ(h.config().ComboBox1.items().front(), "1. T60 (1024 x 768 Pixel)");
}

TEST(LanguageSetupTest, ATextThatStartsWithACommentMarkIsShownWithIt) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("1053");
    std::vector<std::string> lines(germanLanguageTable().lines);
    lines[60] = "# Sk\xC3\xA4rm";
    lines[23] = "#";
    std::string content;
    for (const auto& line : lines) content += line + "\n";
    h.fake.files.files[LanguageFolder + "swedish.txt"] = content;
    h.start();
    EXPECT_EQ(h.program.texts.MonitorWord, "# Sk\xC3\xA4rm");
    EXPECT_EQ(h.config().caption, "#");
    EXPECT_EQ(h.config().ComboBox1.items().front(), "1. # Sk\xC3\xA4rm (1024 x 768 Pixel)");
}

TEST(LanguageSetupTest, AFileInTheLanguagesCodePageIsConverted) {
    ProgramHarness h;
    h.start();  // nothing recorded yet: English
    machineKey(h)[InstallerLanguageValue] = std::string("1049");
    std::vector<std::string> lines(78, "x");
    lines[60] = "\xCC\xEE\xED\xE8\xF2\xEE\xF0";  // "Монитор" in Windows-1251
    lines[76] = "\xCE\xF2\xEC\xE5\xED\xE0";      // "Отмена"
    std::string content;
    for (const auto& line : lines) content += line + "\r\n";
    h.fake.files.files[LanguageFolder + "russian.txt"] = content;
    fake::FakeTextConverter converter;
    setUpLanguage(h.program, converter);
    EXPECT_EQ(h.program.texts.MonitorWord, "\xD0\x9C\xD0\xBE\xD0\xBD\xD0\xB8\xD1\x82\xD0\xBE\xD1\x80");
    EXPECT_EQ(h.config().Button10.caption, "\xD0\x9E\xD1\x82\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB0");
    ASSERT_FALSE(converter.requests.empty());
    EXPECT_EQ(converter.requests.front().codePage, "CP1251");
}

// --- Where each line goes ---

TEST(ApplyLanguageTextsTest, PutsEveryLineInItsPlace) {
    ProgramHarness h;
    h.start();
    LanguageTable table;
    for (int n = 0; n < 99; ++n) table.lines.push_back("L" + std::to_string(n));
    ApplyLanguageTexts(h.program, table);

    TfrmSlv17k30Main& m = h.main();
    TfrmConfig& c = h.config();
    const UiTexts& t = h.program.texts;
    struct Target {
        int line;
        std::function<std::string()> read;
        bool framed = false;
    };
    const Target targets[] = {
        {9, [&] { return t.MenuStart; }},
        {10, [&] { return t.MenuStop; }},
        {10, [&] { return m.StartStopp1.caption(); }},
        {11, [&] { return m.Affirmationen1.caption(); }},
        {12, [&] { return m.FarbeSchrift1.caption(); }},
        {13, [&] { return m.Anzeige1.caption(); }},
        {14, [&] { return m.Hilfe1.caption(); }},
        {15, [&] { return m.OnlineTutorials1.caption(); }},
        {16, [&] { return m.About1.caption(); }},
        {17, [&] { return m.Verstecken1.caption(); }},
        {18, [&] { return m.Beenden1.caption(); }},
        {20, [&] { return t.TipStart; }},
        {21, [&] { return t.TipStop; }},
        {21, [&] { return m.TrayIcon1.ToolTip(); }},
        {23, [&] { return c.caption; }},
        {75, [&] { return c.Button9.caption; }},
        {76, [&] { return c.Button10.caption; }},
        {25, [&] { return c.tabCaption[1]; }},
        {25, [&] { return c.GroupBoxAffirmationsCaption; }, true},
        {26, [&] { return c.Label16.caption(); }},
        {27, [&] { return t.DefaultAffirmation; }},
        {44, [&] { return c.tabCaption[2]; }},
        {45, [&] { return c.GroupBoxPreviewCaption; }, true},
        {46, [&] { return c.GroupBoxFontCaption; }, true},
        {47, [&] { return c.Button6.caption; }},
        {48, [&] { return c.cbZSchriftart.caption; }},
        {49, [&] { return c.cbZSize.caption; }},
        {50, [&] { return c.GroupBoxColoursCaption; }, true},
        {51, [&] { return c.Button3.caption; }},
        {52, [&] { return c.Button4.caption; }},
        {53, [&] { return c.Button2.caption; }},
        {54, [&] { return c.cbZSFarbe.caption; }},
        {54, [&] { return c.cbZKFarbe.caption; }},
        {54, [&] { return c.cbZFarbe.caption; }},
        {55, [&] { return c.cbSchatten.caption; }},
        {56, [&] { return c.cbKonturtransparenz.caption; }},
        {56, [&] { return c.cbTBack.caption; }},
        {58, [&] { return c.tabCaption[3]; }},
        {59, [&] { return c.GroupBoxDisplayCaption; }, true},
        {60, [&] { return t.MonitorWord; }},
        {61, [&] { return c.cbAutorun.caption; }},
        {62, [&] { return c.cbVersteckt.caption; }},
        {63, [&] { return c.Label14.caption(); }},
        {64, [&] { return c.Label32.caption(); }},
        {65, [&] { return c.Label33.caption(); }},
        {66, [&] { return c.cbVollbild.caption; }},
        {67, [&] { return c.cbMultiple.caption; }},
        {68, [&] { return c.Label13.caption(); }},
        {69, [&] { return c.Label12.caption(); }},
        {70, [&] { return c.Label20.caption(); }},
        {71, [&] { return c.Label21.caption(); }},
        {72, [&] { return c.cbStartWithPause.caption; }},
        {73, [&] { return c.cbSCRPause.caption; }},
    };
    for (const Target& target : targets) {
        const std::string line = "L" + std::to_string(target.line);
        EXPECT_EQ(target.read(), target.framed ? " " + line + "  " : line) << "line " << target.line;
    }
    // Neither the Links, About and Thanks tabs nor the web pages come from a table.
    EXPECT_EQ(c.tabCaption[0], "Links");
    EXPECT_EQ(c.tabCaption[4], "About");
    EXPECT_EQ(c.tabCaption[5], "Thanks");
    EXPECT_EQ(t.pages.ProductPage, "file:///opt/solvane/bin/pages/en/product.html");
}

TEST(ApplyLanguageTextsTest, EqualStartAndStopTextsKeepTheEnglishPairSoTheCycleCanBeStartedAgain) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("1036");
    h.fake.files.files[LanguageFolder + "french.txt"] = numberedFile(9);  // lines 9 and 10 both read "#"
    h.start();
    EXPECT_EQ(h.program.texts.MenuStart, "&Start");
    EXPECT_EQ(h.program.texts.MenuStop, "&Stop");
    EXPECT_EQ(h.main().Affirmationen1.caption(), "#");
    ASSERT_TRUE(h.main().running());
    h.main().StartStopp1Click();
    EXPECT_FALSE(h.main().running());
    h.main().StartStopp1Click();
    EXPECT_TRUE(h.main().running());
}

TEST(ApplyLanguageTextsTest, TheTranslatedStartStopItemStillSwitchesTheCycle) {
    ProgramHarness h;
    machineKey(h)[InstallerLanguageValue] = std::string("1031");
    h.start();
    ASSERT_TRUE(h.main().running());
    h.main().StartStopp1Click();
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Start");
    EXPECT_EQ(h.main().TrayIcon1.ToolTip(), "Linksklick: Start / Rechtsklick: Men\xC3\xBC");
    EXPECT_FALSE(h.main().running());
    h.main().StartStopp1Click();
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Stopp");
    EXPECT_TRUE(h.main().running());
}

TEST(LanguageSetupTest, ArabicHebrewAndFarsiMirrorTheInterfaceOnlyWhenTheirTextsAreRead) {
    struct Case {
        const char* identifier;
        const char* file;  // nothing: no language file is shipped
        bool mirrored;
    };
    const Case cases[] = {{"1025", "arabic.txt", true},  {"1037", "hebrew.txt", true}, {"1065", "farsi.txt", true},
                          {"1036", "french.txt", false}, {"1025", nullptr, false},     {"1031", nullptr, false}};
    for (const Case& c : cases) {
        ProgramHarness h;
        machineKey(h)[InstallerLanguageValue] = std::string(c.identifier);
        if (c.file) h.fake.files.files[LanguageFolder + c.file] = numberedFile(78, "t:");
        h.start();
        EXPECT_EQ(h.program.texts.RightToLeft, c.mirrored) << c.identifier;
        EXPECT_EQ(h.main().rightToLeft(), c.mirrored) << c.identifier;
        EXPECT_EQ(h.config().rightToLeft(), c.mirrored) << c.identifier;
    }
}

}  // namespace
}  // namespace solvane
