// The tray controller: what the icon's clicks and the tray menu's items do.
#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "settings/Settings.h"

namespace solvane {

namespace {
constexpr int CutDisplayMs = 10;
}

void TfrmSlv17k30Main::StartStopp1Click() {
    TfrmConfig& config = program_.config();
    TfrmHint& hint = program_.hint();
    RemainingInRun = 0;
    const bool start =
        StartStopp1.caption() != program_.texts.MenuStop && !hint.DisplayTimer.enabled() && !hint.visible();
    config.PauseTimer.setEnabled(start);
    program_.platform.loop.processPendingEvents();
    hint.DisplayTimer.setInterval(CutDisplayMs);
    program_.platform.loop.processPendingEvents();
    // Ticks may have run in between: follow the pause timer as it is now.
    if (config.PauseTimer.enabled()) {
        StartStopp1.setCaption(program_.texts.MenuStop);
        TrayIcon1.setToolTip(program_.texts.TipStop);
        TrayIcon1.setIcon(platform::TrayImage::Running);
        if (!program_.settings().StartWithPause()) config.Timer1Timer();
    } else {
        StartStopp1.setCaption(program_.texts.MenuStart);
        TrayIcon1.setToolTip(program_.texts.TipStart);
        TrayIcon1.setIcon(platform::TrayImage::Stopped);
    }
}

void TfrmSlv17k30Main::TrayIcon1RightClick(Point cursor) {
    if (TrayIcon1.view()) TrayIcon1.view()->popupMenu(cursor);
}

void TfrmSlv17k30Main::Affirmationen1Click() {
    program_.config().setActivePage(ConfigPage::Affirmations);
    program_.config().show();
}

void TfrmSlv17k30Main::FarbeSchrift1Click() {
    program_.config().setActivePage(ConfigPage::FontColour);
    program_.config().show();
}

void TfrmSlv17k30Main::Anzeige1Click() {
    program_.config().setActivePage(ConfigPage::Display);
    program_.config().show();
}

void TfrmSlv17k30Main::About1Click() {
    program_.config().setActivePage(ConfigPage::About);
    program_.config().show();
}

void TfrmSlv17k30Main::Hilfe1Click() { program_.platform.shell.open(program_.platform.files.helpFilePath()); }

void TfrmSlv17k30Main::OnlineTutorials1Click() { program_.platform.shell.open(program_.texts.pages.TutorialPage); }

void TfrmSlv17k30Main::Verstecken1Click() {
    TrayIcon1.setActive(false);
    if (program_.config().visible()) program_.config().close();
    if (StartStopp1.caption() == program_.texts.MenuStart) StartStopp1Click();
}

void TfrmSlv17k30Main::Beenden1Click() { close(); }

}  // namespace solvane
