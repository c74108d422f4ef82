#include "platform/qt/ConfigDialog.h"

#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "QtProgramHarness.h"
#include "settings/Settings.h"

namespace solvane::qt {
namespace {

using testing::QtProgramHarness;

struct ConfigDialogTest : ::testing::Test {
    QtProgramHarness h;
    TfrmConfig& model = h.program.config();
    QDialog* dialog = qobject_cast<QDialog*>(h.configDialog());
    QTabWidget* pages = dialog->findChild<QTabWidget*>("PageControl1");
    QLineEdit* edit5 = dialog->findChild<QLineEdit*>("Edit5");
};

TEST_F(ConfigDialogTest, ShowsTheModelsFrame) {
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QString::fromStdString(model.caption));
    ASSERT_EQ(pages->count(), 6);
    for (int page = 0; page < 6; ++page)
        EXPECT_EQ(pages->tabText(page), QString::fromStdString(model.tabCaption[page]));
    EXPECT_EQ(pages->tabText(2), "Font && Color");  // Qt draws the doubled ampersand as one
    EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Affirmations));
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button9")->text(), "OK");
    EXPECT_EQ(dialog->findChild<QPushButton*>("Button10")->text(), "Cancel");
    ASSERT_NE(edit5, nullptr);
    EXPECT_EQ(edit5->text(), QString::fromStdString(model.Edit5.text()));
}

TEST_F(ConfigDialogTest, HasAFixedFrameWithoutTitleBarButtons) {
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (const Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                        Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->size(), QSize(513, 401));
}

TEST_F(ConfigDialogTest, OpensCentredOnTheScreen) {
    model.show();
    const QPoint screenCentre = dialog->screen()->availableGeometry().center();
    const QPoint offset = dialog->frameGeometry().center() - screenCentre;
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

struct NamedControl {
    const char* name;
    const char* kind;
};

TEST_F(ConfigDialogTest, EveryControlCarriesItsName) {
    const NamedControl controls[] = {{"Button9", "QPushButton"},
                                     {"Button10", "QPushButton"},
                                     {"PageControl1", "QTabWidget"},
                                     {"ComboBox1", "QComboBox"},
                                     {"cbAutorun", "QCheckBox"},
                                     {"cbVersteckt", "QCheckBox"},
                                     {"Label14", "QLabel"},
                                     {"Edit1", "QLineEdit"},
                                     {"Label32", "QLabel"},
                                     {"Edit4", "QLineEdit"},
                                     {"Label33", "QLabel"},
                                     {"tbAnzeige", "QSlider"},
                                     {"Label12", "QLabel"},
                                     {"Edit3", "QLineEdit"},
                                     {"Label20", "QLabel"},
                                     {"Edit2", "QLineEdit"},
                                     {"Label21", "QLabel"},
                                     {"tbAnzeigeIntervall", "QSlider"},
                                     {"cbVollbild", "QCheckBox"},
                                     {"cbStartWithPause", "QCheckBox"},
                                     {"cbMultiple", "QCheckBox"},
                                     {"cbSCRPause", "QCheckBox"},
                                     {"Label13", "QLabel"},
                                     {"Edit8", "QLineEdit"},
                                     {"GroupBoxPreview", "QGroupBox"},
                                     {"Panel2", "QWidget"},
                                     {"GroupBoxFont", "QGroupBox"},
                                     {"Button6", "QPushButton"},
                                     {"Edit6", "QLineEdit"},
                                     {"cbZSchriftart", "QCheckBox"},
                                     {"cbZSize", "QCheckBox"},
                                     {"GroupBoxColours", "QGroupBox"},
                                     {"Button3", "QPushButton"},
                                     {"Shape3", "QWidget"},
                                     {"Shape5", "QWidget"},
                                     {"cbZSFarbe", "QCheckBox"},
                                     {"cbSchatten", "QCheckBox"},
                                     {"Button4", "QPushButton"},
                                     {"Shape4", "QWidget"},
                                     {"Shape6", "QWidget"},
                                     {"cbZKFarbe", "QCheckBox"},
                                     {"cbKonturtransparenz", "QCheckBox"},
                                     {"Button2", "QPushButton"},
                                     {"Shape1", "QWidget"},
                                     {"Shape7", "QWidget"},
                                     {"cbZFarbe", "QCheckBox"},
                                     {"cbTBack", "QCheckBox"},
                                     {"GroupBoxAffirmations", "QGroupBox"},
                                     {"Label16", "QLabel"},
                                     {"Edit5", "QLineEdit"},
                                     {"Image1", "QWidget"},
                                     {"Image4", "QWidget"},
                                     {"Image5", "QWidget"},
                                     {"Image3", "QWidget"},
                                     {"Image6", "QWidget"},
                                     {"Image7", "QWidget"},
                                     {"Image9", "QWidget"},
                                     {"Image15", "QWidget"},
                                     {"Memo2", "QTextEdit"},
                                     {"Label10", "QLabel"},
                                     {"Label15", "QLabel"},
                                     {"Image11", "QWidget"},
                                     {"GroupBoxDisplay", "QGroupBox"}};
    for (const NamedControl& control : controls) {
        const auto found = dialog->findChildren<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_EQ(found.size(), 1) << control.name;
        EXPECT_TRUE(found.front()->inherits(control.kind))
            << control.name << " is " << found.front()->metaObject()->className();
    }
}

TEST_F(ConfigDialogTest, ThePagesShowTheirCaptionsInTheirGroups) {
    model.show();
    const std::pair<const char*, const std::string&> groups[] = {
        {"GroupBoxDisplay", model.GroupBoxDisplayCaption},
        {"GroupBoxPreview", model.GroupBoxPreviewCaption},
        {"GroupBoxFont", model.GroupBoxFontCaption},
        {"GroupBoxColours", model.GroupBoxColoursCaption},
        {"GroupBoxAffirmations", model.GroupBoxAffirmationsCaption}};
    for (const auto& [name, caption] : groups)
        EXPECT_EQ(dialog->findChild<QGroupBox*>(name)->title().toStdString(), caption) << name;
    EXPECT_EQ(dialog->findChild<QGroupBox*>("GroupBoxColours")->title(), " Farben  ");
    EXPECT_EQ(dialog->findChild<QCheckBox*>("cbSCRPause")->text(), "Pause if screensaver is running");
    EXPECT_EQ(dialog->findChild<QLabel*>("Label13")->text(), "Count: ");
}

TEST_F(ConfigDialogTest, TypingChangesTheAffirmation) {
    edit5->clear();
    QTest::keyClicks(edit5, "Ich bin <b>froh</b> & frei");
    EXPECT_EQ(model.Edit5.text(), "Ich bin <b>froh</b> & frei");
    EXPECT_EQ(h.program.settings().EinzelAffirmation(), "Ich bin <b>froh</b> & frei");
}

TEST_F(ConfigDialogTest, ModelChangesReachTheWidgetsWithoutComingBack) {
    model.show();
    model.Edit5.setText("Neu");
    model.setActivePage(ConfigPage::Display);
    QtProgramHarness::sync();
    EXPECT_EQ(edit5->text(), "Neu");
    EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Display));
    EXPECT_EQ(model.activePage(), ConfigPage::Display);
}

TEST_F(ConfigDialogTest, AHiddenDialogDrawsNothingUntilItOpensAgain) {
    const QString before = edit5->text();
    model.Edit5.setText("Neu");
    model.setActivePage(ConfigPage::Display);
    QtProgramHarness::sync();
    EXPECT_EQ(edit5->text(), before);
    EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Affirmations));
    model.show();
    EXPECT_EQ(edit5->text(), "Neu");
    EXPECT_EQ(pages->currentIndex(), static_cast<int>(ConfigPage::Display));
}

// Most sessions never open the dialog: its window and pictures wait for the first show.
TEST(ConfigDialogBuilding, TheWindowIsBuiltWhenTheDialogFirstOpens) {
    QtProgramHarness h;
    EXPECT_EQ(QtProgramHarness::topLevel<QDialog>("TfrmConfig"), nullptr);
    h.program.config().setActivePage(ConfigPage::About);
    h.program.config().show();
    auto* dialog = QtProgramHarness::topLevel<QDialog>("TfrmConfig");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->findChild<QTabWidget*>("PageControl1")->currentIndex(), static_cast<int>(ConfigPage::About));
    h.program.config().close();
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

// The window manager's close button arrives as a spontaneous close event.
void closeByTheWindowManager(QWidget* window) {
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    static_cast<QObject*>(window)->event(&close);  // sendEvent would clear the flag
}

TEST_F(ConfigDialogTest, EscapeAndTheWindowManagersCloseActAsCancel) {
    const std::string stored = model.Edit5.text();
    for (const auto& dismissIt : std::vector<std::function<void()>>{[&] { QTest::keyClick(dialog, Qt::Key_Escape); },
                                                                    [&] { closeByTheWindowManager(dialog); }}) {
        model.show();
        QTest::keyClicks(edit5, " dismissed");
        ASSERT_NE(model.Edit5.text(), stored);
        dismissIt();
        QtProgramHarness::sync();
        EXPECT_FALSE(model.visible());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(model.Edit5.text(), stored);
        EXPECT_EQ(edit5->text(), QString::fromStdString(stored));
    }
}

TEST_F(ConfigDialogTest, ClosesThatTheProgramOrQtMakeOnlyHide) {
    for (const auto& closeIt : std::vector<std::function<void()>>{
             [&] { model.close(); },       // Hide in the tray menu
             [&] { dialog->close(); }}) {  // Qt closing its windows, as at the end of the session
        model.show();
        QTest::keyClicks(edit5, " kept");
        const std::string edited = model.Edit5.text();
        closeIt();
        QtProgramHarness::sync();
        EXPECT_FALSE(model.visible());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(model.Edit5.text(), edited);
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
