#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

namespace solvane::qt {

// Decodes JPEG bytes with the program's own libjpeg decoder. Bytes that are not a
// picture it can read give a null image.
QImage decodePicture(const QByteArray& jpeg);

// Reads and decodes one of the dialog's pictures from the program's resources,
// for example ":/pictures/links.jpg". A missing or broken picture gives a null image.
QImage loadPicture(const QString& resourcePath);

}  // namespace solvane::qt
