#include "platform/qt/ColourChooser.h"

#include <QColorDialog>

#include "platform/qt/ChooserModality.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {

std::optional<Colour> chooseColour(QWidget* parent, Colour initial) {
    QColorDialog chooser(toQColor(initial), parent);
    chooser.setObjectName(QStringLiteral("ColorDialog1"));
    chooser.setOption(QColorDialog::DontUseNativeDialog);
    blockOnlyTheParent(chooser);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    const QColor chosen = chooser.selectedColor();
    return rgb(chosen.red(), chosen.green(), chosen.blue());
}

}  // namespace solvane::qt
