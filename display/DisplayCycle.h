#pragma once
#include <cstdint>
#include <string>

namespace solvane {

class Program;

// The display cycle: a pause, then one or several displays, then the next pause.
// It is driven by the pause timer (TfrmConfig::PauseTimer) and the display timer (TfrmHint::DisplayTimer).

// Ends a pause: takes over the run's count and shows an affirmation now.
void PauseEnd(Program& program);
// Ends a display: hides the window, waits a short gap, counts the run down and
// either shows the next affirmation of the run or lets the pause run.
void DisplayEnd(Program& program);
// Continues the run that a restarting instance was in (third command-line word).
void ResumeAfterRestart(Program& program);

// The count text converted strictly: throws when it is not a number.
std::int32_t strictCount(const std::string& text);

}  // namespace solvane
