#pragma once

namespace solvane {

class Program;
class TfrmConfig;
struct UiTexts;

// The per-user key that holds every setting.
inline constexpr const char* SettingsKeyPath = "Software\\Marwick\\Marwick's Solvane";

// Reads the stored settings into the live controls (stage 1, guarded) and the
// affirmation window's counter and font order (stage 2).
void LoadSettings(Program& program);
// Writes the log-on start entry, then every setting.
void SaveSettings(Program& program);
// Gives the dialog's controls the stored settings' defaults: the state a load keeps
// for the values after one of the wrong type, and so what a first save stores then.
void SetStoredDefaults(TfrmConfig& config, const UiTexts& texts);

}  // namespace solvane
