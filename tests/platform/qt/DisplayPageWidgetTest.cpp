#include "platform/qt/DisplayPageWidget.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "DialogTestSupport.h"
#include "display/TfrmHint.h"
#include "platform/fake/FakeEventLoop.h"
#include "settings/SettingsStore.h"

namespace solvane::qt {
namespace {

struct DisplayPageWidgetTest : testing::DialogFixture {
    void SetUp() override {
        DialogFixture::SetUp();
        showPage(ConfigPage::Display);
    }
    QLineEdit* edit(const char* name) { return find<QLineEdit>(name); }
    // The user selects the field's text and types over it.
    static void typeOver(QLineEdit* field, const char* text) {
        field->selectAll();
        QTest::keyClicks(field, text);
        testing::QtProgramHarness::sync();
    }
};

TEST_F(DisplayPageWidgetTest, TabVisitsTheControlsInTheirOrder) {
    const std::vector<std::string> expected{
        "ComboBox1",          "cbAutorun",        "Edit1",      "Edit4",      "tbAnzeige",
        "cbVollbild",         "cbMultiple",       "Edit8",      "Edit3",      "Edit2",
        "tbAnzeigeIntervall", "cbStartWithPause", "cbSCRPause", "cbVersteckt"};
    EXPECT_EQ(tabOrder(find<QWidget>("TabDisplay"), find<QWidget>("ComboBox1")), expected);
}

TEST_F(DisplayPageWidgetTest, ShowsTheLoadedValues) {
    EXPECT_EQ(find<QComboBox>("ComboBox1")->currentText(), "1. Monitor (1024 x 768 Pixel)");
    EXPECT_FALSE(find<QComboBox>("ComboBox1")->isEditable());
    EXPECT_TRUE(find<QCheckBox>("cbAutorun")->isChecked());
    EXPECT_EQ(edit("Edit1")->text(), "2");
    EXPECT_EQ(edit("Edit4")->text(), "700");
    EXPECT_EQ(edit("Edit3")->text(), "0");
    EXPECT_EQ(edit("Edit2")->text(), "18");
    EXPECT_EQ(edit("Edit8")->text(), "03");
    QSlider* display = find<QSlider>("tbAnzeige");
    EXPECT_EQ(display->value(), 2700);
    EXPECT_EQ(display->minimum(), 50);
    EXPECT_EQ(display->maximum(), 59999);
    EXPECT_EQ(display->tickPosition(), QSlider::NoTicks);
    EXPECT_EQ(display->singleStep(), 1);
    EXPECT_EQ(display->pageStep(), 2);
    QSlider* pause = find<QSlider>("tbAnzeigeIntervall");
    EXPECT_EQ(pause->value(), 18);
    EXPECT_EQ(pause->minimum(), 5);
    EXPECT_EQ(pause->maximum(), 5999);
}

TEST_F(DisplayPageWidgetTest, MultipleAffirmationsGreysFullscreenAndFreesTheCount) {
    auto* multiple = find<QCheckBox>("cbMultiple");
    auto* fullscreen = find<QCheckBox>("cbVollbild");
    click(fullscreen);
    ASSERT_TRUE(fullscreen->isChecked());
    for (const bool on : {true, false}) {
        click(multiple);
        EXPECT_EQ(model.cbMultiple.checked(), on);
        EXPECT_EQ(fullscreen->isEnabled(), !on);
        EXPECT_TRUE(fullscreen->isChecked()) << "a greyed box keeps its tick";
        EXPECT_EQ(edit("Edit8")->isEnabled(), on);
        EXPECT_EQ(find<QWidget>("Label13")->isEnabled(), on);
    }
}

TEST_F(DisplayPageWidgetTest, AutorunOffGreysHide) {
    click(find<QCheckBox>("cbVersteckt"));
    click(find<QCheckBox>("cbAutorun"));
    EXPECT_FALSE(find<QCheckBox>("cbVersteckt")->isEnabled());
    EXPECT_TRUE(find<QCheckBox>("cbVersteckt")->isChecked());
}

TEST_F(DisplayPageWidgetTest, LettersInTheCountTurnIntoTheResetText) {
    click(find<QCheckBox>("cbMultiple"));
    typeOver(edit("Edit8"), "abc");
    EXPECT_EQ(model.Edit8.text(), "0002");
    EXPECT_EQ(edit("Edit8")->text(), "0002");
}

TEST_F(DisplayPageWidgetTest, TheCountTakesAtMostFourCharacters) {
    click(find<QCheckBox>("cbMultiple"));
    QLineEdit* count = edit("Edit8");
    typeOver(count, "1234");
    EXPECT_EQ(count->selectedText(), "1234") << "a full field is selected, so the next key replaces it";
    QTest::keyClicks(count, "5");
    EXPECT_EQ(model.Edit8.text(), "5");

    typeOver(count, "1234");
    count->end(false);
    QTest::keyClicks(count, "5");
    EXPECT_EQ(model.Edit8.text(), "1234");
    EXPECT_EQ(count->text(), "1234");
}

TEST_F(DisplayPageWidgetTest, SecondsAreCheckedWhenTheFieldIsLeft) {
    QLineEdit* seconds = edit("Edit1");
    typeOver(seconds, "75");
    EXPECT_EQ(seconds->text(), "75") << "Edit1 has no check while typing";
    EXPECT_EQ(model.tbAnzeige.position(), 2700);

    leave(seconds, Qt::ActiveWindowFocusReason);  // another window took the focus
    EXPECT_EQ(seconds->text(), "75");

    leave(seconds);
    EXPECT_EQ(seconds->text(), "0");
    EXPECT_EQ(model.tbAnzeige.position(), 700);
    EXPECT_EQ(find<QSlider>("tbAnzeige")->value(), 700);
}

TEST_F(DisplayPageWidgetTest, ShortDisplayTimesAndPausesRiseToTheirMinimumOnLeaving) {
    typeOver(edit("Edit4"), "30");
    EXPECT_EQ(model.tbAnzeige.position(), 2030);
    typeOver(edit("Edit1"), "0");
    leave(edit("Edit1"));
    EXPECT_EQ(edit("Edit1")->text(), "0");
    EXPECT_EQ(edit("Edit4")->text(), "50");
    EXPECT_EQ(model.tbAnzeige.position(), 50);

    typeOver(edit("Edit3"), "00");
    typeOver(edit("Edit2"), "3");
    leave(edit("Edit2"));
    EXPECT_EQ(edit("Edit2")->text(), "5");
    EXPECT_EQ(model.tbAnzeigeIntervall.position(), 5);
}

TEST_F(DisplayPageWidgetTest, MovingTheBarsRewritesTheFields) {
    find<QSlider>("tbAnzeige")->setValue(12345);  // as a drag of the handle does
    find<QSlider>("tbAnzeigeIntervall")->setValue(61);
    testing::QtProgramHarness::sync();
    EXPECT_EQ(edit("Edit1")->text(), "12");
    EXPECT_EQ(edit("Edit4")->text(), "345");
    EXPECT_EQ(edit("Edit3")->text(), "1");
    EXPECT_EQ(edit("Edit2")->text(), "1");
    EXPECT_EQ(h.program.hint().DisplayTimer.interval(), 12345);
    EXPECT_EQ(model.PauseTimer.interval(), 61'000);
}

TEST_F(DisplayPageWidgetTest, TheKeysMoveTheBarByOneAndTwo) {
    QSlider* bar = find<QSlider>("tbAnzeigeIntervall");
    QTest::keyClick(bar, Qt::Key_Right);
    EXPECT_EQ(model.tbAnzeigeIntervall.position(), 19);
    QTest::keyClick(bar, Qt::Key_PageUp);
    EXPECT_EQ(model.tbAnzeigeIntervall.position(), 21);
}

// Notes the virtual time at which a window is hidden.
class HideClock : public QObject {
public:
    HideClock(QWidget* window, const fake::FakeEventLoop& loop) : loop_(loop) { window->installEventFilter(this); }
    std::int64_t hiddenAt = -1;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) hiddenAt = loop_.now();
        return false;
    }

private:
    const fake::FakeEventLoop& loop_;
};

TEST_F(DisplayPageWidgetTest, MovingTheDisplayBarRetimesTheRunningDisplay) {
    auto& loop = h.fake.loop;
    ASSERT_TRUE(loop.advanceUntil([&] { return h.program.hint().visible(); }, 2000));
    HideClock affirmation(testing::QtProgramHarness::topLevel<QWidget>("TfrmHint"), loop);
    loop.advance(1000);
    const std::int64_t movedAt = loop.now();
    find<QSlider>("tbAnzeige")->setValue(5000);  // as a drag of the handle does
    ASSERT_TRUE(loop.advanceUntil([&] { return !h.program.hint().visible(); }, 10'000));
    EXPECT_EQ(affirmation.hiddenAt, movedAt + 5000);
}

TEST_F(DisplayPageWidgetTest, AClickSelectsTheWholeField) {
    QLineEdit* field = edit("Edit4");
    field->deselect();
    QTest::mouseClick(field, Qt::LeftButton);
    testing::QtProgramHarness::sync();
    EXPECT_EQ(field->selectedText(), "700");
}

TEST_F(DisplayPageWidgetTest, TabIntoAFieldThatLeavingTheLastOneRewroteSelectsItsNewText) {
    // 2 s 0 ms: seconds "0" and Tab take the bar to its minimum, which rewrites the
    // milliseconds from "0" to "50" while the focus moves to them.
    model.tbAnzeige.setPosition(2000);
    testing::QtProgramHarness::sync();
    dialog->activateWindow();
    QLineEdit* seconds = edit("Edit1");
    seconds->setFocus(Qt::MouseFocusReason);
    typeOver(seconds, "0");
    QTest::keyClick(seconds, Qt::Key_Tab);
    testing::QtProgramHarness::sync();
    QLineEdit* milliseconds = edit("Edit4");
    ASSERT_EQ(QApplication::focusWidget(), milliseconds);
    EXPECT_EQ(milliseconds->selectedText(), "50");

    // "7" replaces the selection; the bar is at 50 already, so the field keeps "7".
    QTest::keyClicks(milliseconds, "7");
    testing::QtProgramHarness::sync();
    EXPECT_EQ(model.Edit4.text(), "7");
    EXPECT_EQ(milliseconds->text(), "7");
    EXPECT_EQ(model.tbAnzeige.position(), 50);
    EXPECT_EQ(h.program.hint().DisplayTimer.interval(), 50);
}

TEST_F(DisplayPageWidgetTest, ChoosingAMonitorSelectsIt) {
    h.fake.monitors.monitors.push_back({1024, 0, 1920, 1080});
    LoadSettings(h.program);
    testing::QtProgramHarness::sync();
    auto* list = find<QComboBox>("ComboBox1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), "2. Monitor (1920 x 1080 Pixel)");
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(model.ComboBox1.itemIndex(), 1);
}

}  // namespace
}  // namespace solvane::qt
