#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "display/ColourSchemes.h"
#include "display/VisibleLine.h"
#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

// The fake platform measures a character as half the point size wide and a line as
// one and a half times the point size high. The default sentence has 37 characters,
// so at 27 points it is 499 x 40 pixels and its window 509 x 50.
constexpr const char* Sentence = "I know what I love to do and I do it.";

struct Composition : ::testing::Test {
    void show() {
        if (!started) h.start();
        started = true;
        h.hint().show();
    }
    ProgramHarness h;
    bool started = false;
};

TEST_F(Composition, DefaultsCentreBlackTextWithAWhiteContourOnNothing) {
    show();
    const TfrmHint& hint = h.hint();
    EXPECT_EQ(hint.bounds, (Rect{257, 359, 509, 50}));
    EXPECT_TRUE(hint.backgroundTransparent);
    EXPECT_EQ(hint.Label1.caption(), Sentence);
    EXPECT_EQ(hint.Label1.font(), (FontSpec{"Verdana", 27, 0, 0x000000}));
    EXPECT_EQ(hint.Label1.position(), (Point{5, 5}));
    const struct {
        const Label* layer;
        Point at;
    } contour[] = {{&hint.Label2, {4, 5}}, {&hint.Label3, {5, 6}}, {&hint.Label4, {6, 5}}, {&hint.Label5, {5, 4}}};
    for (const auto& c : contour) {
        EXPECT_TRUE(c.layer->visible());
        EXPECT_EQ(c.layer->position(), c.at);
        EXPECT_EQ(c.layer->font().colour, 0xFFFFFFu);
        EXPECT_EQ(c.layer->caption(), Sentence);
    }
    EXPECT_FALSE(hint.Label6.visible());
    EXPECT_EQ(hint.DisplayTimer.interval(), 2700);
}

TEST_F(Composition, ShadowAndNoContour) {
    h.stored()["Schatten"] = 1;
    h.stored()["Konturtransparenz"] = 1;
    show();
    const TfrmHint& hint = h.hint();
    for (const Label* copy : {&hint.Label2, &hint.Label3, &hint.Label4, &hint.Label5}) EXPECT_FALSE(copy->visible());
    EXPECT_TRUE(hint.Label6.visible());
    EXPECT_EQ(hint.Label6.position(), (Point{10, 10}));
    EXPECT_EQ(hint.Label6.font().colour, 0x000000u);
}

TEST_F(Composition, FullScreenOnlyWithAnOpaqueBackgroundAndSingleAffirmations) {
    struct Case {
        bool transparent, multiple;
        Rect expected;
    };
    for (const Case& c : {Case{false, false, {0, 0, 1024, 768}}, Case{true, false, {257, 359, 509, 50}},
                          Case{false, true, {257, 359, 509, 50}}}) {
        ProgramHarness p;
        p.stored()["VollBild"] = 1;
        p.stored()["HintergrundTransparent"] = c.transparent ? 1 : 0;
        p.stored()["MultipleAffirmationen"] = c.multiple ? 1 : 0;
        p.stored()["BackColor"] = 0x00336699;
        p.start();
        p.hint().show();
        EXPECT_EQ(p.hint().bounds, c.expected);
        EXPECT_EQ(p.hint().backgroundTransparent, c.transparent);
        if (!c.transparent) {
            EXPECT_EQ(p.hint().backgroundColour, 0x00336699u);
        }
        const Point textAt = c.expected.width == 1024 ? Point{257, 359} : Point{5, 5};
        EXPECT_EQ(p.hint().Label1.position(), textAt);
    }
}

TEST_F(Composition, PlacedAboveAnOpenDialogOrBelowItWhenThereIsNoRoom) {
    h.start();
    h.config().show();
    h.fake.windows.dialog->frameRect = {200, 300, 519, 430};
    h.hint().show();
    EXPECT_EQ(h.hint().bounds, (Rect{257, 300 - 40 - 18, 509, 50}));
    h.hint().hide();

    h.fake.windows.dialog->frameRect = {200, 57, 519, 430};  // 57 < 40 + 18: no room above
    h.hint().show();
    EXPECT_EQ(h.hint().bounds, (Rect{257, 57 + 430 + 8, 509, 50}));
}

TEST_F(Composition, ATextTooWideForTheMonitorShrinksPointByPointDownToOne) {
    h.fake.monitors.monitors = {{0, 0, 300, 200}};
    show();
    // 37 x 15 / 2 = 277 fits with 10 to spare in 300; 16 points would need 306.
    EXPECT_EQ(h.hint().Label1.font().size, 15);
    EXPECT_EQ(h.config().Label1.font().size, 15);    // the preview mirrors the fitted size
    EXPECT_EQ(h.config().FontDialog1Font.size, 27);  // the chosen size stays

    ProgramHarness tiny;
    tiny.fake.monitors.monitors = {{0, 0, 5, 5}};
    tiny.start();
    tiny.hint().show();
    EXPECT_EQ(tiny.hint().Label1.font().size, 1);
}

TEST_F(Composition, AHugeStoredSizeStillShowsTheAffirmationFittedToTheMonitor) {
    h.stored()["FontSize"] = 2147483647;
    // One point at a time from 2^31 - 1 would never end; the fake stops it instead.
    h.fake.fonts.measurementLimit = 1000;
    h.start();
    const int before = h.fake.fonts.measurements;
    h.hint().show();
    EXPECT_EQ(h.loop().totalSleptMs(), 0) << "the showing failed";
    EXPECT_TRUE(h.onScreen());
    // 37 x 54 / 2 = 999 fits with 10 to spare in 1024; 55 points would need 1027.
    EXPECT_EQ(h.hint().Label1.font().size, 54);
    EXPECT_EQ(h.hint().bounds, (Rect{(1024 - 1009) / 2, (768 - 91) / 2, 1009, 91}));
    EXPECT_LE(h.fake.fonts.measurements - before, 20);
    EXPECT_EQ(h.config().FontDialog1Font.size, 2147483647) << "the stored size stays as it is";
}

// The default sentence repeated to a megabyte, as if a book had been pasted.
std::string megabyteText() {
    std::string text;
    while (text.size() < (1u << 20)) text += std::string(Sentence) + " ";
    return text;
}

TEST_F(Composition, AMegabyteTextIsCutToWhatTheWidestMonitorCanShow) {
    h.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
    h.fake.fonts.measurementLimit = 1000;
    h.start();
    const std::string text = megabyteText();
    h.config().Edit5.setText(text);
    const int before = h.fake.fonts.measurements;
    h.hint().show();
    ASSERT_EQ(h.loop().totalSleptMs(), 0) << "the showing failed";

    const TfrmHint& hint = h.hint();
    const std::string& shown = hint.Label1.caption();
    EXPECT_EQ(shown.size(), longestVisibleLine(1280)) << "cut for the widest monitor";
    EXPECT_EQ(text.compare(0, shown.size(), shown), 0) << "the text's beginning";
    for (const Label* copy : {&hint.Label2, &hint.Label3, &hint.Label4, &hint.Label5}) {
        EXPECT_EQ(copy->caption(), shown);
    }
    EXPECT_EQ(h.config().Label1.caption(), shown) << "the preview gets what was shown";
    EXPECT_EQ(h.settings().EinzelAffirmation(), text) << "the setting itself stays whole";
    // Even cut, the text is far too wide at 1 point; its window stays on the monitor,
    // the text centred on it as the uncut text would be.
    EXPECT_EQ(hint.Label1.font().size, 1);
    EXPECT_EQ(hint.bounds, (Rect{0, (768 - 11) / 2, 1024, 11}));  // a line is 1 pixel high at 1 point
    const int width = static_cast<int>(shown.size()) / 2;         // half a pixel per character at 1 point
    EXPECT_EQ(hint.bounds.left + hint.Label1.position().x, (1024 - (width + 10)) / 2 + 5);
    EXPECT_EQ(hint.Label1.position().y, 5);
    EXPECT_LE(h.fake.fonts.measurements - before, 20);
}

TEST_F(Composition, AWindowTallerThanTheMonitorIsCutToItWithTheTextInPlace) {
    h.stored()["FontSize"] = 1000;
    h.start();
    h.config().Edit5.setText("W");
    h.hint().show();
    // 500 x 1500 pixels at 1000 points: it fits across, but not down.
    EXPECT_EQ(h.hint().Label1.font().size, 1000);
    EXPECT_EQ(h.hint().bounds, (Rect{(1024 - 510) / 2, 0, 510, 768}));
    EXPECT_EQ(h.hint().Label1.position(), (Point{5, (768 - 1510) / 2 + 5}));
    EXPECT_EQ(h.hint().Label3.position(), (Point{5, (768 - 1510) / 2 + 6}));
}

TEST_F(Composition, ATextThatFitsTheMonitorIsNeitherCutNorMoved) {
    h.fake.monitors.monitors = {{0, 0, 300, 200}};
    h.start();
    // 580 characters are 290 pixels at 1 point: they fit with 10 to spare.
    const std::string text(580, 'x');
    h.config().Edit5.setText(text);
    h.hint().show();
    EXPECT_EQ(h.hint().Label1.caption(), text);
    EXPECT_EQ(h.hint().Label1.font().size, 1);
    EXPECT_EQ(h.hint().bounds, (Rect{0, (200 - 11) / 2, 300, 11}));
    EXPECT_EQ(h.hint().Label1.position(), (Point{5, 5}));
}

TEST_F(Composition, TheChosenMonitorPlacesTheWindowAndOneMonitorResetsTheChoice) {
    h.fake.monitors.monitors = {{0, 0, 1024, 768}, {1024, 0, 1280, 1024}};
    h.stored()["Monitor"] = 1;
    show();
    EXPECT_EQ(h.hint().bounds, (Rect{1024 + (1280 - 509) / 2, (1024 - 50) / 2, 509, 50}));
    h.hint().hide();
    h.fake.monitors.monitors.resize(1);
    h.hint().show();
    EXPECT_EQ(h.settings().Monitor(), 0);
    EXPECT_EQ(h.hint().bounds, (Rect{257, 359, 509, 50}));
}

TEST_F(Composition, AnEmptyTextMakesASpaceWideWindowAndLeavesThePreviewAlone) {
    h.start();
    h.config().Edit5.setText("Hi");
    EXPECT_EQ(h.config().Label1.caption(), Sentence);  // fewer than four characters preview the default
    h.hint().show();
    EXPECT_EQ(h.hint().Label1.caption(), "Hi");
    EXPECT_EQ(h.config().Label1.caption(), "Hi");  // the showing hands its text to the preview
    h.hint().hide();
    h.config().Edit5.setText("");
    h.hint().show();
    EXPECT_EQ(h.hint().bounds.width, 27 / 2 + 10);
    EXPECT_EQ(h.config().Label1.caption(), Sentence);
}

TEST_F(Composition, RandomColoursComeFromOneSchemeAndReachThePreview) {
    h.stored()["ZufallsSchriftFarbe"] = 1;
    h.stored()["ZufallsKonturFarbe"] = 1;
    h.stored()["ZufallsHintergrundFarbe"] = 1;
    h.stored()["HintergrundTransparent"] = 0;
    h.start();
    h.fake.clock.value = 777;
    h.hint().show();
    RandomGenerator expected(777);
    const SchemeChoice scheme = drawColourScheme(expected);
    EXPECT_EQ(h.hint().Label1.font().colour, scheme.colours.text);
    EXPECT_EQ(h.hint().Label2.font().colour, scheme.colours.contour);
    EXPECT_EQ(h.hint().backgroundColour, scheme.colours.background);
    EXPECT_EQ(h.config().Label1.font().colour, scheme.colours.text);
    EXPECT_EQ(h.config().Label4.font().colour, scheme.colours.contour);
    EXPECT_EQ(h.config().Shape2.colour(), scheme.colours.background);
    // The swatches keep the chosen colours.
    EXPECT_EQ(h.config().Shape3.colour(), 0x000000u);
    EXPECT_EQ(h.config().Shape1.colour(), 0xFFFFFFu);
}

TEST_F(Composition, RandomSizesStayBetween21And167Points) {
    h.stored()["ZufallsGroesse"] = 1;
    h.fake.monitors.monitors = {{0, 0, 100000, 2000}};
    h.start();
    int smallest = 1000, largest = 0;
    for (int i = 0; i < 400; ++i) {
        h.hint().show();
        smallest = std::min(smallest, h.hint().Label1.font().size);
        largest = std::max(largest, h.hint().Label1.font().size);
        h.hint().hide();
    }
    EXPECT_EQ(smallest, 21);
    EXPECT_EQ(largest, 167);
    h.config().cbZSize.setChecked(false);  // the preview returns to the chosen size
    EXPECT_EQ(h.config().Label1.font().size, 27);
}

TEST_F(Composition, RandomFontsWalkTheCatalogueAndShowInThePreview) {
    h.stored()["ZufallsSchriftart"] = 1;
    h.start();
    const auto firstBuild = h.hint().catalogue.entries;
    ASSERT_EQ(firstBuild.size(), 3u);
    std::vector<std::string> used;
    for (int i = 0; i < 3; ++i) {
        h.hint().show();
        used.push_back(h.hint().Label1.font().name);
        EXPECT_EQ(h.config().Edit6.text(), used.back());
        h.hint().hide();
    }
    EXPECT_EQ(used[0], firstBuild[1]);
    EXPECT_EQ(used[1], firstBuild[2]);
    EXPECT_EQ(used[2], h.hint().catalogue.entries[0]);  // first entry of the fresh build
    EXPECT_EQ(h.hint().catalogue.position, 0);
    EXPECT_EQ(h.settings().FontName(), "Verdana");  // the chosen font never changes

    h.config().cbZSchriftart.setChecked(false);
    EXPECT_EQ(h.config().Edit6.text(), "Verdana");
    EXPECT_EQ(h.config().Label1.font().name, "Verdana");
}

TEST_F(Composition, RandomFontsNeedMoreThanTwoFonts) {
    h.fake.fonts.families = {"Arial", "Webdings", "Georgia"};  // one is excluded
    h.stored()["ZufallsSchriftart"] = 1;
    show();
    EXPECT_EQ(h.hint().Label1.font().name, "Verdana");
    EXPECT_EQ(h.hint().catalogue.position, 0);
}

TEST_F(Composition, AStoredFontPositionFarBelowTheListRestartsTheWalkAtOnce) {
    h.stored()["ZufallsSchriftart"] = 1;
    h.stored()["FontReihenfolgePosition"] = std::numeric_limits<std::int32_t>::min();
    h.fake.files.files[h.fake.files.fontListPath()] = "A\r\nB\r\nC\r\n";
    h.start();
    std::vector<std::string> used;
    for (int i = 0; i < 3; ++i) {
        h.hint().show();
        used.push_back(h.hint().Label1.font().name);
        h.hint().hide();
    }
    EXPECT_EQ(used, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(h.loop().totalSleptMs(), 0);  // no showing failed
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST_F(Composition, EveryShowingCountsAndWritesTheServedLine) {
    h.stored()["AffirmationenDisplayCounter"] = 10;
    h.start();
    EXPECT_EQ(h.config().Memo2ProductLine, "Solvane Premium");
    for (int i = 0; i < 3; ++i) {
        h.hint().show();
        h.hint().hide();
    }
    EXPECT_EQ(h.config().Memo2ProductLine, "Marwick's Solvane Premium (13 Affirmations served)");
}

}  // namespace
}  // namespace solvane
