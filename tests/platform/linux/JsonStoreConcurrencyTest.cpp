#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "TempXdgEnvironment.h"
#include "platform/linux/JsonKeyStore.h"

namespace solvane::linuxos {
namespace {

constexpr int rounds = 150;

TEST(JsonStoreConcurrencyTest, TwoProcessesSavingAtOnceNeverLeaveAnUnreadableFileNorLoseValues) {
    testing::TempXdgEnvironment xdg;
    const QString file = xdg.path("config/Marwick/Marwick's Solvane.json");
    QProcess first;
    QProcess second;
    first.start(QStringLiteral(STORE_STRESS_WRITER), {QStringLiteral("a"), QString::number(rounds)});
    second.start(QStringLiteral(STORE_STRESS_WRITER), {QStringLiteral("b"), QString::number(rounds)});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(second.waitForStarted());

    // Meanwhile read the file as often as possible: every version must be a whole object.
    JsonKeyStore store;
    int reads = 0;
    const QDeadlineTimer deadline(std::chrono::seconds(120));
    while ((first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) &&
           !deadline.hasExpired()) {
        QFile current(file);
        if (current.open(QIODevice::ReadOnly)) {
            QJsonParseError error{};
            const QJsonDocument document = QJsonDocument::fromJson(current.readAll(), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << "read " << reads;
            ASSERT_TRUE(document.isObject());
            ++reads;
        }
        store.open(platform::StoreRoot::CurrentUser, "Software\\Marwick\\Marwick's Solvane")->valueExists("Last");
        first.waitForFinished(1);
        second.waitForFinished(1);
    }
    ASSERT_EQ(first.state(), QProcess::NotRunning);
    ASSERT_EQ(second.state(), QProcess::NotRunning);
    EXPECT_EQ(first.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_GT(reads, 0);

    auto key = store.open(platform::StoreRoot::CurrentUser, "Software\\Marwick\\Marwick's Solvane");
    ASSERT_NE(key, nullptr);
    for (const std::string tag : {"a", "b"}) {
        ASSERT_TRUE(key->valueExists(tag + "-count"));
        EXPECT_EQ(key->readInteger(tag + "-count"), rounds);
        for (int round = 0; round < rounds; ++round) {
            const std::string name = tag + "-" + std::to_string(round);
            ASSERT_TRUE(key->valueExists(name)) << name << " was lost";
            ASSERT_EQ(key->readInteger(name), round) << name;
        }
    }
    const std::string last = key->readText("Last");
    EXPECT_TRUE(last == "a " + std::to_string(rounds - 1) || last == "b " + std::to_string(rounds - 1)) << last;
    // Nothing was ever found broken and set aside, and no lock or temporary file remains.
    EXPECT_EQ(QDir(xdg.path("config/Marwick")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({QStringLiteral("Marwick's Solvane.json")}));
}

}  // namespace
}  // namespace solvane::linuxos
