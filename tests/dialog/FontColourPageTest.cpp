#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

struct FontColourPage : ::testing::Test {
    void SetUp() override { h.start(); }
    TfrmConfig& c() { return h.config(); }
    ProgramHarness h;
};

TEST_F(FontColourPage, DefaultsShowBlackTextWithAWhiteContourOnThePanel) {
    EXPECT_FALSE(c().Shape2.visible());  // transparent background: the panel shows through
    EXPECT_FALSE(c().Button2.enabled());
    EXPECT_FALSE(c().cbZFarbe.enabled());
    EXPECT_FALSE(c().Shape1.visible());
    EXPECT_FALSE(c().Label11.visible());
    const Point origin = c().Label1.position();
    const Point expected[] = {
        {origin.x - 1, origin.y}, {origin.x, origin.y + 1}, {origin.x + 1, origin.y}, {origin.x, origin.y - 1}};
    const Label* copies[] = {&c().Label2, &c().Label3, &c().Label4, &c().Label5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(copies[i]->visible());
        EXPECT_EQ(copies[i]->position(), expected[i]);
        EXPECT_EQ(copies[i]->font().colour, 0xFFFFFFu);
        EXPECT_EQ(copies[i]->font().name, "Verdana");
    }
    EXPECT_EQ(c().Label1.font().colour, 0x000000u);
}

TEST_F(FontColourPage, BackgroundTransparencyOffShowsTheBackdropInTheSwatchColour) {
    c().Shape1.setColour(0x00112233);
    c().cbTBack.userClick();
    EXPECT_TRUE(c().Shape2.visible());
    EXPECT_EQ(c().Shape2.colour(), 0x00112233u);
    EXPECT_TRUE(c().Button2.enabled());
    EXPECT_TRUE(c().Shape1.visible());

    c().cbZFarbe.userClick();  // random background: button off, swatch hidden
    EXPECT_FALSE(c().Button2.enabled());
    EXPECT_FALSE(c().Shape1.visible());
    c().cbTBack.userClick();
    c().cbTBack.userClick();  // transparency off again while random is on
    EXPECT_FALSE(c().Button2.enabled());
    EXPECT_FALSE(c().Shape1.visible());
    EXPECT_TRUE(c().Shape2.visible());
}

TEST_F(FontColourPage, ContourTransparencyHidesTheCopiesAndGreysItsRow) {
    c().cbKonturtransparenz.userClick();
    for (const Label* copy : {&c().Label2, &c().Label3, &c().Label4, &c().Label5}) EXPECT_FALSE(copy->visible());
    EXPECT_FALSE(c().Button4.enabled());
    EXPECT_FALSE(c().cbZKFarbe.enabled());
    EXPECT_FALSE(c().Shape4.visible());
    c().Shape4.setColour(0x000000FF);
    c().cbKonturtransparenz.userClick();
    for (const Label* copy : {&c().Label2, &c().Label3, &c().Label4, &c().Label5}) {
        EXPECT_TRUE(copy->visible());
        EXPECT_EQ(copy->font().colour, 0x000000FFu);
    }
}

TEST_F(FontColourPage, ShadowIsABlackCopyFivePixelsRightAndDown) {
    c().cbSchatten.userClick();
    EXPECT_TRUE(c().Label11.visible());
    EXPECT_EQ(c().Label11.font().colour, 0x000000u);
    EXPECT_EQ(c().Label11.position(), (Point{c().Label1.position().x + 5, c().Label1.position().y + 5}));
    EXPECT_EQ(c().Label11.caption(), c().Label1.caption());
    c().cbSchatten.userClick();
    EXPECT_FALSE(c().Label11.visible());
}

TEST_F(FontColourPage, SwitchingARandomColourOffGivesThePreviewTheSwatchColourBack) {
    c().Shape3.setColour(0x00008000);
    c().cbZSFarbe.userClick();
    EXPECT_FALSE(c().Button3.enabled());
    EXPECT_FALSE(c().Shape3.visible());
    c().Label1.setColour(0x00FF00FF);  // as a random showing would
    c().cbZSFarbe.userClick();
    EXPECT_TRUE(c().Button3.enabled());
    EXPECT_EQ(c().Label1.font().colour, 0x00008000u);

    c().cbZKFarbe.userClick();
    c().Label2.setColour(0x00123456);
    c().cbZKFarbe.userClick();
    EXPECT_EQ(c().Label2.font().colour, c().Shape4.colour());
}

TEST_F(FontColourPage, RandomFontBoxGreysTheFontButton) {
    c().cbZSchriftart.userClick();
    EXPECT_FALSE(c().Button6.enabled());
    c().cbZSchriftart.userClick();
    EXPECT_TRUE(c().Button6.enabled());
}

TEST_F(FontColourPage, EditingTheAffirmationPreviewsItFromFourCharacters) {
    c().Edit5.userType("Hi");
    for (const Label* label : {&c().Label1, &c().Label2, &c().Label11}) {
        EXPECT_EQ(label->caption(), "I know what I love to do and I do it.");
    }
    c().Edit5.userType("Hi y");
    for (const Label* label : {&c().Label1, &c().Label3, &c().Label4, &c().Label5, &c().Label11}) {
        EXPECT_EQ(label->caption(), "Hi y");
    }
    c().Edit5.userType("Größe");  // four characters counted as characters, not bytes
    c().Edit5.userType("Grö");
    EXPECT_EQ(c().Label1.caption(), "I know what I love to do and I do it.");
}

TEST_F(FontColourPage, APastedMegabyteIsPreviewedOnlyAsFarAsThePreviewCanShow) {
    std::string pasted(1 << 20, 'x');
    pasted.replace(0, 5, "Start");
    c().Edit5.userType(pasted);
    EXPECT_EQ(c().Edit5.text().size(), pasted.size()) << "the field keeps the whole text";
    for (const Label* label : {&c().Label1, &c().Label2, &c().Label3, &c().Label4, &c().Label5, &c().Label11}) {
        EXPECT_EQ(label->caption().rfind("Start", 0), 0u);
        EXPECT_LT(label->caption().size(), 10000u);
        EXPECT_GT(label->caption().size(), 486u) << "less than a line across the preview";
    }
}

}  // namespace
}  // namespace solvane
