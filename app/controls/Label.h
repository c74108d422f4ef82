#pragma once
#include <functional>
#include <string>

#include "app/controls/ChangeNotifier.h"
#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane {

// A text label that draws only its glyphs and is as large as its text.
class Label : public Control {
public:
    using Control::Control;
    std::function<void()> onClick;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& value) { assign(caption_, value); }
    const FontSpec& font() const { return font_; }
    void setFont(const FontSpec& value) { assign(font_, value); }
    void setFontName(const std::string& value) { assign(font_.name, value); }
    void setFontSize(int value) { assign(font_.size, value); }
    void setFontStyle(int value) { assign(font_.style, value); }
    void setColour(Colour value) { assign(font_.colour, value); }
    Point position() const { return position_; }
    void setPosition(Point value) { assign(position_, value); }

    void userClick() {
        if (onClick) userAction(onClick);
    }

private:
    template <typename T>
    void assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        changed();
    }
    std::string caption_;
    FontSpec font_;
    Point position_;
};

}  // namespace solvane
