#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

namespace solvane::linuxos {

// QJsonDocument keeps a number such as 5.0 or 1e2 as the integer 5 or 100, so the
// parsed value cannot tell whether the file held a whole number. This looks at the
// text instead: for each member of the top-level object whose value is a number,
// whether that number is written as a plain integer (digits with an optional minus
// sign, no fraction and no exponent). A member named twice counts by its last
// occurrence, as QJsonDocument does. `json` must already have parsed as a valid
// JSON object.
QHash<QString, bool> topLevelIntegerLiterals(const QByteArray& json);

}  // namespace solvane::linuxos
