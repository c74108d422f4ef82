#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

std::int32_t storedInteger(ProgramHarness& h, const std::string& name) {
    return std::get<std::int32_t>(h.stored().at(name));
}
std::string storedText(ProgramHarness& h, const std::string& name) {
    return std::get<std::string>(h.stored().at(name));
}

TEST(LoadSettingsTest, NothingStoredGivesTheDefaults) {
    ProgramHarness h;
    h.start();
    const Settings s = h.settings();
    EXPECT_EQ(s.FontName(), "Verdana");
    EXPECT_EQ(s.FontSize(), 27);
    EXPECT_EQ(s.FontStyle(), 0);
    EXPECT_EQ(s.FontColor(), 0x000000u);
    EXPECT_EQ(s.KonturColor(), 0xFFFFFFu);
    EXPECT_EQ(s.BackColor(), 0xFFFFFFu);
    EXPECT_TRUE(s.HintergrundTransparent());
    EXPECT_TRUE(s.Autorun());
    EXPECT_EQ(s.Anzeige(), 2700);
    EXPECT_EQ(s.AnzeigeIntervall(), 18);
    EXPECT_EQ(s.MultipleAffirmationenAnzahl(), "03");
    EXPECT_EQ(s.EinzelAffirmation(), "I know what I love to do and I do it.");
    EXPECT_EQ(s.Monitor(), 0);
    for (bool flag : {s.MultipleAffirmationen(), s.VollBild(), s.ZufallsSchriftart(), s.StartWithPause(), s.SCRPause(),
                      s.ZufallsGroesse(), s.ZufallsSchriftFarbe(), s.Schatten(), s.AutorunVersteckt(),
                      s.ZufallsKonturFarbe(), s.Konturtransparenz(), s.ZufallsHintergrundFarbe()}) {
        EXPECT_FALSE(flag);
    }
    // The page shows the loaded times in plain decimal, the count field greyed out.
    EXPECT_EQ(h.config().Edit1.text(), "2");
    EXPECT_EQ(h.config().Edit4.text(), "700");
    EXPECT_EQ(h.config().Edit3.text(), "0");
    EXPECT_EQ(h.config().Edit2.text(), "18");
    EXPECT_FALSE(h.config().Edit8.enabled());
    EXPECT_TRUE(h.config().cbVersteckt.enabled());
    // The timers run with the loaded times.
    EXPECT_EQ(h.hint().DisplayTimer.interval(), 2700);
    EXPECT_EQ(h.config().PauseTimer.interval(), 18000);
    EXPECT_TRUE(h.config().PauseTimer.enabled());
    EXPECT_EQ(h.config().Label1.font(), (FontSpec{"Verdana", 27, 0, 0}));
    EXPECT_EQ(h.config().Edit6.text(), "Verdana");
}

TEST(LoadSettingsTest, ClampsTimesIntoTheBarsRanges) {
    struct Case {
        std::int32_t anzeige, intervall, expectedAnzeige, expectedIntervall;
    };
    for (const Case& c : {Case{20, 0, 50, 5}, Case{100000, 9000, 59999, 5999}, Case{-5, -5, 50, 5}}) {
        ProgramHarness h;
        h.stored()["Anzeige"] = c.anzeige;
        h.stored()["AnzeigeIntervall"] = c.intervall;
        h.start();
        EXPECT_EQ(h.settings().Anzeige(), c.expectedAnzeige);
        EXPECT_EQ(h.settings().AnzeigeIntervall(), c.expectedIntervall);
        SaveSettings(h.program);
        EXPECT_EQ(storedInteger(h, "Anzeige"), c.expectedAnzeige);
        EXPECT_EQ(storedInteger(h, "AnzeigeIntervall"), c.expectedIntervall);
    }
}

TEST(LoadSettingsTest, MonitorOutsideTheListSelectsTheFirstAndIsSavedAsZero) {
    for (std::int32_t stored : {2, -1, 7}) {
        ProgramHarness h;
        h.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
        h.stored()["Monitor"] = stored;
        h.start();
        EXPECT_EQ(h.config().ComboBox1.items(),
                  (std::vector<std::string>{"1. Monitor (1024 x 768 Pixel)", "2. Monitor (1280 x 1024 Pixel)"}));
        EXPECT_EQ(h.settings().Monitor(), 0);
        SaveSettings(h.program);
        EXPECT_EQ(storedInteger(h, "Monitor"), 0);
    }
    ProgramHarness second;
    second.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
    second.stored()["Monitor"] = 1;
    second.start();
    EXPECT_EQ(second.settings().Monitor(), 1);
}

TEST(LoadSettingsTest, AWrongTypedValueEndsStageOneButNotStageTwo) {
    ProgramHarness h;
    h.stored()["AnzeigeIntervall"] = 30;
    h.stored()["Anzeige"] = std::string("3000");  // a number stored as text
    h.stored()["AffirmationenDisplayCounter"] = 41;
    h.start();
    // Everything before the bad value was read...
    EXPECT_EQ(h.settings().AnzeigeIntervall(), 30);
    // ...the bar keeps its previous position (on the first load its default), and
    // neither timer took the loaded times.
    EXPECT_EQ(h.settings().Anzeige(), 2700);
    EXPECT_EQ(h.hint().DisplayTimer.interval(), 1000);  // still the interval it was created with
    EXPECT_EQ(h.config().PauseTimer.interval(), 30000);
    EXPECT_EQ(h.loop().totalSleptMs(), 9);
    // Stage two still ran.
    EXPECT_EQ(h.hint().AffirmationenDisplayCounter, 41);
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST(LoadSettingsTest, AWrongTypedFlagStopsTheLoadAtThatFlag) {
    ProgramHarness h;
    h.stored()["ZufallsSchriftart"] = fake::OtherType{};
    h.stored()["Schatten"] = 1;
    h.stored()["Autorun"] = 0;
    h.start();
    EXPECT_FALSE(h.settings().Schatten());          // never reached
    EXPECT_TRUE(h.settings().Autorun());            // the dialog's initial state, the default, stays
    EXPECT_EQ(h.settings().FontName(), "Verdana");  // read before the bad value
}

TEST(LoadSettingsTest, AWrongTypedFirstValueStillLeavesAWorkingProgramThatStoresTheDefaults) {
    // What a first start with nothing stored saves on Exit.
    ProgramHarness clean;
    clean.start();
    clean.main().Beenden1.userClick();
    const fake::FakeKeyStore::Key defaults = clean.stored();

    for (const char* first : {"FontStyle", "FontColor"}) {
        SCOPED_TRACE(first);
        ProgramHarness h;
        h.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
        h.stored()[first] = std::string("red");  // read before the monitor list is built
        h.start();
        // The monitor list is there and the first monitor chosen, so affirmations show.
        EXPECT_EQ(h.config().ComboBox1.items().size(), 2u);
        EXPECT_EQ(h.settings().Monitor(), 0);
        EXPECT_EQ(h.loop().totalSleptMs(), 9);  // the load did stop
        EXPECT_TRUE(h.runUntilShown(30'000));

        h.main().Beenden1.userClick();
        // Every value the load never reached is stored as its default, not a placeholder.
        EXPECT_EQ(storedInteger(h, "Monitor"), 0);
        EXPECT_EQ(storedInteger(h, "Autorun"), 1);
        EXPECT_EQ(storedInteger(h, "Anzeige"), 2700);
        EXPECT_EQ(storedInteger(h, "AnzeigeIntervall"), 18);
        fake::FakeKeyStore::Key stored = h.stored();
        stored.erase("AffirmationenDisplayCounter");  // this run has shown one affirmation
        fake::FakeKeyStore::Key expected = defaults;
        expected.erase("AffirmationenDisplayCounter");
        EXPECT_EQ(stored, expected);
        EXPECT_EQ(h.fake.autostart.command, "/opt/solvane/bin/solvane start");
    }
}

TEST(LoadSettingsTest, ALaterLoadStoppedBeforeTheMonitorListStillRebuildsItAndKeepsTheChoice) {
    ProgramHarness h;
    h.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
    h.stored()["Monitor"] = 1;
    h.start();
    ASSERT_EQ(h.settings().Monitor(), 1);
    h.fake.monitors.monitors.push_back({2304, 0, 800, 600});  // a monitor plugged in since
    h.stored()["FontColor"] = std::string("red");
    h.config().show();
    h.config().Button10.userClick();  // Cancel loads the stored values again
    EXPECT_EQ(h.config().ComboBox1.items().size(), 3u);
    EXPECT_EQ(h.config().ComboBox1.items()[2], "3. Monitor (800 x 600 Pixel)");
    EXPECT_EQ(h.settings().Monitor(), 1);
}

TEST(LoadSettingsTest, AWrongTypedCounterIsReportedAndTheLoadGoesOn) {
    ProgramHarness h;
    h.stored()["ZufallsSchriftart"] = 1;
    h.stored()["AffirmationenDisplayCounter"] = std::string("many");
    h.stored()["FontReihenfolgePosition"] = 2;
    h.fake.files.files[h.fake.files.fontListPath()] = "A\r\nB\r\nC\r\nD\r\n";
    h.start();
    ASSERT_EQ(h.fake.errors.reports.size(), 1u);
    EXPECT_EQ(h.fake.errors.reports[0].title, "Solvane Premium");
    EXPECT_EQ(h.hint().AffirmationenDisplayCounter, 0);
    // The font order was still taken over.
    EXPECT_EQ(h.hint().catalogue.entries, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(h.hint().catalogue.position, 2);
}

TEST(LoadSettingsTest, TheCounterIsSignExtendedAndSavedAsItsLow32Bits) {
    ProgramHarness h;
    h.stored()["AffirmationenDisplayCounter"] = -2;
    h.start();
    EXPECT_EQ(h.hint().AffirmationenDisplayCounter, -2);
    h.hint().AffirmationenDisplayCounter = 0x1'0000'0005LL;
    SaveSettings(h.program);
    EXPECT_EQ(storedInteger(h, "AffirmationenDisplayCounter"), 5);
}

TEST(LoadSettingsTest, TakesOverTheFontOrderFileOnlyWithRandomFontsOn) {
    const std::string content = "Alpha\r\nBeta\r\nGamma\r\n";
    {
        ProgramHarness h;
        h.stored()["ZufallsSchriftart"] = 1;
        h.stored()["FontReihenfolgePosition"] = 1;
        h.fake.files.files[h.fake.files.fontListPath()] = content;
        h.start();
        EXPECT_EQ(h.hint().catalogue.entries, (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
        EXPECT_EQ(h.hint().catalogue.position, 1);
        EXPECT_FALSE(h.fake.files.exists(h.fake.files.fontListPath()));
    }
    {
        ProgramHarness h;  // random fonts off: the file is neither read nor deleted
        h.stored()["FontReihenfolgePosition"] = 1;
        h.fake.files.files[h.fake.files.fontListPath()] = content;
        h.start();
        EXPECT_EQ(h.hint().catalogue.position, 0);
        EXPECT_TRUE(h.fake.files.exists(h.fake.files.fontListPath()));
        EXPECT_EQ(h.hint().catalogue.entries.size(), 3u);  // built from the installed fonts
    }
    {
        ProgramHarness h;  // random fonts on, file unreadable: the catalogue in memory stays
        h.stored()["ZufallsSchriftart"] = 1;
        h.stored()["FontReihenfolgePosition"] = 2;
        h.fake.files.files[h.fake.files.fontListPath()] = content;
        h.fake.files.unreadable.push_back(h.fake.files.fontListPath());
        h.start();
        EXPECT_EQ(h.hint().catalogue.position, 0);
        EXPECT_EQ(h.hint().catalogue.entries.size(), 3u);
    }
}

TEST(LoadSettingsTest, ReadsEveryValueInItsOrder) {
    ProgramHarness h;
    h.start();
    SaveSettings(h.program);  // every value there, so that every value is read
    h.stored()["ZufallsSchriftart"] = 1;
    h.fake.files.files[h.fake.files.fontListPath()] = "A\r\nB\r\n";  // with it, the font position is read too
    h.fake.store.readLog.clear();
    LoadSettings(h.program);
    const std::vector<std::string> expected{
        "FontStyle", "FontColor", "KonturColor", "BackColor", "FontSize", "ReihenfolgePosition", "Monitor", "FontName",
        "ZufallsSchriftart", "Autorun", "AutorunVersteckt", "StartWithPause", "SCRPause", "ZufallsGroesse",
        "HintergrundTransparent", "MultipleAffirmationen", "VollBild", "MultipleAffirmationenAnzahl",
        "ZufallsSchriftFarbe", "Schatten", "ZufallsKonturFarbe", "Konturtransparenz", "ZufallsHintergrundFarbe",
        "EinzelAffirmation", "AnzeigeIntervall", "Anzeige",
        // The second stage: the affirmation window's own values.
        "AffirmationenDisplayCounter", "FontReihenfolgePosition"};
    EXPECT_EQ(h.fake.store.readLog, expected);
}

TEST(SaveSettingsTest, WritesEveryValueInItsOrder) {
    ProgramHarness h;
    h.start();
    h.fake.store.writeLog.clear();
    SaveSettings(h.program);
    const std::vector<std::string> expected{"FontStyle",
                                            "FontColor",
                                            "KonturColor",
                                            "BackColor",
                                            "FontSize",
                                            "ReihenfolgePosition",
                                            "Monitor",
                                            "FontName",
                                            "ListFile",
                                            "EinzelAffirmation",
                                            "MultipleAffirmationen",
                                            "VollBild",
                                            "MultipleAffirmationenAnzahl",
                                            "ZufallsSchriftart",
                                            "FontReihenfolgePosition",
                                            "AffirmationenDisplayCounter",
                                            "StartWithPause",
                                            "SCRPause",
                                            "ZufallsGroesse",
                                            "HintergrundTransparent",
                                            "ZufallsSchriftFarbe",
                                            "Schatten",
                                            "Autorun",
                                            "AutorunVersteckt",
                                            "ZufallsKonturFarbe",
                                            "Konturtransparenz",
                                            "ZufallsHintergrundFarbe",
                                            "AnzeigeIntervall",
                                            "Anzeige"};
    EXPECT_EQ(h.fake.store.writeLog, expected);
    EXPECT_EQ(storedText(h, "ListFile"), "");
    EXPECT_EQ(storedInteger(h, "HintergrundTransparent"), 1);
    EXPECT_EQ(storedInteger(h, "Autorun"), 1);
    EXPECT_EQ(storedText(h, "MultipleAffirmationenAnzahl"), "03");
    // The first save after a first start writes the log-on entry.
    EXPECT_EQ(h.fake.autostart.command, "/opt/solvane/bin/solvane start");
}

TEST(SaveSettingsTest, KeepsUntouchedValuesAndTheTextAsTyped) {
    ProgramHarness h;
    h.stored()["ReihenfolgePosition"] = 77;
    h.stored()["MultipleAffirmationenAnzahl"] = std::string("0007");
    h.stored()["EinzelAffirmation"] = std::string("Ich bin <b>ruhig</b> & stark");
    h.start();
    SaveSettings(h.program);
    EXPECT_EQ(storedInteger(h, "ReihenfolgePosition"), 77);
    EXPECT_EQ(storedText(h, "MultipleAffirmationenAnzahl"), "0007");
    EXPECT_EQ(storedText(h, "EinzelAffirmation"), "Ich bin <b>ruhig</b> & stark");
}

TEST(SaveSettingsTest, AFailingWriteEndsTheSaveAndLaterValuesKeepTheirStoredContents) {
    ProgramHarness h;
    h.start();
    h.stored()["Anzeige"] = 1234;
    h.fake.store.failWriteOf = "Schatten";
    SaveSettings(h.program);
    EXPECT_EQ(storedInteger(h, "SCRPause"), 0);  // written before the failure
    EXPECT_EQ(h.stored().count("Autorun"), 0u);  // after it: never written
    EXPECT_EQ(storedInteger(h, "Anzeige"), 1234);
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST(SaveSettingsTest, AnUnopenableKeyLoadsDefaultsAndSavesNothing) {
    ProgramHarness h;
    h.fake.store.failOpen = true;
    h.start();
    EXPECT_EQ(h.settings().Anzeige(), 2700);
    SaveSettings(h.program);
    EXPECT_TRUE(h.fake.store.writeLog.empty());
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST(SaveSettingsTest, WritesTheFontOrderFileOnlyWithRandomFontsOn) {
    ProgramHarness h;
    h.start();
    SaveSettings(h.program);
    EXPECT_FALSE(h.fake.files.exists(h.fake.files.fontListPath()));
    h.config().cbZSchriftart.setChecked(true);
    SaveSettings(h.program);
    ASSERT_TRUE(h.fake.files.exists(h.fake.files.fontListPath()));
    EXPECT_EQ(FontCatalogue::parseText(h.fake.files.files[h.fake.files.fontListPath()]), h.hint().catalogue.entries);
}

TEST(StartupEntryTest, FollowsTheAutorunAndHideBoxesAtEachSave) {
    ProgramHarness h;
    h.start();
    h.config().cbVersteckt.setChecked(true);
    SaveSettings(h.program);
    EXPECT_EQ(h.fake.autostart.command, "/opt/solvane/bin/solvane hide");

    h.config().cbAutorun.setChecked(false);
    EXPECT_FALSE(h.config().cbVersteckt.enabled());
    EXPECT_TRUE(h.config().cbVersteckt.checked());
    SaveSettings(h.program);
    EXPECT_FALSE(h.fake.autostart.command.has_value());
    EXPECT_EQ(storedInteger(h, "AutorunVersteckt"), 1);
    SaveSettings(h.program);  // nothing to remove: the entry is left alone
    EXPECT_EQ(h.fake.autostart.removals, 1);
}

TEST(StartupEntryTest, AFailingEntryDoesNotStopTheSave) {
    ProgramHarness h;
    h.start();
    h.fake.autostart.failWrites = true;
    SaveSettings(h.program);
    EXPECT_EQ(storedInteger(h, "Anzeige"), 2700);
}

TEST(OkCancelTest, CancelLoadsTheStoredValuesBackAndOkStoresTheEdits) {
    ProgramHarness h;
    h.stored()["AffirmationenDisplayCounter"] = 10;
    h.start();
    h.config().show();
    h.config().Edit5.userType("Calm and clear");
    h.config().tbAnzeige.userMove(4000);
    h.hint().AffirmationenDisplayCounter = 13;
    h.config().Button10.userClick();  // Cancel
    EXPECT_FALSE(h.config().visible());
    EXPECT_EQ(h.settings().EinzelAffirmation(), "I know what I love to do and I do it.");
    EXPECT_EQ(h.settings().Anzeige(), 2700);
    EXPECT_EQ(h.hint().AffirmationenDisplayCounter, 10);

    h.config().show();
    h.config().Edit5.userType("Calm and clear");
    h.config().Button9.userClick();  // OK
    EXPECT_FALSE(h.config().visible());
    EXPECT_EQ(storedText(h, "EinzelAffirmation"), "Calm and clear");
    EXPECT_EQ(h.settings().EinzelAffirmation(), "Calm and clear");
}

}  // namespace
}  // namespace solvane
