// The Font & Color page: the preview's contour, shadow and background reactions,
// and the random boxes.
#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/TextLayers.h"

namespace solvane {

void TfrmConfig::cbKonturtransparenzClick() {
    const bool noContour = cbKonturtransparenz.checked();
    if (noContour) {
        Shape4.setVisible(false);
        Button4.setEnabled(false);
        cbZKFarbe.setEnabled(false);
    } else {
        Button4.setEnabled(!cbZKFarbe.checked());
        cbZKFarbe.setEnabled(true);
        Shape4.setVisible(!cbZKFarbe.checked());
    }
    showContour(previewLabels(), !noContour, Shape4.colour());
}

void TfrmConfig::cbSchattenClick() { showShadow(previewLabels(), cbSchatten.checked()); }

void TfrmConfig::showBackColourInPreview() { Shape2.setColour(Shape1.colour()); }

void TfrmConfig::cbTBackClick() {
    if (cbTBack.checked()) {
        Shape2.setVisible(false);
        Button2.setEnabled(false);
        cbZFarbe.setEnabled(false);
        Shape1.setVisible(false);
    } else {
        Shape2.setColour(Shape1.colour());
        Shape2.setVisible(true);
        Button2.setEnabled(!cbZFarbe.checked());
        cbZFarbe.setEnabled(true);
        Shape1.setVisible(!cbZFarbe.checked());
    }
}

void TfrmConfig::cbZSFarbeClick() {
    const bool random = cbZSFarbe.checked();
    Button3.setEnabled(!random);
    Shape3.setVisible(!random);
    // Back to a fixed colour: the swatch's, so that the preview and the next
    // displays agree with what OK would store.
    if (!random) Label1.setColour(Shape3.colour());
}

void TfrmConfig::cbZKFarbeClick() {
    const bool random = cbZKFarbe.checked();
    Button4.setEnabled(!random);
    Shape4.setVisible(!random);
    if (!random) {
        for (Label* copy : {&Label2, &Label3, &Label4, &Label5}) copy->setColour(Shape4.colour());
    }
}

void TfrmConfig::cbZFarbeClick() {
    const bool random = cbZFarbe.checked();
    Button2.setEnabled(!random);
    Shape1.setVisible(!random);
    if (!random) Shape2.setColour(Shape1.colour());
}

void TfrmConfig::cbZSchriftartClick() {
    Button6.setEnabled(!cbZSchriftart.checked());
    if (cbZSchriftart.checked()) return;
    Edit6.setText(FontDialog1Font.name);
    Label1.setFontName(FontDialog1Font.name);
    cbKonturtransparenzClick();
    cbSchattenClick();
}

void TfrmConfig::cbZSizeClick() {
    if (cbZSize.checked()) return;
    for (Label* label : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label11})
        label->setFontSize(FontDialog1Font.size);
}

}  // namespace solvane
