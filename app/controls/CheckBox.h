#pragma once
#include <functional>
#include <string>

#include "app/controls/ChangeNotifier.h"

namespace solvane {

// A check box whose reaction runs whenever its state changes, by the user or by
// the program. Disabling it keeps its state.
class CheckBox : public Control {
public:
    using Control::Control;
    std::string caption;
    std::function<void()> onClick;

    bool checked() const { return checked_; }
    void setChecked(bool value) {
        if (checked_ == value) return;
        checked_ = value;
        changed();
        if (onClick) onClick();
    }
    // The user clicks the box: it toggles when it is enabled.
    void userClick() {
        if (enabled()) userAction([this] { setChecked(!checked_); });
    }

private:
    bool checked_ = false;
};

}  // namespace solvane
