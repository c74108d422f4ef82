#pragma once
#include <QByteArray>

namespace solvane::linuxos {

// QJsonDocument refuses a whole document for one string that is not valid UTF-8. This
// returns the document with every byte sequence inside a string (a value or a member
// name) that is not UTF-8 replaced by U+FFFD, one for each sequence as
// QString::fromUtf8 decodes it. Strings that are valid UTF-8 and every byte outside the
// strings stay as they are, so a document that was no JSON before is none after.
QByteArray replaceInvalidUtf8InStrings(const QByteArray& json);

}  // namespace solvane::linuxos
