#include "platform/qt/FontColourPageWidget.h"

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "platform/qt/PreviewPanel.h"

namespace solvane::qt {
namespace {

using testing::ModalAnswerer;
using testing::QtProgramHarness;

struct FontColourPageWidgetTest : testing::DialogFixture {
    void SetUp() override {
        DialogFixture::SetUp();
        showPage(ConfigPage::FontColour);
    }
    QImage grab(const char* name) { return find<QWidget>(name)->grab().toImage(); }
    QRgb centre(const char* name) {
        const QImage image = grab(name);
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    static int pixelsOf(const QImage& image, QRgb colour) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour ? 1 : 0;
        return count;
    }
};

TEST_F(FontColourPageWidgetTest, TabVisitsTheControlsInTheirOrder) {
    const std::vector<std::string> expected{
        "Button6",   "cbZSchriftart",       "cbZSize", "Button3",  "cbZSFarbe", "cbSchatten", "Button4",
        "cbZKFarbe", "cbKonturtransparenz", "Button2", "cbZFarbe", "cbTBack"};
    EXPECT_EQ(tabOrder(find<QWidget>("TabFontColour"), find<QWidget>("Button6")), expected);
    EXPECT_TRUE(find<QLineEdit>("Edit6")->isReadOnly());
}

struct ColourAction {
    const char* what;
    std::function<void(QWidget* button, QWidget* swatch)> act;
    bool opens;
};

TEST_F(FontColourPageWidgetTest, AColourChooserOpensOnAMouseReleaseOnly) {
    const ColourAction actions[] = {
        {"left click on the button", [](QWidget* b, QWidget*) { QTest::mouseClick(b, Qt::LeftButton); }, true},
        {"right click on the button", [](QWidget* b, QWidget*) { QTest::mouseClick(b, Qt::RightButton); }, true},
        {"right click on the swatch", [](QWidget*, QWidget* s) { QTest::mouseClick(s, Qt::RightButton); }, true},
        {"space on the focused button", [](QWidget* b, QWidget*) { QTest::keyClick(b, Qt::Key_Space); }, false},
        {"return on the focused button", [](QWidget* b, QWidget*) { QTest::keyClick(b, Qt::Key_Return); }, false},
    };
    for (const ColourAction& action : actions) {
        model.Shape3.setColour(0x000000);
        QtProgramHarness::sync();
        ModalAnswerer<QColorDialog> chooser([](QColorDialog& open) {
            open.setCurrentColor(QColor(10, 20, 30));
            open.accept();
        });
        action.act(find<QWidget>("Button3"), find<QWidget>("Shape3"));
        QtProgramHarness::sync();
        EXPECT_EQ(chooser.answered, action.opens ? 1 : 0) << action.what;
        EXPECT_EQ(model.Shape3.colour(), action.opens ? rgb(10, 20, 30) : 0x000000u) << action.what;
    }
}

TEST_F(FontColourPageWidgetTest, TheChooserOffersTheSwatchColourAndCancelKeepsIt) {
    model.Shape4.setColour(rgb(200, 100, 50));
    QColor offered;
    ModalAnswerer<QColorDialog> chooser([&](QColorDialog& open) {
        offered = open.currentColor();
        open.setCurrentColor(Qt::red);
        open.reject();
    });
    QTest::mouseClick(find<QWidget>("Button4"), Qt::LeftButton);
    EXPECT_EQ(offered, QColor(200, 100, 50));
    EXPECT_EQ(model.Shape4.colour(), rgb(200, 100, 50));
}

TEST_F(FontColourPageWidgetTest, ASwatchShowsItsColourOnSilverAndLeavesSilverWhenHidden) {
    const QRgb silver = qRgb(192, 192, 192);
    model.Shape1.setColour(0x0000FF);  // red: the low byte
    ASSERT_TRUE(model.cbTBack.checked());
    QtProgramHarness::sync();
    EXPECT_EQ(centre("Shape7"), silver) << "transparent background: no swatch";

    click(find<QCheckBox>("cbTBack"));
    EXPECT_EQ(centre("Shape7"), qRgb(255, 0, 0));
    EXPECT_EQ(grab("Shape7").pixel(0, 0), silver) << "the silver box is one pixel larger";

    click(find<QCheckBox>("cbZFarbe"));
    EXPECT_EQ(centre("Shape7"), silver) << "random background: no swatch";
    EXPECT_FALSE(find<QWidget>("Button2")->isEnabled());
}

TEST_F(FontColourPageWidgetTest, ThePreviewShowsTheBackdropOrThePanelsGreen) {
    const QPoint corner(440, 75);  // no text reaches there
    ASSERT_TRUE(model.cbTBack.checked());
    EXPECT_EQ(grab("Panel2").pixel(corner), PreviewPanel::PanelColour);

    model.Shape1.setColour(rgb(0, 0, 255));
    click(find<QCheckBox>("cbTBack"));
    EXPECT_EQ(grab("Panel2").pixel(corner), qRgb(0, 0, 255));
}

TEST_F(FontColourPageWidgetTest, ThePreviewPaintsTheVisibleLabelsInTheirColours) {
    click(find<QCheckBox>("cbKonturtransparenz"));  // no contour copies
    model.Label1.setColour(rgb(255, 0, 0));
    QtProgramHarness::sync();
    EXPECT_GT(pixelsOf(grab("Panel2"), qRgb(255, 0, 0)), 50);
    EXPECT_EQ(pixelsOf(grab("Panel2"), qRgb(0, 0, 0)), 0) << "no shadow yet";

    click(find<QCheckBox>("cbSchatten"));
    EXPECT_GT(pixelsOf(grab("Panel2"), qRgb(0, 0, 0)), 50) << "the shadow is black";

    model.Label1.setVisible(false);
    model.Label11.setVisible(false);
    QtProgramHarness::sync();
    EXPECT_EQ(pixelsOf(grab("Panel2"), qRgb(255, 0, 0)), 0);
}

TEST_F(FontColourPageWidgetTest, RandomFontGreysTheFontButton) {
    click(find<QCheckBox>("cbZSchriftart"));
    EXPECT_FALSE(find<QPushButton>("Button6")->isEnabled());
    click(find<QCheckBox>("cbZSchriftart"));
    EXPECT_TRUE(find<QPushButton>("Button6")->isEnabled());
}

}  // namespace
}  // namespace solvane::qt
