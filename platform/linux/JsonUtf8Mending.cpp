#include "platform/linux/JsonUtf8Mending.h"

#include <QString>

namespace solvane::linuxos {

QByteArray replaceInvalidUtf8InStrings(const QByteArray& json) {
    QByteArray result;
    result.reserve(json.size());
    qsizetype i = 0;
    while (i < json.size()) {
        if (json[i] != '"') {
            result += json[i++];
            continue;
        }
        // A string runs to the next quote that no backslash escapes. Quote and backslash
        // are ASCII, which is never part of a multi-byte UTF-8 sequence, so looking at
        // single bytes finds the end even when the bytes between are not UTF-8.
        qsizetype close = i + 1;
        while (close < json.size() && json[close] != '"') close += json[close] == '\\' ? 2 : 1;
        close = qMin(close, json.size());
        const QByteArray inner = json.mid(i + 1, close - i - 1);
        result += '"';
        result += inner.isValidUtf8() ? inner : QString::fromUtf8(inner).toUtf8();
        if (close < json.size()) result += '"';
        i = close + 1;
    }
    return result;
}

}  // namespace solvane::linuxos
