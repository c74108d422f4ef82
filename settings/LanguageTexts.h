#pragma once
#include <string>

#include "settings/LanguageTable.h"

namespace solvane {

class Program;

// A group box's caption: one space before the text, two after it.
std::string framedCaption(const std::string& text);

// Puts the table's texts into UiTexts, the tray menu, the tray icon's tool tip and the
// settings dialog, each line at its fixed place.
void ApplyLanguageTexts(Program& program, const LanguageTable& table);

}  // namespace solvane
