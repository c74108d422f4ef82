// The log-on entry: what it makes log-on run, that a new write replaces the old one,
// and that a failure is an exception, never a silent half-written entry.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "Implementations.h"

namespace solvane::contract {
namespace {

using Command = std::optional<std::vector<std::string>>;

template <class Traits>
class AutostartEntryContract : public ::testing::Test {
protected:
    platform::AutostartEntry& entry() { return impl.entry(); }

    Traits impl;
};

TYPED_TEST_SUITE(AutostartEntryContract, AutostartEntryImplementations);

TYPED_TEST(AutostartEntryContract, ANewUserHasNoEntry) {
    EXPECT_FALSE(this->entry().exists());
    EXPECT_EQ(this->impl.commandRunAtLogOn(), std::nullopt);
}

TYPED_TEST(AutostartEntryContract, LogOnRunsTheExecutableWithTheWord) {
    this->entry().write("/opt/solvane/bin/solvane", "start");
    EXPECT_TRUE(this->entry().exists());
    EXPECT_EQ(this->impl.commandRunAtLogOn(), Command({"/opt/solvane/bin/solvane", "start"}));
}

TYPED_TEST(AutostartEntryContract, APathWithBlanksQuotesAndOtherLettersStaysOnePath) {
    const std::string path = "/home/me/My \"Best\" Programs/Grüße $HOME 100%/solvane";
    this->entry().write(path, "hide");
    EXPECT_EQ(this->impl.commandRunAtLogOn(), Command({path, "hide"}));
}

TYPED_TEST(AutostartEntryContract, AWriteReplacesTheEntry) {
    this->entry().write("/opt/solvane/bin/solvane", "start");
    this->entry().write("/usr/bin/solvane", "hide");
    EXPECT_EQ(this->impl.commandRunAtLogOn(), Command({"/usr/bin/solvane", "hide"}));
}

TYPED_TEST(AutostartEntryContract, ARemovedEntryIsGoneAndRemovingNothingIsNoError) {
    this->entry().write("/opt/solvane/bin/solvane", "start");
    this->entry().remove();
    EXPECT_FALSE(this->entry().exists());
    EXPECT_EQ(this->impl.commandRunAtLogOn(), std::nullopt);
    EXPECT_NO_THROW(this->entry().remove());
    EXPECT_FALSE(this->entry().exists());
}

TYPED_TEST(AutostartEntryContract, AWriteThatCannotBeMadeThrowsAndLeavesNoEntry) {
    this->impl.blockEntries();
    EXPECT_ANY_THROW(this->entry().write("/opt/solvane/bin/solvane", "start"));
    EXPECT_FALSE(this->entry().exists());
    EXPECT_NO_THROW(this->entry().remove()) << "with no entry there is nothing that could fail";
}

TYPED_TEST(AutostartEntryContract, AnEntryThatCannotBeRemovedThrowsAndStays) {
    this->entry().write("/opt/solvane/bin/solvane", "start");
    this->impl.makeEntryUnremovable();
    EXPECT_ANY_THROW(this->entry().remove());
    EXPECT_TRUE(this->entry().exists());
}

}  // namespace
}  // namespace solvane::contract
