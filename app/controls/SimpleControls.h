#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/controls/ChangeNotifier.h"
#include "platform/Geometry.h"

namespace solvane {

// A solid rectangle in one colour (a colour swatch or a backdrop).
class Shape : public Control {
public:
    using Control::Control;
    Colour colour() const { return colour_; }
    void setColour(Colour value) {
        if (colour_ == value) return;
        colour_ = value;
        changed();
    }

private:
    Colour colour_ = 0xFFFFFF;
};

class Button : public Control {
public:
    using Control::Control;
    std::string caption;
    std::function<void()> onClick;
    void userClick() {
        if (enabled() && onClick) userAction(onClick);
    }
};

// A drop-down list without typing.
class ComboBox : public Control {
public:
    using Control::Control;
    const std::vector<std::string>& items() const { return items_; }
    void clear() {
        items_.clear();
        itemIndex_ = -1;
        changed();
    }
    void add(const std::string& item) {
        items_.push_back(item);
        changed();
    }
    int itemIndex() const { return itemIndex_; }
    // The user picks an item.
    void userSelect(int index) {
        if (enabled()) userAction([this, index] { setItemIndex(index); });
    }
    // An index outside the list selects nothing (-1).
    void setItemIndex(int index) {
        itemIndex_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
        changed();
    }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

class MenuItem : public Control {
public:
    using Control::Control;
    std::function<void()> onClick;
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& value) {
        if (caption_ == value) return;
        caption_ = value;
        changed();
    }
    bool isSeparator() const { return caption_ == "-"; }
    void userClick() {
        if (enabled() && onClick) userAction(onClick);
    }

private:
    std::string caption_;
};

}  // namespace solvane
