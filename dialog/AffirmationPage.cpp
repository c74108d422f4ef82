// The Affirmations page: the single affirmation and its live preview.
#include "app/Program.h"
#include "app/Utf8.h"
#include "dialog/TfrmConfig.h"
#include "display/VisibleLine.h"

namespace solvane {

namespace {
constexpr std::size_t ShortestPreviewText = 4;
// The preview lies within its page, 486 pixels wide: no more of a line can show there.
constexpr int PreviewPageWidth = 486;
}  // namespace

void TfrmConfig::Edit5Change() {
    // A text of fewer than four characters previews the default sentence.
    // A pasted text of megabytes is cut to what the preview can show, so that its six
    // labels cost no more than one visible line each.
    const std::string previewText = Edit5.characterCount() < ShortestPreviewText
                                        ? program_.texts.DefaultAffirmation
                                        : cutCaption(Edit5.text(), longestVisibleLine(PreviewPageWidth));
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label11}) label->setCaption(previewText);
}

}  // namespace solvane
