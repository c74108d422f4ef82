#include "platform/linux/JsonNumberLiterals.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace solvane::linuxos {

namespace {

// Index of the closing quote of the string that opens at `open`.
qsizetype endOfString(const QByteArray& json, qsizetype open) {
    qsizetype i = open + 1;
    while (i < json.size() && json[i] != '"') i += json[i] == '\\' ? 2 : 1;
    return i;
}

// The member name held by a quoted JSON string, escapes resolved.
QString decodeName(const QByteArray& quoted) {
    const QByteArray inner = quoted.mid(1, quoted.size() - 2);
    if (!inner.contains('\\')) return QString::fromUtf8(inner);
    return QJsonDocument::fromJson('[' + quoted + ']').array().at(0).toString();
}

bool isNumberCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

}  // namespace

QHash<QString, bool> topLevelIntegerLiterals(const QByteArray& json) {
    QHash<QString, bool> result;
    int depth = 0;
    bool atValue = false;  // inside the top-level object, after a member's colon
    QString name;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            const qsizetype close = endOfString(json, i);
            if (depth == 1 && !atValue) name = decodeName(json.mid(i, close - i + 1));
            i = close;
        } else if (c == '{' || c == '[') {
            ++depth;
            atValue = false;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (depth == 1 && c == ':') {
            atValue = true;
        } else if (depth == 1 && c == ',') {
            atValue = false;
        } else if (depth == 1 && atValue && (c == '-' || (c >= '0' && c <= '9'))) {
            qsizetype end = i;
            bool integer = true;
            while (end < json.size() && isNumberCharacter(json[end])) {
                if (json[end] == '.' || json[end] == 'e' || json[end] == 'E') integer = false;
                ++end;
            }
            result.insert(name, integer);
            i = end - 1;
        }
    }
    return result;
}

}  // namespace solvane::linuxos
