#include "dialog/NumberField.h"

#include "app/CommandLine.h"
#include "app/controls/EditField.h"

namespace solvane {

std::optional<std::int64_t> readWholeNumber(const std::string& text) {
    // The command line's integer rules without its hexadecimal forms.
    if (text.find_first_of("$xX") != std::string::npos) return std::nullopt;
    return parseInteger(text);
}

std::int64_t fieldValue(const EditField& field) { return readWholeNumber(field.text()).value_or(0); }

void checkNumberField(EditField& field, std::int64_t largest, const std::string& resetText) {
    const auto value = readWholeNumber(field.text());
    if (!value || *value > largest) {
        field.setText(resetText);
        return;
    }
    if (field.maxLength > 0 && field.characterCount() == static_cast<std::size_t>(field.maxLength)) field.selectAll();
}

}  // namespace solvane
