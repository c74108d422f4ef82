// The settings load and save of the core over the real JSON store, the way a person
// editing the settings file by hand meets them.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "TempXdgEnvironment.h"
#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "platform/fake/FakePlatform.h"
#include "platform/linux/JsonKeyStore.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace solvane::linuxos {
namespace {

class JsonSettingsLoadTest : public ::testing::Test {
protected:
    QString settingsFile() const { return xdg.path("config/Marwick/Marwick's Solvane.json"); }

    void writeSettings(const QByteArray& json) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(settingsFile()).absolutePath()));
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(json);
    }

    QJsonObject storedSettings() const {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
    }

    Settings settings() { return program.settings(); }

    testing::TempXdgEnvironment xdg;
    fake::FakePlatform fake;
    JsonKeyStore store;
    platform::Platform services{fake.loop,   fake.loop,      store,        fake.monitors,  fake.fonts, fake.screenSaver,
                                fake.memory, fake.processes, fake.shell,   fake.instances, fake.files, fake.autostart,
                                fake.errors, fake.clock,     fake.windows, fake.text,      fake.locale};
    Program program{services, CommandLine{}};
};

TEST_F(JsonSettingsLoadTest, FlagsWrittenAsTrueOrFalseReadAsSetOrUnset) {
    writeSettings(R"({"Autorun": false, "AutorunVersteckt": true, "Schatten": true, "HintergrundTransparent": false,
                      "MultipleAffirmationen": true, "VollBild": 1, "AnzeigeIntervall": 30, "Anzeige": 4000})");
    program.createWindows();
    EXPECT_FALSE(settings().Autorun());
    EXPECT_FALSE(program.config().cbVersteckt.enabled());
    EXPECT_TRUE(settings().AutorunVersteckt());
    EXPECT_TRUE(settings().Schatten());
    EXPECT_FALSE(settings().HintergrundTransparent());
    EXPECT_TRUE(settings().MultipleAffirmationen());
    EXPECT_TRUE(settings().VollBild());
    // The load ran to its end.
    EXPECT_EQ(settings().AnzeigeIntervall(), 30);
    EXPECT_EQ(settings().Anzeige(), 4000);
    EXPECT_EQ(fake.loop.totalSleptMs(), 0);

    // A save writes every flag back as the number it stands for.
    SaveSettings(program);
    const QJsonObject stored = storedSettings();
    EXPECT_EQ(stored.value("Autorun"), QJsonValue(0));
    EXPECT_EQ(stored.value("Schatten"), QJsonValue(1));
    EXPECT_EQ(stored.value("HintergrundTransparent"), QJsonValue(0));
    EXPECT_FALSE(fake.autostart.command.has_value());
}

TEST_F(JsonSettingsLoadTest, TrueInANumberIsAValueOfTheWrongTypeAndTheLaterValuesKeepTheirDefaults) {
    // FontSize is read before the monitor list, the flags and the times.
    writeSettings(
        R"({"KonturColor": 255, "FontSize": true, "Monitor": 0, "Schatten": 1, "Autorun": 0, "Anzeige": 4000})");
    program.createWindows();
    EXPECT_EQ(fake.loop.totalSleptMs(), 9);     // the load stopped
    EXPECT_EQ(settings().KonturColor(), 255u);  // read before the bad value
    EXPECT_EQ(settings().FontSize(), 27);
    EXPECT_FALSE(settings().Schatten());
    EXPECT_TRUE(settings().Autorun());
    EXPECT_EQ(settings().Anzeige(), 2700);
    EXPECT_EQ(settings().Monitor(), 0);

    // The next save replaces the boolean by the number in use.
    SaveSettings(program);
    const QJsonObject stored = storedSettings();
    EXPECT_EQ(stored.value("FontSize"), QJsonValue(27));
    EXPECT_EQ(stored.value("Anzeige"), QJsonValue(2700));
    EXPECT_EQ(stored.value("Autorun"), QJsonValue(1));
}

// Faults a settings file meets in the field: one bad byte, a lock left by a killed save.

TEST_F(JsonSettingsLoadTest, InvalidUtf8InTheAffirmationKeepsEveryOtherSetting) {
    const QByteArray original =
        "{\"FontName\": \"Arial\", \"FontSize\": 40, \"Schatten\": 1, "
        "\"EinzelAffirmation\": \"Ich schaffe es \xfc"
        "berall\", "
        "\"MultipleAffirmationenAnzahl\": \"07\", \"AnzeigeIntervall\": 30, "
        "\"Anzeige\": 4000, \"Autorun\": 0}";
    writeSettings(original);
    program.createWindows();
    EXPECT_EQ(QString::fromStdString(settings().EinzelAffirmation()),
              QStringLiteral("Ich schaffe es ") + QChar(0xFFFD) + QStringLiteral("berall"));
    EXPECT_EQ(settings().FontName(), "Arial");
    EXPECT_EQ(settings().FontSize(), 40);
    EXPECT_TRUE(settings().Schatten());
    EXPECT_EQ(settings().MultipleAffirmationenAnzahl(), "07");
    EXPECT_EQ(settings().AnzeigeIntervall(), 30);
    EXPECT_EQ(settings().Anzeige(), 4000);
    EXPECT_FALSE(settings().Autorun());

    SaveSettings(program);
    const QJsonObject stored = storedSettings();
    EXPECT_EQ(stored.value("FontName"), QJsonValue("Arial"));
    EXPECT_EQ(stored.value("Anzeige"), QJsonValue(4000));
    EXPECT_EQ(stored.value("Autorun"), QJsonValue(0));
    // The file as it was stays beside the new one.
    const QStringList aside = QDir(QFileInfo(settingsFile()).absolutePath())
                                  .entryList({QStringLiteral("Marwick's Solvane.json.corrupt-*")}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(settingsFile()).absolutePath() + QLatin1Char('/') + aside.first());
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), original);
}

TEST_F(JsonSettingsLoadTest, AnEmptyLockFileLeftBehindDoesNotHoldUpTheSave) {
    writeSettings(R"({"Anzeige": 4000})");
    program.createWindows();
    QFile lock(settingsFile() + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));  // as a save killed just after creating it leaves it
    lock.close();
    program.config().tbAnzeige.setPosition(5000);

    QElapsedTimer clock;
    clock.start();
    SaveSettings(program);
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(storedSettings().value("Anzeige"), QJsonValue(5000));
    EXPECT_FALSE(lock.exists());
}

}  // namespace
}  // namespace solvane::linuxos
