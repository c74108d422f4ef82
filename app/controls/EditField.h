#pragma once
#include <functional>
#include <string>

#include "app/controls/ChangeNotifier.h"

namespace solvane {

// A one-line edit field. Setting the text reports a change only when the text
// really differs; a reaction that rewrites the text is handled again.
class EditField : public Control {
public:
    using Control::Control;
    std::function<void()> onChange;
    std::function<void()> onClick;
    std::function<void()> onExit;
    int maxLength = 0;  // 0: no limit. Limits what the user can type, not what the program sets.
    bool readOnly = false;

    const std::string& text() const { return text_; }
    void setText(const std::string& value) {
        if (text_ == value) return;
        text_ = value;
        selectionStart_ = selectionLength_ = 0;
        changed();
        if (onChange) onChange();
    }
    // The user types: the text is cut to the field's limit (in characters).
    void userType(const std::string& value);

    void selectAll() {
        selectionStart_ = 0;
        selectionLength_ = static_cast<int>(characterCount());
        changed();
    }
    int selectionStart() const { return selectionStart_; }
    int selectionLength() const { return selectionLength_; }
    std::size_t characterCount() const;

    void userClick() {
        if (onClick) userAction(onClick);
    }
    // The user enters the field with the keyboard (Tab): its whole text is
    // selected, as it stands then, so that the next key press replaces it.
    void userEnter() { selectAll(); }
    void userLeave() {
        if (onExit) userAction(onExit);
    }

private:
    std::string text_;
    int selectionStart_ = 0;
    int selectionLength_ = 0;
};

}  // namespace solvane
