#include "app/MemoryWatchdog.h"

#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

constexpr double MiB = 1024.0 * 1024.0;

TEST(MemoryWatchdogRuleTest, RestartsOnlyAboveEighteenMebibytesOfGrowth) {
    struct Case {
        double currentMiB;
        bool restart;
    };
    // Baseline 5 MiB. Halves round to the even neighbour: 23.5 counts as 24, 24.5 as 24.
    for (const Case& c : {Case{23.0, false}, Case{24.0, true}, Case{23.5, true}, Case{23.49, false}, Case{24.5, true},
                          Case{0.0, false}, Case{4096.0, true}}) {
        EXPECT_EQ(restartDue(c.currentMiB * MiB, 5), c.restart) << c.currentMiB;
    }
    EXPECT_EQ(wholeMebibytes(23.5 * MiB), 24);
    EXPECT_EQ(wholeMebibytes(24.5 * MiB), 24);
    EXPECT_EQ(wholeMebibytes(22.5 * MiB), 22);
    // A reading below the baseline is a negative growth, never a restart.
    EXPECT_FALSE(restartDue(1.0 * MiB, 100));
}

TEST(MemoryWatchdogRuleTest, TheNewInstanceContinuesARunOfFiveAfterTheSecond) {
    // The old instance restarted at the end of the second of five and wrote 4.
    testing::ProgramHarness h(CommandLine::fromArguments({"reload", "normal", "4"}));
    h.stored()["MultipleAffirmationen"] = 1;
    h.stored()["MultipleAffirmationenAnzahl"] = std::string("5");
    h.start();
    h.loop().advance(30'000);
    const auto& displays = h.fake.windows.hint->displays;
    ASSERT_GE(displays.size(), 4u);
    EXPECT_EQ(displays[0].from, 900);  // the third at once, at the start-up tick
    EXPECT_EQ(displays[1].from, displays[0].to + 91);
    EXPECT_EQ(displays[2].from, displays[1].to + 91);
    EXPECT_EQ(displays[3].from, displays[2].to + 91 + 18'000);  // the run ended after the fifth
}

}  // namespace
}  // namespace solvane
