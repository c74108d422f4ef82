#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

struct Choosers : ::testing::Test {
    void SetUp() override {
        h.start();
        c().show();
    }
    TfrmConfig& c() { return h.config(); }
    fake::FakeDialogView& view() { return *h.fake.windows.dialog; }
    ProgramHarness h;
};

TEST_F(Choosers, TheFontChooserOpensOnTheChosenFontAtItsPlace) {
    c().Button6.userClick();
    EXPECT_EQ(view().fontChoosers, 1);
    EXPECT_EQ(view().lastFontOffered, (FontSpec{"Verdana", 27, 0, 0}));
    EXPECT_EQ(view().lastFontChooserAt, (Point{106, 262}));
}

TEST_F(Choosers, OkTakesTheFontButKeepsTheTextColour) {
    c().Label1.setColour(0x000000FF);
    view().fontAnswer = FontSpec{"Georgia", 40, StyleBold, 0x00FFFFFF};
    c().Button6.userClick();
    EXPECT_EQ(h.settings().FontName(), "Georgia");
    EXPECT_EQ(h.settings().FontSize(), 40);
    EXPECT_EQ(h.settings().FontStyle(), StyleBold);
    EXPECT_EQ(c().Label1.font(), (FontSpec{"Georgia", 40, StyleBold, 0x000000FF}));
    EXPECT_EQ(c().Edit6.text(), "Georgia");
    EXPECT_EQ(c().Label2.font().name, "Georgia");  // the contour copies follow
}

TEST_F(Choosers, ApplyThenCancelKeepsTheAppliedChoiceButRestoresThePreviewText) {
    c().Shape3.setColour(0x00008000);
    view().fontApplies = {FontSpec{"Arial", 12, StyleItalic, 0}};
    view().fontAnswer.reset();  // Cancel
    c().Button6.userClick();
    // Apply set the chosen font; Cancel gives the preview text its font from before the chooser.
    EXPECT_EQ(h.settings().FontName(), "Arial");
    EXPECT_EQ(h.settings().FontSize(), 12);
    EXPECT_EQ(c().Edit6.text(), "Arial");
    EXPECT_EQ(c().Label1.font(), (FontSpec{"Verdana", 27, 0, 0}));
}

TEST_F(Choosers, ApplyGivesThePreviewTheSwatchColours) {
    c().Shape3.setColour(0x00008000);
    c().Shape4.setColour(0x00000080);
    view().fontApplies = {FontSpec{"Arial", 12, 0, 0}};
    view().fontAnswer = FontSpec{"Arial", 12, 0, 0};
    c().Button6.userClick();
    EXPECT_EQ(c().Label1.font().colour, 0x00008000u);
    EXPECT_EQ(c().Label3.font().colour, 0x00000080u);
}

TEST_F(Choosers, CancelAlsoTakesBackAShowingThatRanWhileTheChooserWasOpen) {
    c().cbZSize.setChecked(true);
    h.fake.clock.value = 1;  // a seed whose random size is not 27 points
    int sizeWhileOpen = 0;
    view().whileChooserOpen = [&] {
        h.loop().advance(2000);  // the start-up tick shows an affirmation at a random size
        sizeWhileOpen = c().Label1.font().size;
    };
    c().Button6.userClick();
    EXPECT_EQ(h.showings(), 1);
    EXPECT_NE(sizeWhileOpen, 27);
    EXPECT_EQ(c().Label1.font(), (FontSpec{"Verdana", 27, 0, 0}));
}

TEST_F(Choosers, ColourChoosersSetTheirSwatchAndThePreviewOnOkOnly) {
    view().colourAnswer = 0x00ABCDEF;
    c().Button3.userClick();
    EXPECT_EQ(view().lastColourOffered, 0x000000u);
    EXPECT_EQ(h.settings().FontColor(), 0x00ABCDEFu);
    EXPECT_EQ(c().Label1.font().colour, 0x00ABCDEFu);

    view().colourAnswer = 0x00111111;
    c().Button4.userClick();
    EXPECT_EQ(h.settings().KonturColor(), 0x00111111u);
    EXPECT_EQ(c().Label5.font().colour, 0x00111111u);

    view().colourAnswer = 0x00222222;
    c().cbTBack.userClick();
    c().Button2.userClick();
    EXPECT_EQ(h.settings().BackColor(), 0x00222222u);
    EXPECT_EQ(c().Shape2.colour(), 0x00222222u);

    view().colourAnswer.reset();
    c().Button4.userClick();
    EXPECT_EQ(h.settings().KonturColor(), 0x00111111u);
}

TEST_F(Choosers, DisabledButtonsOpenNothing) {
    c().cbZSchriftart.userClick();
    c().Button6.userClick();
    c().Button2.userClick();  // background transparent: greyed out
    EXPECT_EQ(view().fontChoosers, 0);
    EXPECT_EQ(view().colourChoosers, 0);
}

}  // namespace
}  // namespace solvane
