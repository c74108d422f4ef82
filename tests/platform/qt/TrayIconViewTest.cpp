#include "platform/qt/TrayIconView.h"

#include <gtest/gtest.h>
#include <QDialog>
#include <QMouseEvent>

#include "QtProgramHarness.h"
#include "settings/UiTexts.h"

namespace solvane::qt {
namespace {

using testing::QtProgramHarness;

struct TrayIconViewTest : ::testing::Test {
    QtProgramHarness h;
    TfrmSlv17k30Main& main = h.program.main();
    TrayIconView& view = dynamic_cast<TrayIconView&>(*main.TrayIcon1.view());

    QAction* action(const char* name) { return view.menu().findChild<QAction*>(name); }
    void hostReports(QSystemTrayIcon::ActivationReason reason) { emit view.icon().activated(reason); }
};

TEST_F(TrayIconViewTest, MenuListsTheItemsInOrder) {
    const QList<QAction*> actions = view.menu().actions();
    ASSERT_EQ(actions.size(), 12);
    const MenuItem* items[] = {&main.StartStopp1, &main.N1, &main.Affirmationen1, &main.FarbeSchrift1,
                               &main.Anzeige1,    &main.N3, &main.Hilfe1,         &main.OnlineTutorials1,
                               &main.About1,      &main.N2, &main.Verstecken1,    &main.Beenden1};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(actions[i]->isSeparator(), items[i]->isSeparator()) << i;
        if (!items[i]->isSeparator()) {
            EXPECT_EQ(actions[i]->text(), QString::fromStdString(items[i]->caption())) << i;
        }
    }
    EXPECT_TRUE(actions[1]->isSeparator() && actions[5]->isSeparator() && actions[9]->isSeparator());
    EXPECT_EQ(action("FarbeSchrift1")->text(), "&Font && Color...");
}

TEST_F(TrayIconViewTest, MenuFollowsCaptionChanges) {
    main.Verstecken1.setCaption("&Verstecken");
    QtProgramHarness::sync();
    EXPECT_EQ(action("Verstecken1")->text(), "&Verstecken");
}

TEST_F(TrayIconViewTest, AMenuItemOpensItsPage) {
    action("Anzeige1")->trigger();
    EXPECT_EQ(h.program.config().activePage(), ConfigPage::Display);
    EXPECT_TRUE(h.program.config().visible());
    EXPECT_TRUE(QtProgramHarness::topLevel<QDialog>("TfrmConfig")->isVisible());
    h.program.config().close();
}

TEST_F(TrayIconViewTest, LeftClickTogglesTheCycle) {
    ASSERT_TRUE(main.running());
    hostReports(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(main.running());
    QtProgramHarness::sync();
    EXPECT_EQ(action("StartStopp1")->text(), QString::fromStdString(h.program.texts.MenuStart));
}

// One thing the tray host or the mouse does.
struct HostStep {
    QSystemTrayIcon::ActivationReason reason = QSystemTrayIcon::Unknown;
    Qt::MouseButtons held;
    Qt::MouseButton released = Qt::NoButton;  // a release instead of a report
};

struct ClickCase {
    const char* name;
    std::vector<HostStep> steps;
    std::string expected;
};

class TrayIconClicks : public TrayIconViewTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(TrayIconClicks, ReachTheIconAsButtonReleases) {
    std::string seen;
    main.TrayIcon1.OnClick = [&] { seen += "click "; };
    main.TrayIcon1.OnDblClick = [&] { seen += "double "; };
    main.TrayIcon1.OnRightClick = [&](Point) { seen += "right "; };
    QWidget trayWidget;
    for (const HostStep& step : GetParam().steps) {
        if (step.released != Qt::NoButton) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), step.released, {}, {});
            QCoreApplication::sendEvent(&trayWidget, &release);
        } else {
            view.hostActivated(step.reason, step.held);
        }
    }
    EXPECT_EQ(seen, GetParam().expected);
}

const HostStep LeftPress{QSystemTrayIcon::Trigger, Qt::LeftButton};
const HostStep LeftRelease{QSystemTrayIcon::Unknown, {}, Qt::LeftButton};
const HostStep RightPress{QSystemTrayIcon::Context, Qt::RightButton};
const HostStep RightRelease{QSystemTrayIcon::Unknown, {}, Qt::RightButton};

INSTANTIATE_TEST_SUITE_P(
    Hosts, TrayIconClicks,
    ::testing::Values(ClickCase{"ActivateWithoutButton", {{QSystemTrayIcon::Trigger, {}}}, "click "},
                      ClickCase{"PressWaitsForRelease", {LeftPress}, ""},
                      ClickCase{"PressAndRelease", {LeftPress, LeftRelease}, "click "},
                      ClickCase{"OtherButtonReleaseDoesNotCount", {LeftPress, RightRelease}, ""},
                      ClickCase{"DoubleClick",
                                {LeftPress, LeftRelease, {QSystemTrayIcon::DoubleClick, Qt::LeftButton}, LeftRelease},
                                "click double click "},
                      ClickCase{"DoubleClickWithoutButton", {{QSystemTrayIcon::DoubleClick, {}}}, "double click "},
                      ClickCase{"RightPressAndRelease", {RightPress, RightRelease}, "right "},
                      ClickCase{"ContextWithoutButton", {{QSystemTrayIcon::Context, {}}}, "right "},
                      ClickCase{"MiddleClickIgnored", {{QSystemTrayIcon::MiddleClick, Qt::MiddleButton}}, ""},
                      ClickCase{"ReleaseWithoutPress", {LeftRelease}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrayIconViewTest, RightClickOpensTheMenu) {
    hostReports(QSystemTrayIcon::Context);
    EXPECT_TRUE(view.menu().isVisible());
    view.menu().hide();
}

TEST_F(TrayIconViewTest, IconFollowsTheModel) {
    EXPECT_TRUE(view.icon().isVisible());
    EXPECT_EQ(view.icon().toolTip().contains("Right-Click: Menu"), true);
    main.TrayIcon1.setActive(false);
    EXPECT_FALSE(view.icon().isVisible());
    main.TrayIcon1.setActive(true);
    EXPECT_TRUE(view.icon().isVisible());
}

}  // namespace
}  // namespace solvane::qt
