#include "display/TfrmHint.h"

#include "app/MemoryWatchdog.h"
#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/DisplayCycle.h"
#include "settings/Settings.h"

namespace solvane {

namespace {
constexpr int CutDisplayMs = 10;
constexpr int FailedShowingWaitMs = 99;
}  // namespace

TfrmHint::TfrmHint(Program& program)
    : DisplayTimer(program.platform.timers, 1000, false, [this] { program_.guarded([this] { Timer1Timer(); }); }),
      program_(program) {
    notifier.setGuard([this](const std::function<void()>& action) { program_.guarded(action); });
    for (Label* layer : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6}) {
        layer->onClick = [this] { Label1Click(); };
    }
    for (Label* copy : {&Label2, &Label3, &Label4, &Label5, &Label6}) copy->setVisible(false);
}

TfrmHint::~TfrmHint() = default;

void TfrmHint::FormCreate() {
    view_ = program_.platform.windows.createHintView(*this);
    backgroundTransparent = true;
    Label1.setPosition({5, 5});
    MemoryBaselineMB = wholeMebibytes(program_.platform.memory.workingSetBytes());
    buildFontCatalogue();
}

void TfrmHint::FormDestroy() { catalogue.entries.clear(); }

void TfrmHint::show() {
    if (visible_) {
        if (view_) view_->show();
        return;
    }
    visible_ = true;
    if (view_) view_->showingStarts();
    FormShow();
    if (visible_ && view_) view_->show();
}

void TfrmHint::hide() {
    if (!visible_) return;
    visible_ = false;
    if (view_) view_->hide();
}

void TfrmHint::makeTopmost() {
    if (visible_ && view_) view_->makeTopmost();
}

void TfrmHint::FormShow() {
    TfrmConfig& config = program_.config();
    platform::EventLoop& loop = program_.platform.loop;

    config.PauseTimer.setEnabled(false);
    loop.processPendingEvents();

    AffirmationenDisplayCounter += 1;
    config.setServedLine("Marwick's Solvane Premium (" + std::to_string(AffirmationenDisplayCounter) +
                         " Affirmations served)");

    DisplayTimer.setEnabled(false);
    // The program's taskbar entry belongs to the settings dialog alone; the
    // affirmation window never has one, so there is nothing to hide here.

    random.reseed(program_.platform.clock.counter());
    try {
        compose();
    } catch (const std::exception&) {
        // A failed showing still shows for its display time; the cycle never stalls.
        loop.sleepMs(FailedShowingWaitMs);
    }
    if (view_) view_->refresh();

    for (int i = 0; i < 3; ++i) loop.processPendingEvents();
    DisplayTimer.setInterval(program_.settings().Anzeige());
    DisplayTimer.setEnabled(true);
    loop.processPendingEvents();
}

void TfrmHint::Label1Click() { DisplayTimer.setInterval(CutDisplayMs); }

void TfrmHint::Timer1Timer() { DisplayEnd(program_); }

}  // namespace solvane
