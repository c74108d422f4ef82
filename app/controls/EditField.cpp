#include "app/controls/EditField.h"

#include "app/Utf8.h"

namespace solvane {

void EditField::userType(const std::string& value) {
    if (readOnly || !enabled()) return;
    std::string typed = value;
    if (maxLength > 0 && utf8Length(typed) > static_cast<std::size_t>(maxLength)) {
        typed = utf8Prefix(typed, static_cast<std::size_t>(maxLength));
    }
    userAction([this, typed] { setText(typed); });
}

std::size_t EditField::characterCount() const { return utf8Length(text_); }

}  // namespace solvane
