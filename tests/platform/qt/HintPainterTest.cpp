#include "platform/qt/HintPainter.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <functional>
#include <limits>

#include "display/VisibleLine.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {

constexpr Colour Red = rgb(255, 0, 0);
constexpr Colour Blue = rgb(0, 0, 255);
const QSize Canvas(240, 80);

Label makeLabel(const std::string& caption, Colour colour, Point at, int style = 0) {
    Label label;
    label.setCaption(caption);
    label.setFont(FontSpec{"DejaVu Sans", 24, style, colour});
    label.setPosition(at);
    return label;
}

QImage paint(const HintLayers& layers, bool antialiased = false) {
    QImage image(Canvas, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintHintLayers(painter, layers, antialiased);
    return image;
}

// Counts the opaque pixels of one colour.
int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) ++count;
    return count;
}

HintLayers only(const Label& a, const Label& b) { return {nullptr, nullptr, nullptr, nullptr, &a, &b}; }

TEST(HintPainter, LaterLayerCoversEarlierOne) {
    const Label back = makeLabel("M", Red, {5, 5});
    const Label front = makeLabel("M", Blue, {5, 5});
    const QImage image = paint(only(back, front));
    EXPECT_GT(countPixels(image, qRgb(0, 0, 255)), 20);
    EXPECT_EQ(countPixels(image, qRgb(255, 0, 0)), 0);
}

// The first and last columns with ink, and the lowest row of ink in the first one.
struct Ink {
    int left = -1;
    int right = -1;
    int topInLeftColumn = -1;
};

Ink inkOf(const QImage& image) {
    Ink ink;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qAlpha(image.pixel(x, y)) == 0) continue;
            if (ink.left < 0) {
                ink.left = x;
                ink.topInLeftColumn = y;
            }
            ink.right = x;
            break;
        }
    }
    return ink;
}

TEST(HintPainter, AHebrewLineStartsAtTheLabelAndEndsAtTheLeftWithItsFullStop) {
    const Label text = makeLabel("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D.", Blue, {5, 5});  // "shalom."
    QImage image(600, 80, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setLayoutDirection(Qt::LeftToRight);  // as on a window of a left-to-right interface
        paintHintLayers(painter, {nullptr, nullptr, nullptr, nullptr, nullptr, &text}, false);
    }
    const Ink ink = inkOf(image);
    // Placed by its left edge like any other line, not at the right of the window.
    EXPECT_GE(ink.left, 5);
    EXPECT_LT(ink.right, 120);
    // The full stop ends the sentence at the left: the first column holds only the dot, low on the line.
    EXPECT_GT(ink.topInLeftColumn, 5 + 20);
}

TEST(HintPainter, ShadowOffsetShowsBehindTheText) {
    const Label shadow = makeLabel("M", Red, {10, 10});
    const Label text = makeLabel("M", Blue, {5, 5});
    const QImage image = paint(only(shadow, text));
    EXPECT_GT(countPixels(image, qRgb(255, 0, 0)), 0);
    EXPECT_GT(countPixels(image, qRgb(0, 0, 255)), 0);
}

TEST(HintPainter, HiddenLayerIsNotPainted) {
    Label hidden = makeLabel("M", Red, {5, 5});
    hidden.setVisible(false);
    const Label text = makeLabel("i", Blue, {100, 5});
    EXPECT_EQ(countPixels(paint(only(hidden, text)), qRgb(255, 0, 0)), 0);
}

TEST(HintPainter, ColourIsReadWithRedInTheLowByte) {
    const Label text = makeLabel("M", 0x000000FF, {5, 5});
    EXPECT_GT(countPixels(paint(only(text, text)), qRgb(255, 0, 0)), 0);
}

// A caption drawn with the caption convention looks like the plain text it stands for.
struct CaptionCase {
    std::string caption;
    QString plain;
    bool underlined;
};

class HintCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(HintCaption, DrawsLikeThePlainText) {
    const CaptionCase& c = GetParam();
    const Label label = makeLabel(c.caption, Blue, {5, 5});
    const QImage drawn = paint({nullptr, nullptr, nullptr, nullptr, nullptr, &label});

    QImage expected(Canvas, QImage::Format_ARGB32);
    expected.fill(Qt::transparent);
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = toQFont(label.font());
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::blue);
    painter.drawText(QRect(5, 5, 1, 1), Qt::TextSingleLine | Qt::TextDontClip | Qt::AlignLeft | Qt::AlignTop, c.plain);
    if (!c.underlined) {
        EXPECT_EQ(drawn, expected);
    } else {
        // The access key's underline adds pixels to the plain glyphs.
        EXPECT_GT(countPixels(drawn, qRgb(0, 0, 255)), countPixels(expected, qRgb(0, 0, 255)));
    }
}

INSTANTIATE_TEST_SUITE_P(Convention, HintCaption,
                         ::testing::Values(CaptionCase{"a&&b", "a&b", false}, CaptionCase{"ab&", "ab", false},
                                           CaptionCase{"<b>x</b>", "<b>x</b>", false}, CaptionCase{"&ab", "ab", true}));

TEST(GlyphShape, CoversExactlyThePaintedPixels) {
    const Label shadow = makeLabel("Ag", Red, {10, 10});
    const Label text = makeLabel("Ag", Blue, {5, 5});
    const HintLayers layers = only(shadow, text);
    GlyphShape shape;
    ASSERT_TRUE(shape.update(layers, Canvas));
    const QImage image = paint(layers);
    EXPECT_EQ(shape.image().convertToFormat(QImage::Format_ARGB32), image);
    int painted = 0;
    for (int y = 0; y < Canvas.height(); ++y) {
        for (int x = 0; x < Canvas.width(); ++x) {
            const bool opaque = qAlpha(image.pixel(x, y)) == 255;
            EXPECT_TRUE(qAlpha(image.pixel(x, y)) == 0 || opaque) << "antialiased pixel at " << x << "," << y;
            EXPECT_EQ(shape.region().contains(QPoint(x, y)), opaque) << x << "," << y;
            painted += opaque;
        }
    }
    EXPECT_GT(painted, 50);
}

TEST(GlyphShape, EmptyWithoutVisibleText) {
    Label hidden = makeLabel("Ag", Red, {5, 5});
    hidden.setVisible(false);
    const Label empty = makeLabel("", Blue, {5, 5});
    GlyphShape shape;
    shape.update(only(hidden, empty), Canvas);
    EXPECT_TRUE(shape.region().isEmpty());
    shape.update(only(empty, empty), QSize(0, 0));
    EXPECT_TRUE(shape.region().isEmpty());
    EXPECT_TRUE(shape.image().isNull());
}

TEST(GlyphShape, IsDrawnAgainOnlyForOtherLayersOrAnotherSize) {
    Label shadow = makeLabel("Ag", Red, {10, 10});
    Label text = makeLabel("Ag", Blue, {5, 5});
    GlyphShape shape;
    ASSERT_TRUE(shape.update(only(shadow, text), Canvas));
    const qint64 first = shape.image().cacheKey();
    const Label sameText = makeLabel("Ag", Blue, {5, 5});
    EXPECT_FALSE(shape.update(only(shadow, sameText), Canvas)) << "equal layers, drawn again";
    EXPECT_EQ(shape.image().cacheKey(), first);

    // Each thing a drawing depends on draws it again, and back again.
    const std::function<void()> changes[] = {
        [&] { text.setCaption("Ab"); },
        [&] {
            text.setFont(FontSpec{"DejaVu Sans", 25, 0, Blue});
        },
        [&] {
            text.setFont(FontSpec{"DejaVu Sans", 24, StyleBold, Blue});
        },
        [&] { text.setColour(Red); },
        [&] {
            text.setPosition({6, 5});
        },
        [&] { shadow.setVisible(false); },
    };
    for (const auto& change : changes) {
        const Label before = text;
        const bool shadowShown = shadow.visible();
        change();
        EXPECT_TRUE(shape.update(only(shadow, text), Canvas));
        text = before;
        shadow.setVisible(shadowShown);
        EXPECT_TRUE(shape.update(only(shadow, text), Canvas));
    }
    EXPECT_TRUE(shape.update(only(shadow, text), QSize(241, 80)));
    EXPECT_FALSE(shape.update(only(shadow, text), QSize(241, 80)));
    shape.clear();
    EXPECT_TRUE(shape.image().isNull());
    EXPECT_TRUE(shape.update(only(shadow, text), QSize(241, 80))) << "drawn again after it was cleared";
}

// The default sentence repeated to a megabyte, as if a book had been pasted.
std::string megabyteCaption() {
    std::string text;
    while (text.size() < (1u << 20)) text += "I know what I love to do and I do it. ";
    return text;
}

TEST(HintPainter, LaysOutOnlyWhatTheDeviceCanShowOfALongCaption) {
    const std::string caption = megabyteCaption();
    EXPECT_EQ(static_cast<std::size_t>(visibleCaption(caption, 5, 1280).size()), longestVisibleLine(1275));
    EXPECT_EQ(static_cast<std::size_t>(visibleCaption(caption, -300, 1280).size()), longestVisibleLine(1580))
        << "a caption that begins left of the device shows further along";
    EXPECT_TRUE(visibleCaption(caption, 1280, 1280).isEmpty()) << "right of the device nothing shows";
    EXPECT_EQ(visibleCaption("I know", 5, 1280), QStringLiteral("I know"));
    EXPECT_EQ(visibleCaption("I know", std::numeric_limits<int>::min(), 1280), QStringLiteral("I know"));

    // Drawn at the smallest size, where most characters fit, the cut text looks
    // exactly like the whole text drawn by Qt itself.
    Label label = makeLabel(caption.substr(0, 20000), Blue, {5, 5});
    label.setFontSize(1);
    const QImage drawn = paint({nullptr, nullptr, nullptr, nullptr, nullptr, &label});
    QImage expected(Canvas, QImage::Format_ARGB32);
    expected.fill(Qt::transparent);
    {
        QPainter painter(&expected);
        QFont font = toQFont(label.font());
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::blue);
        painter.drawText(QRect(5, 5, 1, 1), Qt::TextSingleLine | Qt::TextDontClip | Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(label.caption()));
    }
    EXPECT_GT(countPixels(drawn, qRgb(0, 0, 255)), Canvas.width() / 2) << "too little drawn to compare";
    EXPECT_EQ(drawn, expected);
}

}  // namespace
}  // namespace solvane::qt
