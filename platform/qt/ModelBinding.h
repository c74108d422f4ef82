#pragma once
#include <QObject>
#include <utility>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace solvane {
class Button;
class CheckBox;
class ComboBox;
class Control;
class EditField;
class Label;
class TrackBar;
}  // namespace solvane

namespace solvane::qt {

class CaptionLabel;

// The glue between the dialog's control models and their Qt widgets. A bind
// function hands the user's actions on a widget to its model; a sync function
// makes the widget show the model, with the widget's signals blocked so that
// nothing comes back to the model.

void syncControl(QWidget& widget, const Control& control);  // enabled and visible
void syncLabel(CaptionLabel& widget, const Label& label);

void bindCheckBox(QCheckBox& widget, CheckBox& box);
void syncCheckBox(QCheckBox& widget, const CheckBox& box);

void bindPushButton(QPushButton& widget, Button& button);
void syncPushButton(QPushButton& widget, const Button& button);

// Horizontal, without tick marks; the arrow keys move by 1, the page keys by 2.
void bindSlider(QSlider& widget, TrackBar& bar);
void syncSlider(QSlider& widget, const TrackBar& bar);

void bindComboBox(QComboBox& widget, ComboBox& list);
void syncComboBox(QComboBox& widget, const ComboBox& list);

// An edit field: typing goes to userType, losing the focus inside the dialog to
// userLeave, a left click to userClick, entering it with the keyboard to
// userEnter. A selection the program makes (select all) is shown once; after each
// of the user's actions the widget shows the model's text at once, so that a
// rejected entry is replaced while the user types.
class EditBinding : public QObject {
public:
    EditBinding(QLineEdit& widget, EditField& field);
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void afterUserAction();
    void showText();
    void showSelection();

    QLineEdit& widget_;
    EditField& field_;
    std::pair<int, int> shownSelection_{0, 0};
};

}  // namespace solvane::qt
