#include "platform/qt/ModelBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>

#include "app/controls/CheckBox.h"
#include "app/controls/EditField.h"
#include "app/controls/Label.h"
#include "app/controls/SimpleControls.h"
#include "app/controls/TrackBar.h"
#include "platform/qt/CaptionLabel.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {

// QLineEdit's own ceiling for "no limit".
constexpr int UnlimitedLength = 32767;

// The model counts characters (code points); QString counts UTF-16 units.
int utf16Offset(const QString& text, int characters) {
    int offset = 0;
    for (int counted = 0; counted < characters && offset < text.size(); ++counted) {
        offset += (text.at(offset).isHighSurrogate() && offset + 1 < text.size()) ? 2 : 1;
    }
    return offset;
}

}  // namespace

void syncControl(QWidget& widget, const Control& control) {
    if (widget.isEnabled() != control.enabled()) widget.setEnabled(control.enabled());
    if (widget.isHidden() == control.visible()) widget.setVisible(control.visible());
}

void syncLabel(CaptionLabel& widget, const Label& label) {
    const QString caption = toQString(label.caption());
    if (widget.text() != caption) widget.setText(caption);
    syncControl(widget, label);
}

void bindCheckBox(QCheckBox& widget, CheckBox& box) {
    QObject::connect(&widget, &QCheckBox::clicked, &widget, [&widget, &box] {
        box.userClick();
        syncCheckBox(widget, box);
    });
}

void syncCheckBox(QCheckBox& widget, const CheckBox& box) {
    const QSignalBlocker block(&widget);
    const QString caption = toQString(box.caption);
    if (widget.text() != caption) widget.setText(caption);
    if (widget.isChecked() != box.checked()) widget.setChecked(box.checked());
    syncControl(widget, box);
}

void bindPushButton(QPushButton& widget, Button& button) {
    widget.setAutoDefault(false);
    QObject::connect(&widget, &QPushButton::clicked, &widget, [&button] { button.userClick(); });
}

void syncPushButton(QPushButton& widget, const Button& button) {
    const QString caption = toQString(button.caption);
    if (widget.text() != caption) widget.setText(caption);
    syncControl(widget, button);
}

void bindSlider(QSlider& widget, TrackBar& bar) {
    widget.setOrientation(Qt::Horizontal);
    widget.setTickPosition(QSlider::NoTicks);
    widget.setSingleStep(1);
    widget.setPageStep(2);
    // Syncs block the signals, so every value change that arrives here is the user's.
    QObject::connect(&widget, &QSlider::valueChanged, &widget, [&widget, &bar](int value) {
        bar.userMove(value);
        syncSlider(widget, bar);
    });
}

void syncSlider(QSlider& widget, const TrackBar& bar) {
    const QSignalBlocker block(&widget);
    if (widget.minimum() != bar.minimum() || widget.maximum() != bar.maximum())
        widget.setRange(bar.minimum(), bar.maximum());
    if (widget.value() != bar.position()) widget.setValue(bar.position());
    syncControl(widget, bar);
}

void bindComboBox(QComboBox& widget, ComboBox& list) {
    widget.setEditable(false);
    QObject::connect(&widget, &QComboBox::activated, &widget, [&widget, &list](int index) {
        list.userSelect(index);
        syncComboBox(widget, list);
    });
}

void syncComboBox(QComboBox& widget, const ComboBox& list) {
    const QSignalBlocker block(&widget);
    const auto& items = list.items();
    bool same = widget.count() == static_cast<int>(items.size());
    for (int i = 0; same && i < widget.count(); ++i)
        same = widget.itemText(i) == toQString(items[static_cast<std::size_t>(i)]);
    if (!same) {
        widget.clear();
        for (const std::string& item : items) widget.addItem(toQString(item));
    }
    if (widget.currentIndex() != list.itemIndex()) widget.setCurrentIndex(list.itemIndex());
    syncControl(widget, list);
}

EditBinding::EditBinding(QLineEdit& widget, EditField& field) : QObject(&widget), widget_(widget), field_(field) {
    connect(&widget_, &QLineEdit::textEdited, this, [this](const QString& text) {
        field_.userType(toStdString(text));
        afterUserAction();
    });
    widget_.installEventFilter(this);
}

bool EditBinding::eventFilter(QObject* watched, QEvent* event) {
    // A line edit being destroyed is a plain QWidget by now: the focus it loses then is
    // no user leaving the field, and it must not be touched as a line edit any more.
    if (!qobject_cast<QLineEdit*>(watched)) return false;
    if (event->type() == QEvent::FocusIn) {
        // Entered by the keyboard: the model selects its text, and the widget shows
        // that text at once. Leaving the previous field may just have rewritten it,
        // and the refresh that would show the new text comes later and would clear
        // the selection that Qt makes here.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) {
            field_.userEnter();
            afterUserAction();
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus inside the dialog leaves the field; the dialog
        // losing the focus to another window, or a popup, does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            field_.userLeave();
            afterUserAction();
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            // Let the line edit finish its own handling of the release first.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    field_.userClick();
                    afterUserAction();
                },
                Qt::QueuedConnection);
        }
    }
    return false;
}

void EditBinding::afterUserAction() {
    const QSignalBlocker block(&widget_);
    showText();
    if (field_.selectionLength() > 0) showSelection();
    syncControl(widget_, field_);
}

void EditBinding::sync() {
    const QSignalBlocker block(&widget_);
    showText();
    // A selection only shows in the field that has the focus; entering a field by
    // Tab or by a click selects its text anyway.
    const std::pair selection{field_.selectionStart(), field_.selectionLength()};
    if (selection != shownSelection_ && selection.second > 0 && widget_.hasFocus()) showSelection();
    shownSelection_ = selection;
    syncControl(widget_, field_);
}

void EditBinding::showText() {
    const QString text = toQString(field_.text());
    // Room for a longer text the program set; the model itself cuts what the user types.
    const int limit =
        field_.maxLength > 0 ? std::max<int>(field_.maxLength, static_cast<int>(text.size())) : UnlimitedLength;
    if (widget_.maxLength() != limit) widget_.setMaxLength(limit);
    if (widget_.text() != text) widget_.setText(text);
    if (widget_.isReadOnly() != field_.readOnly) widget_.setReadOnly(field_.readOnly);
}

void EditBinding::showSelection() {
    const QString text = widget_.text();
    const int start = utf16Offset(text, field_.selectionStart());
    const int end = utf16Offset(text, field_.selectionStart() + field_.selectionLength());
    widget_.setSelection(start, end - start);
    shownSelection_ = {field_.selectionStart(), field_.selectionLength()};
}

}  // namespace solvane::qt
