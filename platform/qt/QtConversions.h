#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <string>

#include "platform/FontSpec.h"
#include "platform/Geometry.h"

namespace solvane::qt {

// The core keeps text as UTF-8.
inline QString toQString(const std::string& text) { return QString::fromStdString(text); }
inline std::string toStdString(const QString& text) { return text.toStdString(); }

// A stored colour is 0x00BBGGRR: red in the low byte.
inline QColor toQColor(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

inline QRect toQRect(const Rect& rect) { return QRect(rect.left, rect.top, rect.width, rect.height); }
inline Rect toRect(const QRect& rect) { return Rect{rect.x(), rect.y(), rect.width(), rect.height()}; }

// The font of a FontSpec: family, size in points and the style bits.
QFont toQFont(const FontSpec& spec);

// Flags that draw or measure one line of a caption: "&" underlines the next character
// and is not drawn, "&&" draws one "&".
constexpr int CaptionTextFlags = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;

}  // namespace solvane::qt
