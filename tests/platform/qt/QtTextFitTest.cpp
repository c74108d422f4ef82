#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "display/TextFit.h"
#include "platform/qt/QtFonts.h"

namespace solvane::qt {
namespace {

constexpr int Margin = 10;
constexpr int LargestStart = 250;

// Qt's measures of a few texts in one family and style, each size measured once and
// for all the texts at once: a new size is the costly part, and the walk below
// measures far more sizes than the fit.
class MeasuresOfOneFont : public platform::Fonts {
public:
    MeasuresOfOneFont(const std::vector<std::string>& texts, std::string family, int style)
        : texts_(texts), family_(std::move(family)), style_(style), bySize_(LargestStart + 1) {}

    std::vector<std::string> scalableFamilies() override { return {family_}; }
    Size measureCaption(const std::string& text, const FontSpec& font) override {
        EXPECT_EQ(font.name, family_);
        EXPECT_EQ(font.style, style_);
        return at(textIndex(text), font.size);
    }

    const Size& at(std::size_t text, int size) {
        std::vector<Size>& measured = bySize_.at(static_cast<std::size_t>(size));
        if (measured.empty()) {
            for (const std::string& each : texts_)
                measured.push_back(qt_.measureCaption(each, {family_, size, style_, 0}));
        }
        return measured[text];
    }

private:
    std::size_t textIndex(const std::string& text) const {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (texts_[i] == text) return i;
        }
        ADD_FAILURE() << "not a text of the table: " << text;
        return 0;
    }

    QtFonts qt_;
    const std::vector<std::string>& texts_;
    const std::string family_;
    const int style_;
    std::vector<std::vector<Size>> bySize_;
};

// The fit as the composition defines it: one point smaller while the text and its
// margin are wider than the monitor, down to 1 point at the least.
int walkPointByPoint(MeasuresOfOneFont& measures, std::size_t text, int start, int width) {
    int size = start;
    while (width < measures.at(text, size).width + Margin && size > 1) size -= 1;
    return size;
}

// Qt's widths take in the glyphs' ink, so they dip here and there as the size grows,
// most of all in the slanted and emboldened faces that Qt makes up for families
// without italic or bold: the fit must find what the walk finds all the same.
TEST(QtTextFit, GivesThePointByPointResultWithTheInstalledFonts) {
    const std::vector<std::string> texts = {"I know what I love to do and I do it.", "I am peace.", "i", "W",
                                            "Grüße, Ärger && Öl"};
    const std::vector<std::string> families = QtFonts().scalableFamilies();
    ASSERT_GT(families.size(), 2u);
    int cases = 0;
    for (const std::string& family : families) {
        for (int style : {0, int{StyleBold | StyleItalic}}) {
            MeasuresOfOneFont measures(texts, family, style);
            for (std::size_t text = 0; text < texts.size(); ++text) {
                for (int width = 200; width <= 4000; width += 61) {
                    for (int start : {27, 100, 167, LargestStart}) {
                        const int walked = walkPointByPoint(measures, text, start, width);
                        const FittedText fitted =
                            fitTextToWidth(measures, texts[text], {family, start, style, 0}, width, Margin);
                        ASSERT_EQ(fitted.size, walked) << family << " style " << style << " '" << texts[text]
                                                       << "' from " << start << " on " << width;
                        ASSERT_EQ(fitted.extent, measures.at(text, walked));
                        ++cases;
                    }
                }
            }
        }
    }
    EXPECT_GT(cases, 10000);
}

}  // namespace
}  // namespace solvane::qt
