// The settings load and save of the core over the real JSON store, the way a person
// editing the settings file by hand meets them.
#include <gtest/gtest.h>

#include <QDir>
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

namespace solvane::platform {
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
    Platform services{fake.loop,      fake.loop,      store,           fake.monitors, fake.fonts, fake.screenSaver,
                      fake.memory,    fake.processes, fake.shell,      fake.instances, fake.files, fake.autostart,
                      fake.errors,    fake.clock,     fake.windows,    fake.text,
                      fake.locale};
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
    writeSettings(R"({"KonturColor": 255, "FontSize": true, "Monitor": 0, "Schatten": 1, "Autorun": 0, "Anzeige": 4000})");
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

}  // namespace
}  // namespace solvane::platform
