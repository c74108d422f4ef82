#include "app/TfrmSlv17k30Main.h"

#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/DisplayCycle.h"
#include "display/TfrmHint.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace solvane {

namespace {
constexpr int StartupTickMs = 900;
}

TfrmSlv17k30Main::TfrmSlv17k30Main(Program& program)
    : TrayIcon1(program.platform.loop),
      Timer2(program.platform.timers, StartupTickMs, true, [this] { program_.guarded([this] { Timer2Timer(); }); }),
      program_(program) {
    notifier.setGuard([this](const std::function<void()>& action) { program_.guarded(action); });
    StartStopp1.setCaption("&Stop");
    N1.setCaption("-");
    Affirmationen1.setCaption("&Affirmations...");
    FarbeSchrift1.setCaption("&Font && Color...");
    Anzeige1.setCaption("&Display...");
    N3.setCaption("-");
    Hilfe1.setCaption("&Help...");
    OnlineTutorials1.setCaption("&Online Tutorials...");
    About1.setCaption("Abo&ut...");
    N2.setCaption("-");
    Verstecken1.setCaption("&Hide");
    Beenden1.setCaption("&Exit");

    StartStopp1.onClick = [this] { StartStopp1Click(); };
    Affirmationen1.onClick = [this] { Affirmationen1Click(); };
    FarbeSchrift1.onClick = [this] { FarbeSchrift1Click(); };
    Anzeige1.onClick = [this] { Anzeige1Click(); };
    Hilfe1.onClick = [this] { Hilfe1Click(); };
    OnlineTutorials1.onClick = [this] { OnlineTutorials1Click(); };
    About1.onClick = [this] { About1Click(); };
    Verstecken1.onClick = [this] { Verstecken1Click(); };
    Beenden1.onClick = [this] { Beenden1Click(); };
}

TfrmSlv17k30Main::~TfrmSlv17k30Main() = default;

void TfrmSlv17k30Main::FormCreate() {
    TrayIcon1.attach(program_.platform.windows.createTrayView(*this));
    // The icon enters the notification area before its image and tool tip are set;
    // the tool tip is applied once more when the event loop runs.
    TrayIcon1.setActive(true);
    TrayIcon1.setIcon(platform::TrayImage::Running);
    TrayIcon1.setToolTip("Left-Click: Stop / Right-Click: Menu");
    TrayIcon1.OnClick = [this] { program_.guarded([this] { StartStopp1Click(); }); };
    TrayIcon1.OnRightClick = [this](Point cursor) {
        program_.guarded([this, cursor] { TrayIcon1RightClick(cursor); });
    };

    // Another instance that starts ends this one without its close handler: nothing is saved.
    program_.platform.instances.announce([this] { program_.terminate(0); });
}

void TfrmSlv17k30Main::FormClose() { SaveSettings(program_); }

void TfrmSlv17k30Main::close() {
    // A program that is already ending (the session's end, another instance's request)
    // saves nothing more: an Exit that was still waiting among the events changes nothing.
    if (program_.ending()) return;
    FormClose();
    program_.terminate(0);
}

void TfrmSlv17k30Main::queryEndSession() { program_.terminate(1); }

bool TfrmSlv17k30Main::rightToLeft() const { return program_.texts.RightToLeft; }

bool TfrmSlv17k30Main::running() const { return StartStopp1.caption() == program_.texts.MenuStop; }

void TfrmSlv17k30Main::Timer2Timer() {
    Timer2.setEnabled(false);
    const CommandLine& words = program_.words;
    if (asciiLower(words.word1) == "hide" || asciiLower(words.word2) == "hide") TrayIcon1.setActive(false);
    if (words.word1 == "reload") ResumeAfterRestart(program_);
    const auto count = parseInteger(words.word3);
    if (!program_.settings().StartWithPause() && (!count || *count <= 0)) {
        program_.config().Timer1Timer();
    }
}

}  // namespace solvane
