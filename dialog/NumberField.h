#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace solvane {

class EditField;

// A whole number as the dialog's number fields read it: leading blanks and one
// sign allowed, then decimal digits; nothing when the text is not such a number.
std::optional<std::int64_t> readWholeNumber(const std::string& text);

// The value of a number field for arithmetic: 0 when its text is not a number.
std::int64_t fieldValue(const EditField& field);

// The check shared by the dialog's number fields: text that is not a number, or a
// number above the largest value, is replaced by the reset text; a full-length
// number is selected so that the next key press replaces it.
void checkNumberField(EditField& field, std::int64_t largest, const std::string& resetText);

}  // namespace solvane
