#pragma once
#include <cstdint>

#include "app/TTrayIcon.h"
#include "app/controls/ChangeNotifier.h"
#include "app/controls/SimpleControls.h"
#include "app/controls/Timer.h"

namespace solvane {

class Program;

// The invisible main window: owner of the tray icon, the tray menu, the start-up
// tick and the counters of a run of several affirmations. Its class name is also
// the identity of a running instance: a second start finds the first by it.
class TfrmSlv17k30Main {
public:
    explicit TfrmSlv17k30Main(Program& program);
    ~TfrmSlv17k30Main();
    TfrmSlv17k30Main(const TfrmSlv17k30Main&) = delete;
    TfrmSlv17k30Main& operator=(const TfrmSlv17k30Main&) = delete;

    ChangeNotifier notifier;

    void FormCreate();
    // Saves the settings; closing the main window ends the program.
    void FormClose();
    void close();
    // The session is ending (log-off or shutdown): end at once with exit code 1, saving nothing.
    void queryEndSession();

    TTrayIcon TrayIcon1;

    // The tray menu, top to bottom. The items keep their German, numbered names;
    // N1, N2 and N3 are the separator lines.
    MenuItem StartStopp1{&notifier};  // "Start" / "Stop" the display cycle
    MenuItem N1{&notifier};
    MenuItem Affirmationen1{&notifier};  // opens the dialog's Affirmations page
    MenuItem FarbeSchrift1{&notifier};   // "Font & Color" page ("colour, font")
    MenuItem Anzeige1{&notifier};        // "Display" page
    MenuItem N3{&notifier};
    MenuItem Hilfe1{&notifier};            // the help ("help")
    MenuItem OnlineTutorials1{&notifier};  // the tutorials web page
    MenuItem About1{&notifier};            // the About page
    MenuItem N2{&notifier};
    MenuItem Verstecken1{&notifier};  // hides the tray icon ("hide")
    MenuItem Beenden1{&notifier};     // ends the program ("quit")

    // The menu is mirrored for a language written from right to left.
    bool rightToLeft() const;

    // The cycle counts as running exactly while the Start/Stop item reads UiTexts.MenuStop.
    bool running() const;

    void StartStopp1Click();
    void TrayIcon1RightClick(Point cursor);
    void Affirmationen1Click();
    void FarbeSchrift1Click();
    void Anzeige1Click();
    void Hilfe1Click();
    void OnlineTutorials1Click();
    void About1Click();
    void Verstecken1Click();
    void Beenden1Click();

    // The start-up tick: fires once, 900 ms after creation.
    Timer Timer2;
    void Timer2Timer();

    // Affirmations still to show in the current run, the one on screen included.
    std::int32_t RemainingInRun = 0;
    // The count last taken over into a run.
    std::int32_t RunLength = 0;

private:
    Program& program_;
};

}  // namespace solvane
