#pragma once
#include <algorithm>
#include <functional>

#include "app/controls/ChangeNotifier.h"

namespace solvane {

// A track bar: its position stays inside its range, and its reaction runs only
// when the position really changes.
class TrackBar : public Control {
public:
    TrackBar(const ChangeNotifier* owner, int minimum, int maximum, int position)
        : Control(owner), minimum_(minimum), maximum_(maximum), position_(position) {}
    std::function<void()> onChange;

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    void setPosition(int value) {
        const int clamped = std::clamp(value, minimum_, maximum_);
        if (clamped == position_) return;
        position_ = clamped;
        changed();
        if (onChange) onChange();
    }

    // The user moves the bar with the mouse or the keyboard.
    void userMove(int value) {
        if (enabled()) userAction([this, value] { setPosition(value); });
    }

private:
    int minimum_;
    int maximum_;
    int position_;
};

}  // namespace solvane
