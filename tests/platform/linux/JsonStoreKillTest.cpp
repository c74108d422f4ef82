// Saves killed at random moments: another process saves all settings again and again
// through the real store and is killed with SIGKILL; after each kill the file must hold
// one whole save, the next save must go through at once, and nothing the killed save
// left behind may remain. SOLVANE_KILL_ROUNDS sets the number of kills (200 by default;
// a run by hand may ask for 10000).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

#include "SavedGenerations.h"
#include "TempXdgEnvironment.h"
#include "platform/linux/JsonKeyStore.h"

namespace solvane::linuxos {
namespace {

using platform::testing::generationOf;
using platform::testing::saveGeneration;

int killRounds() {
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("SOLVANE_KILL_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : 200;
}

class JsonStoreKillTest : public ::testing::Test {
protected:
    QString settingsFile() const { return xdg.path("config/Marwick/Marwick's Solvane.json"); }

    // The generation of the whole save the file holds; nothing when it holds anything else.
    std::optional<std::int32_t> storedGeneration() const {
        QFile file(settingsFile());
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
        return generationOf(document.object());
    }

    QStringList settingsFolder() const {
        return QDir(xdg.path("config/Marwick")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    testing::TempXdgEnvironment xdg;
    JsonKeyStore store;
};

TEST_F(JsonStoreKillTest, ASaveKilledAtAnyMomentLeavesOneWholeSaveAndHoldsUpNoLaterSave) {
    const int rounds = killRounds();
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    // A save takes about a millisecond; the kills fall anywhere in the next few saves.
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);

    std::int32_t lastOwnSave = -1;
    saveGeneration(store, lastOwnSave);
    constexpr std::int32_t generationsPerRound = 1'000'000;
    int killedInTheMiddleOfASave = 0;
    int leftAnEmptyLock = 0;
    int leftACopy = 0;
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::int32_t firstOfRound = round % 2000 * generationsPerRound;
        QProcess saver;
        saver.start(QStringLiteral(STORE_KILL_SAVER), {QString::number(firstOfRound)});
        ASSERT_TRUE(saver.waitForReadyRead(10'000)) << "the saving process did not start";
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10'000));

        const std::optional<std::int32_t> killed = storedGeneration();
        ASSERT_TRUE(killed.has_value()) << "the file does not hold one whole save";
        ASSERT_TRUE(*killed == lastOwnSave || (*killed >= firstOfRound && *killed < firstOfRound + generationsPerRound))
            << "the file holds generation " << *killed;
        // What the kill left: its lock (empty when it fell just after the lock was made), its copy.
        const QStringList left = settingsFolder();
        killedInTheMiddleOfASave += left.size() > 1;
        const QString lockFile = settingsFile() + QStringLiteral(".lock");
        leftAnEmptyLock += QFileInfo::exists(lockFile) && QFileInfo(lockFile).size() == 0;
        leftACopy += std::any_of(left.cbegin(), left.cend(), [](const QString& name) {
            return name.startsWith(QStringLiteral("Marwick's Solvane.json.saving-"));
        });

        lastOwnSave = -2 - round;
        QElapsedTimer clock;
        clock.start();
        saveGeneration(store, lastOwnSave);
        EXPECT_LT(clock.elapsed(), 500) << "the save after the kill was held up";
        ASSERT_EQ(storedGeneration(), lastOwnSave) << "the save after the kill was not made";
        ASSERT_EQ(settingsFolder(), QStringList({QStringLiteral("Marwick's Solvane.json")}))
            << "the killed save left files behind";
    }
    // Most kills fell in the middle of a save, not between two.
    EXPECT_GT(killedInTheMiddleOfASave, rounds / 2);
    std::printf("%d kills: %d in the middle of a save, %d left an empty lock, %d a temporary copy\n", rounds,
                killedInTheMiddleOfASave, leftAnEmptyLock, leftACopy);
}

}  // namespace
}  // namespace solvane::linuxos
