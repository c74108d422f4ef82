#include "dialog/NumberField.h"

#include "app/controls/EditField.h"

namespace solvane {

std::optional<std::int64_t> readWholeNumber(const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size()) return std::nullopt;
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 0x7FFFFFFFLL + 1) return std::nullopt;  // beyond any field's range
    }
    return negative ? -value : value;
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
