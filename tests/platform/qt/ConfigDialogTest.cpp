#include "platform/qt/ConfigDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "QtProgramHarness.h"
#include "settings/Settings.h"

namespace solvane::qt {
namespace {

using testing::QtProgramHarness;

struct ConfigDialogTest : ::testing::Test {
    QtProgramHarness h;
    TfrmConfig& model = h.program.config();
    QDialog* dialog = QtProgramHarness::topLevel<QDialog>("TfrmConfig");
    QTabWidget* pages = dialog->findChild<QTabWidget*>("PageControl1");
    QLineEdit* edit5 = dialog->findChild<QLineEdit*>("Edit5");
};

TEST_F(ConfigDialogTest, ShowsTheModelsFrame) {
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromStdString(model.caption));
    ASSERT_EQ(pages->count(), 6);
    for (int page = 0; page < 6; ++page) EXPECT_EQ(pages->tabText(page), QString::fromStdString(model.tabCaption[page]));
    EXPECT_EQ(pages->tabText(2), "Font && Color");  // Qt draws the doubled ampersand as one
    EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Affirmations));
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button9")->text(), "OK");
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button10")->text(), "Cancel");
    ASSERT_NE(edit5, nullptr);
    EXPECT_EQ(edit5->text(), QString::fromStdString(model.Edit5.text()));
}

TEST_F(ConfigDialogTest, TypingChangesTheAffirmation) {
    edit5->clear();
    QTest::keyClicks(edit5, "Ich bin <b>froh</b> & frei");
    EXPECT_EQ(model.Edit5.text(), "Ich bin <b>froh</b> & frei");
    EXPECT_EQ(h.program.settings().EinzelAffirmation(), "Ich bin <b>froh</b> & frei");
}

TEST_F(ConfigDialogTest, ModelChangesReachTheWidgetsWithoutComingBack) {
    model.Edit5.setText("Neu");
    model.setActivePage(ConfigPage::Display);
    QtProgramHarness::sync();
    EXPECT_EQ(edit5->text(), "Neu");
    EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Display));
    EXPECT_EQ(model.activePage(), ConfigPage::Display);
}

TEST_F(ConfigDialogTest, ChoosingATabSelectsThePage) {
    pages->setCurrentIndex(static_cast<int>(ConfigPage::About));
    EXPECT_EQ(model.activePage(), ConfigPage::About);
}

TEST_F(ConfigDialogTest, ShowsAndHidesWithTheModel) {
    model.show();
    EXPECT_TRUE(dialog->isVisible());
    model.close();
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(ConfigDialogTest, EscapeAndCloseOnlyHide) {
    for (const auto& closeIt : std::vector<std::function<void()>>{
             [&] { QTest::keyClick(dialog, Qt::Key_Escape); }, [&] { dialog->close(); }}) {
        model.show();
        closeIt();
        EXPECT_FALSE(model.visible());
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(ConfigDialogTest, CancelRestoresTheStoredAffirmation) {
    const std::string stored = model.Edit5.text();
    model.show();
    QTest::keyClicks(edit5, " more");
    QTest::mouseClick(dialog->findChild<QPushButton*>("Button10"), Qt::LeftButton);
    QtProgramHarness::sync();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(model.Edit5.text(), stored);
    EXPECT_EQ(edit5->text(), QString::fromStdString(stored));
}

TEST_F(ConfigDialogTest, OkKeepsTheTypedAffirmation) {
    model.show();
    edit5->clear();
    QTest::keyClicks(edit5, "Stored");
    QTest::mouseClick(dialog->findChild<QPushButton*>("Button9"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(model.Edit5.text(), "Stored");
}

}  // namespace
}  // namespace solvane::qt
