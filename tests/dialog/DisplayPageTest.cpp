#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

struct DisplayPage : ::testing::Test {
    void SetUp() override { h.start(); }
    TfrmConfig& c() { return h.config(); }
    // The user types into a field and leaves it.
    void typeAndLeave(EditField& field, const std::string& text) {
        field.userType(text);
        field.userLeave();
    }
    ProgramHarness h;
};

TEST_F(DisplayPage, DisplayTimeFieldsRaiseToTheMinimumWhenLeft) {
    typeAndLeave(c().Edit1, "0");
    typeAndLeave(c().Edit4, "30");
    EXPECT_EQ(c().Edit1.text(), "0");
    EXPECT_EQ(c().Edit4.text(), "50");
    EXPECT_EQ(c().tbAnzeige.position(), 50);
}

TEST_F(DisplayPage, MillisecondsBelowTheMinimumJumpAtOnceUnlessTheBarIsAlreadyThere) {
    typeAndLeave(c().Edit1, "0");  // bar 700 -> fields "0", "700"
    c().Edit4.userType("7");
    EXPECT_EQ(c().tbAnzeige.position(), 50);
    EXPECT_EQ(c().Edit4.text(), "50");

    c().Edit4.userType("7");  // the bar is at 50 already: the field keeps "7" until it is left
    EXPECT_EQ(c().Edit4.text(), "7");
    c().Edit4.userLeave();
    EXPECT_EQ(c().Edit4.text(), "50");
}

TEST_F(DisplayPage, InvalidOrTooLargeSecondsResetToZeroWhenLeft) {
    for (const char* text : {"75", "ab", "", "-"}) {
        c().tbAnzeige.setPosition(2700);
        typeAndLeave(c().Edit1, text);
        EXPECT_EQ(c().Edit1.text(), "0") << text;
        EXPECT_EQ(c().tbAnzeige.position(), 700) << text;  // 0 seconds plus the milliseconds
    }
    c().Edit1.userType("75");
    EXPECT_EQ(c().Edit1.text(), "75");  // typing alone checks nothing
}

TEST_F(DisplayPage, TheBarWritesItsPositionIntoTheFieldsWithoutLeadingZeros) {
    c().tbAnzeige.userMove(12345);
    EXPECT_EQ(c().Edit1.text(), "12");
    EXPECT_EQ(c().Edit4.text(), "345");
    EXPECT_EQ(h.hint().DisplayTimer.interval(), 12345);
    c().tbAnzeigeIntervall.userMove(61);
    EXPECT_EQ(c().Edit3.text(), "1");
    EXPECT_EQ(c().Edit2.text(), "1");
    EXPECT_EQ(c().PauseTimer.interval(), 61'000);
    c().tbAnzeige.userMove(0);  // clamped
    EXPECT_EQ(c().tbAnzeige.position(), 50);
    EXPECT_EQ(c().Edit4.text(), "50");
}

TEST_F(DisplayPage, PauseFieldsKeepFiveSecondsAndReachTheMaximum) {
    typeAndLeave(c().Edit3, "00");
    typeAndLeave(c().Edit2, "3");
    EXPECT_EQ(c().Edit2.text(), "5");
    EXPECT_EQ(c().tbAnzeigeIntervall.position(), 5);

    c().Edit2.userType("2");
    c().Edit3.userLeave();  // leaving the minutes applies the same minimum
    EXPECT_EQ(c().Edit2.text(), "5");

    typeAndLeave(c().Edit3, "99");
    typeAndLeave(c().Edit2, "59");
    EXPECT_EQ(c().tbAnzeigeIntervall.position(), 5999);
    typeAndLeave(c().Edit1, "59");
    typeAndLeave(c().Edit4, "999");
    EXPECT_EQ(c().tbAnzeige.position(), 59999);
}

TEST_F(DisplayPage, ANegativeEntryPassesTheCheckAndTheBarClampsIt) {
    c().tbAnzeigeIntervall.setPosition(600);
    typeAndLeave(c().Edit3, "-5");
    EXPECT_EQ(c().tbAnzeigeIntervall.position(), 5);
    EXPECT_EQ(c().Edit3.text(), "0");  // rewritten because the bar's position changed
    EXPECT_EQ(c().Edit2.text(), "5");
}

TEST_F(DisplayPage, AFullLengthNumberIsSelectedSoTheNextKeyReplacesIt) {
    typeAndLeave(c().Edit1, "12");
    EXPECT_EQ(c().Edit1.selectionLength(), 2);
    c().Edit4.userType("250");
    EXPECT_EQ(c().Edit4.selectionLength(), 3);
    c().Edit3.userClick();
    EXPECT_EQ(c().Edit3.selectionStart(), 0);
    EXPECT_EQ(c().Edit3.selectionLength(), static_cast<int>(c().Edit3.text().size()));
}

TEST_F(DisplayPage, TheCountFieldResetsBadTextAtOnceAndSmallCountsWhenLeft) {
    c().cbMultiple.userClick();
    c().Edit8.userType("abc");
    EXPECT_EQ(c().Edit8.text(), "0002");
    c().Edit8.userType("");
    EXPECT_EQ(c().Edit8.text(), "0002");
    c().Edit8.userType("1");
    EXPECT_EQ(c().Edit8.text(), "1");
    c().Edit8.userLeave();
    EXPECT_EQ(c().Edit8.text(), "0002");
    c().Edit8.userType("123456");  // at most four characters can be typed
    EXPECT_EQ(c().Edit8.text(), "1234");
    c().Edit8.userType("07");
    c().Edit8.userLeave();
    EXPECT_EQ(c().Edit8.text(), "07");  // kept as typed, leading zero included
}

TEST_F(DisplayPage, AStoredCountThatIsNoNumberShowsAsTwoAfterTheLoad) {
    ProgramHarness p;
    p.stored()["MultipleAffirmationenAnzahl"] = std::string("lots");
    p.start();
    EXPECT_EQ(p.config().Edit8.text(), "0002");
}

TEST_F(DisplayPage, BoxesGreyOutTheirDependentsAndKeepTheirTicks) {
    c().cbVollbild.setChecked(true);
    c().cbMultiple.userClick();
    EXPECT_FALSE(c().cbVollbild.enabled());
    EXPECT_TRUE(c().cbVollbild.checked());
    EXPECT_TRUE(c().Edit8.enabled());
    EXPECT_TRUE(c().Label13.enabled());
    c().cbMultiple.userClick();
    EXPECT_TRUE(c().cbVollbild.enabled());
    EXPECT_FALSE(c().Edit8.enabled());

    c().cbVersteckt.setChecked(true);
    c().cbAutorun.userClick();
    EXPECT_FALSE(c().cbVersteckt.enabled());
    EXPECT_TRUE(c().cbVersteckt.checked());
    c().cbVersteckt.userClick();  // a disabled box cannot be clicked
    EXPECT_TRUE(c().cbVersteckt.checked());
}

TEST_F(DisplayPage, SettingABarToItsOwnPositionRetimesNothing) {
    h.loop().advance(5000);  // pausing, the pause counted from 3691 ms
    const std::int64_t before = h.loop().now();
    c().tbAnzeigeIntervall.setPosition(c().tbAnzeigeIntervall.position());
    ASSERT_TRUE(h.runUntilShown(30'000));
    EXPECT_EQ(h.loop().now(), 3691 + 18'000);
    EXPECT_GT(h.loop().now(), before);
}

}  // namespace
}  // namespace solvane
