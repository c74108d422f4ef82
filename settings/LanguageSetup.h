#pragma once

namespace solvane {

class Program;

// Chooses the interface language when the settings dialog is created and applies its texts.
void setUpLanguage(Program& program);

}  // namespace solvane
