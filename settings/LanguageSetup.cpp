#include "settings/LanguageSetup.h"

#include "app/Program.h"

namespace solvane {

void setUpLanguage(Program& program) {
    // The interface starts in English with the English web pages.
    program.texts = UiTexts{};
}

}  // namespace solvane
