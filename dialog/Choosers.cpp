// The Font & Color page's font chooser and colour choosers.
#include "app/Program.h"
#include "dialog/TfrmConfig.h"

namespace solvane {

namespace {
constexpr Colour Black = 0x000000;

// A chosen font takes the chooser's name, size and style; the colour is not the chooser's.
void takeShape(FontSpec& target, const FontSpec& chosen) {
    target.name = chosen.name;
    target.size = chosen.size;
    target.style = chosen.style;
}
}  // namespace

void TfrmConfig::Button6Click() {
    if (!view_) return;
    LabelToSaveFontWhileDialogIsOpen = Label1.font();
    const auto chosen = view_->chooseFont(FontDialog1Font, FontDialog1Show(), [this](const FontSpec& font) {
        program_.guarded([&] { FontDialog1Apply(font); });
    });
    if (chosen) {
        takeShape(FontDialog1Font, *chosen);
        FontSpec font = Label1.font();
        takeShape(font, *chosen);
        Label1.setFont(font);
        Edit6.setText(font.name);
    } else {
        // Cancel takes back the text font the preview had when the chooser opened,
        // also over what a showing wrote into it meanwhile.
        Label1.setFont(LabelToSaveFontWhileDialogIsOpen);
    }
    cbKonturtransparenzClick();
    cbSchattenClick();
}

Point TfrmConfig::FontDialog1Show() { return view_ ? view_->fontChooserPosition() : Point{}; }

void TfrmConfig::FontDialog1Apply(const FontSpec& font) {
    takeShape(FontDialog1Font, font);
    FontSpec text = Label1.font();
    takeShape(text, font);
    text.colour = Shape3.colour();
    Label1.setFont(text);
    for (Label* copy : {&Label2, &Label3, &Label4, &Label5}) {
        FontSpec contour = copy->font();
        takeShape(contour, font);
        contour.colour = Shape4.colour();
        copy->setFont(contour);
    }
    FontSpec shadow = Label11.font();
    takeShape(shadow, font);
    shadow.colour = Black;
    Label11.setFont(shadow);
    Edit6.setText(Label1.font().name);
}

void TfrmConfig::Shape3MouseUp() {
    if (!view_) return;
    if (const auto colour = view_->chooseColour(Shape3.colour())) {
        Shape3.setColour(*colour);
        Label1.setColour(*colour);
        FontDialog1Font.colour = *colour;
    }
}

void TfrmConfig::Shape4MouseUp() {
    if (!view_) return;
    if (const auto colour = view_->chooseColour(Shape4.colour())) {
        Shape4.setColour(*colour);
        for (Label* copy : {&Label2, &Label3, &Label4, &Label5}) copy->setColour(*colour);
    }
}

void TfrmConfig::Shape1MouseUp() {
    if (!view_) return;
    if (const auto colour = view_->chooseColour(Shape1.colour())) {
        Shape1.setColour(*colour);
        Shape2.setColour(*colour);
    }
}

}  // namespace solvane
