// The Affirmations page: the single affirmation and its live preview.
#include "app/Program.h"
#include "app/Utf8.h"
#include "dialog/TfrmConfig.h"

namespace solvane {

namespace {
constexpr std::size_t ShortestPreviewText = 4;
}

void TfrmConfig::Edit5Change() {
    // A text of fewer than four characters previews the default sentence.
    const std::string& caption =
        Edit5.characterCount() < ShortestPreviewText ? program_.texts.DefaultAffirmation : Edit5.text();
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label11}) label->setCaption(caption);
}

}  // namespace solvane
