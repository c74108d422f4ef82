#pragma once
#include <QFontDialog>
#include <functional>
#include <optional>

#include "platform/FontSpec.h"

class QPushButton;

namespace solvane::qt {

// The font chooser: Qt's own font dialog (never the desktop's native one, so that
// it can be shaped) with scalable fonts only, without the effects group, with an
// Apply button, and with sizes limited to 5 to 500 points. A size outside the
// limits is refused: OK and Apply then put the nearest limit into the chooser and
// do nothing else, so the user sees the size that is allowed and confirms again.
class FontChooser : public QFontDialog {
public:
    static constexpr int SmallestSize = 5;
    static constexpr int LargestSize = 500;

    FontChooser(const FontSpec& initial, QWidget* parent);

    // The chooser's current font under its family's plain name; its colour is the one
    // it was opened with.
    FontSpec currentSpec() const;
    QPushButton* applyButton() const { return apply_; }
    std::function<void(const FontSpec&)> onApply;

protected:
    void done(int result) override;

private:
    // True when the current size is allowed; otherwise puts the nearest limit in.
    bool acceptSize();
    void hideEffects();

    FontSpec initial_;
    QPushButton* apply_ = nullptr;
};

// Opens the chooser modally with its top-left corner at `topLeft` (its size kept).
// The event loop runs while it is open, so timers keep firing.
std::optional<FontSpec> chooseFont(QWidget* parent, const FontSpec& initial, QPoint topLeft,
                                   const std::function<void(const FontSpec&)>& onApply);

}  // namespace solvane::qt
