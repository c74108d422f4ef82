#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

// How the dialog goes away decides whether its unconfirmed edits survive: a
// dismissal by the user throws them away as Cancel does; a close the program
// makes itself only hides the dialog, and the next save stores them.
struct DialogDismiss : ::testing::Test {
    void SetUp() override {
        h.stored()["EinzelAffirmation"] = std::string("Stored words");
        h.stored()["Anzeige"] = 4000;
        h.stored()["AffirmationenDisplayCounter"] = 7;
        h.start();
        h.config().show();
        h.config().Edit5.userType("Unconfirmed words");
        h.config().tbAnzeige.userMove(9000);
        h.hint().AffirmationenDisplayCounter = 12;
    }
    std::int32_t storedInteger(const std::string& name) { return std::get<std::int32_t>(h.stored().at(name)); }
    std::string storedText(const std::string& name) { return std::get<std::string>(h.stored().at(name)); }

    ProgramHarness h;
};

TEST_F(DialogDismiss, ADismissalLoadsTheStoredValuesBackLikeCancel) {
    h.config().userDismiss();
    EXPECT_FALSE(h.config().visible());
    EXPECT_EQ(h.settings().EinzelAffirmation(), "Stored words");
    EXPECT_EQ(h.settings().Anzeige(), 4000);
    EXPECT_EQ(h.config().Edit1.text(), "4");
    EXPECT_EQ(h.hint().DisplayTimer.interval(), 4000);
    EXPECT_EQ(h.hint().AffirmationenDisplayCounter, 7);

    // Exit stores what the dialog holds now: the values the user kept.
    h.main().Beenden1.userClick();
    EXPECT_EQ(storedText("EinzelAffirmation"), "Stored words");
    EXPECT_EQ(storedInteger("Anzeige"), 4000);
}

TEST_F(DialogDismiss, AHideByTheProgramKeepsTheEditsForTheNextSave) {
    h.main().Verstecken1.userClick();  // Hide closes the dialog
    EXPECT_FALSE(h.config().visible());
    EXPECT_EQ(h.settings().EinzelAffirmation(), "Unconfirmed words");
    EXPECT_EQ(h.settings().Anzeige(), 9000);
    EXPECT_EQ(h.hint().DisplayTimer.interval(), 9000);

    h.main().Beenden1.userClick();
    EXPECT_EQ(storedText("EinzelAffirmation"), "Unconfirmed words");
    EXPECT_EQ(storedInteger("Anzeige"), 9000);
}

}  // namespace
}  // namespace solvane
