#include "platform/qt/PictureLoader.h"

#include <QFile>
#include <cstring>

#include "platform/jpeg/JpegDecoder.h"

// The pictures live in a static library; this keeps their resource data linked in.
static void registerPictures() { Q_INIT_RESOURCE(pictures); }

namespace solvane::qt {

QImage decodePicture(const QByteArray& jpeg) {
    const auto decoded = jpeg::decodeJpeg(reinterpret_cast<const std::uint8_t*>(jpeg.constData()),
                                          static_cast<std::size_t>(jpeg.size()));
    if (!decoded || decoded->width <= 0 || decoded->height <= 0) return {};
    const std::size_t rowBytes = static_cast<std::size_t>(decoded->width) * 3;
    if (decoded->rgb.size() < rowBytes * static_cast<std::size_t>(decoded->height)) return {};
    QImage image(decoded->width, decoded->height, QImage::Format_RGB888);
    if (image.isNull()) return {};
    // The decoder's rows are packed; QImage pads each row to four bytes.
    for (int y = 0; y < decoded->height; ++y) {
        std::memcpy(image.scanLine(y), decoded->rgb.data() + static_cast<std::size_t>(y) * rowBytes, rowBytes);
    }
    return image;
}

QImage loadPicture(const QString& resourcePath) {
    static const bool registered = (registerPictures(), true);
    (void)registered;
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return decodePicture(file.readAll());
}

}  // namespace solvane::qt
