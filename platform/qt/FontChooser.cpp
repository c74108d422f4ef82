#include "platform/qt/FontChooser.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "platform/qt/ChooserModality.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/QtFonts.h"

namespace solvane::qt {
namespace {

int pointSizeOf(const QFont& font) {
    if (font.pointSize() > 0) return font.pointSize();
    return static_cast<int>(std::lround(font.pointSizeF()));
}

}  // namespace

FontChooser::FontChooser(const FontSpec& initial, QWidget* parent) : QFontDialog(parent), initial_(initial) {
    setObjectName(QStringLiteral("FontDialog1"));
    setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    setCurrentFont(toQFont(initial));
    hideEffects();
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        apply_ = buttons->addButton(tr("&Apply"), QDialogButtonBox::ApplyRole);
        apply_->setObjectName(QStringLiteral("Apply"));
        connect(apply_, &QPushButton::clicked, this, [this] {
            if (acceptSize() && onApply) onApply(currentSpec());
        });
    }
}

void FontChooser::hideEffects() {
    // Qt's dialog has no option for this: its effects are the group of check boxes
    // (strike-out and underline). The style bits of the initial font stay as they are.
    // The sample beside it takes its height from the effects, so it keeps that height.
    int effectsHeight = 0;
    const QList<QGroupBox*> groups = findChildren<QGroupBox*>();
    for (QGroupBox* group : groups) {
        if (!group->findChild<QCheckBox*>()) continue;
        effectsHeight = std::max(effectsHeight, group->sizeHint().height());
        group->hide();
    }
    for (QGroupBox* group : groups) {
        if (group->isHidden()) continue;
        group->setMinimumHeight(effectsHeight);
    }
}

FontSpec FontChooser::currentSpec() const {
    const QFont font = currentFont();
    FontSpec spec;
    // The list shows a family once per foundry; the page and the store keep the plain name.
    spec.name = toStdString(plainFamilyName(font.family()));
    spec.size = pointSizeOf(font);
    spec.style = (font.bold() ? StyleBold : 0) | (font.italic() ? StyleItalic : 0) |
                 (font.underline() ? StyleUnderline : 0) | (font.strikeOut() ? StyleStrikeOut : 0);
    spec.colour = initial_.colour;
    return spec;
}

bool FontChooser::acceptSize() {
    QFont font = currentFont();
    const int size = pointSizeOf(font);
    const int allowed = std::clamp(size, SmallestSize, LargestSize);
    if (size == allowed) return true;
    font.setPointSize(allowed);
    setCurrentFont(font);
    return false;
}

void FontChooser::done(int result) {
    if (result == QDialog::Accepted && !acceptSize()) return;  // stays open
    QFontDialog::done(result);
}

std::optional<FontSpec> chooseFont(QWidget* parent, const FontSpec& initial, QPoint topLeft,
                                   const std::function<void(const FontSpec&)>& onApply) {
    FontChooser chooser(initial, parent);
    chooser.onApply = onApply;
    blockOnlyTheParent(chooser);
    // A dialog that was moved before it is shown keeps its place instead of being centred.
    chooser.move(topLeft);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.currentSpec();
}

}  // namespace solvane::qt
