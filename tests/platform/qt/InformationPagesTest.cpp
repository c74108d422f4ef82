#include "platform/qt/InformationPages.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include "DialogTestSupport.h"
#include "platform/qt/CaptionLabel.h"
#include "platform/qt/PictureLoader.h"
#include "platform/qt/PictureView.h"
#include "settings/LanguageSetup.h"

namespace solvane::qt {
namespace {

using testing::QtProgramHarness;

struct InformationPagesTest : testing::DialogFixture {
    std::vector<std::string>& opened() { return h.fake.shell.opened; }
    const WebPages& pages() { return h.program.texts.pages; }
};

struct PictureCase {
    const char* name;
    QSize size;
};

TEST_F(InformationPagesTest, EachPageShowsItsPicture) {
    for (const PictureCase picture :
         {PictureCase{"Image1", {486, 313}}, PictureCase{"Image15", {486, 313}}, PictureCase{"Image11", {484, 308}}}) {
        const QImage& shown = find<PictureView>(picture.name)->picture();
        EXPECT_FALSE(shown.isNull()) << picture.name;
        EXPECT_EQ(shown.size(), picture.size) << picture.name;
    }
    EXPECT_EQ(find<PictureView>("Image1")->picture(), loadPicture(":/pictures/links.jpg"));
    EXPECT_EQ(find<PictureView>("Image11")->picture(), loadPicture(":/pictures/thanks.jpg"));
}

TEST_F(InformationPagesTest, TheGermanInterfaceShowsTheGermanPicturesAndDanke) {
    model.close();
    h.fake.store.key(platform::StoreRoot::LocalMachine, InstallerLanguageKeyPath)["Installer Language"] =
        std::string("1031");
    h.program.destroyWindows();
    h.program.createWindows();
    dialog = qobject_cast<QDialog*>(h.configDialog());
    QtProgramHarness::sync();
    EXPECT_EQ(find<QTabWidget>("PageControl1")->tabText(static_cast<int>(ConfigPage::Thanks)), "Danke");
    const QImage german = loadPicture(":/pictures/links_de.jpg");
    ASSERT_FALSE(german.isNull());
    EXPECT_EQ(find<PictureView>("Image1")->picture(), german);
    EXPECT_NE(german, loadPicture(":/pictures/links.jpg"));
    EXPECT_EQ(find<PictureView>("Image11")->picture(), loadPicture(":/pictures/thanks_de.jpg"));
}

TEST_F(InformationPagesTest, TheClickableElementsOpenTheirPages) {
    struct Click {
        const char* name;
        std::string address;
    };
    const Click clicks[] = {{"Image4", pages().BoardLink[0]}, {"Image5", pages().BoardLink[1]},
                            {"Image3", pages().BoardLink[2]}, {"Image6", pages().BoardLink[3]},
                            {"Image7", pages().BoardLink[4]}, {"Image9", pages().BoardLink[5]},
                            {"Image15", pages().ProductPage}, {"Label10", pages().ProductPage},
                            {"Label15", pages().ProductPage}, {"Image11", pages().GratitudePage}};
    for (const Click& click : clicks) {
        QWidget* element = find<QWidget>(click.name);
        EXPECT_EQ(element->cursor().shape(), Qt::PointingHandCursor) << click.name;
        QTest::mouseClick(element, Qt::RightButton);
        QTest::mouseClick(element, Qt::LeftButton);
        ASSERT_EQ(opened().size(), 1u) << click.name << ": only the left click opens";
        EXPECT_EQ(opened().back(), click.address) << click.name;
        opened().clear();
    }
    QTest::mouseClick(find<QWidget>("Image1"), Qt::LeftButton);
    EXPECT_TRUE(opened().empty()) << "the picture board itself is no link";
}

TEST_F(InformationPagesTest, TheAboutPageShowsTheServedLineLive) {
    auto* memo = find<QTextEdit>("Memo2");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText().toStdString(), model.Memo2Caption + "\nSolvane Premium");
    model.setServedLine("Marwick's Solvane Premium (13 Affirmations served)");
    QtProgramHarness::sync();
    EXPECT_EQ(memo->toPlainText().toStdString(),
              model.Memo2Caption + "\nMarwick's Solvane Premium (13 Affirmations served)");
}

TEST_F(InformationPagesTest, TheAddressInvitesAClick) {
    auto* address = find<CaptionLabel>("Label15");
    EXPECT_EQ(address->text().toStdString(), model.Label15.caption());
    EXPECT_TRUE(address->toolTip().contains(address->text()));
    EXPECT_TRUE(address->font().underline());
}

TEST(PictureLoaderTest, BytesThatAreNoPictureGiveNoImage) {
    QFile file(":/pictures/about.jpg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    const QByteArray broken[] = {QByteArray(), QByteArray("not a picture"), jpeg.left(jpeg.size() / 2)};
    for (const QByteArray& bytes : broken) EXPECT_TRUE(decodePicture(bytes).isNull()) << bytes.size();
    EXPECT_TRUE(loadPicture(":/pictures/missing.jpg").isNull());
    EXPECT_EQ(decodePicture(jpeg).size(), QSize(486, 313));
}

TEST(PictureLoaderTest, KeepsTheColoursOfThePicture) {
    const QImage picture = loadPicture(":/pictures/about.jpg");
    // The decoder, not Qt's image plugins, made this picture; both must agree closely.
    const QImage reference(":/pictures/about.jpg");
    if (reference.isNull()) GTEST_SKIP() << "no Qt JPEG plugin to compare with";
    ASSERT_EQ(picture.size(), reference.size());
    for (const QPoint at : {QPoint(10, 10), QPoint(240, 160), QPoint(100, 220), QPoint(400, 300)}) {
        const QRgb a = picture.pixel(at);
        const QRgb b = reference.pixel(at);
        EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 12)
            << at.x() << "," << at.y();
    }
}

TEST(PictureViewTest, WithoutAPictureThePlaceStaysBlank) {
    QWidget page;
    page.resize(100, 60);
    auto* view = new PictureView(&page);
    view->setGeometry(0, 0, 100, 60);
    const QImage blank = view->grab().toImage();
    const QRgb ground = blank.pixel(0, 0);
    for (int y = 0; y < blank.height(); y += 7)
        for (int x = 0; x < blank.width(); x += 7) ASSERT_EQ(blank.pixel(x, y), ground);

    QImage picture(100, 60, QImage::Format_RGB32);
    picture.fill(qRgb(200, 10, 10));
    view->setPicture(picture);
    EXPECT_EQ(view->grab().toImage().pixel(50, 30), qRgb(200, 10, 10));
}

}  // namespace
}  // namespace solvane::qt
