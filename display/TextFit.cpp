#include "display/TextFit.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <utility>

#include "platform/Fonts.h"

namespace solvane {

namespace {

// Interpolation that fails to halve the open interval this many times in a row
// gives way to one halving step, so the search stays logarithmic on any widths.
constexpr int SlowStepsBeforeHalving = 3;

// The band above the boundary that is checked as well: 1/32 of the size (dips of
// about 2% of the width span that many sizes, the width growing with the size),
// at least 3 sizes for the pixel-sized dips of small texts, at most 16 so that
// sizes in the thousands stay cheap.
int guardBand(int size) { return std::clamp(size / 32, 3, 16); }

// The measurements of one fit, each size measured at most once.
class SizeProbe {
public:
    SizeProbe(platform::Fonts& fonts, const std::string& text, FontSpec font, int width, int margin)
        : fonts_(fonts), text_(text), font_(std::move(font)), room_(std::int64_t{width} - margin) {}

    const Size& extent(int size) {
        auto [entry, fresh] = measured_.try_emplace(size);
        if (fresh) {
            font_.size = size;
            entry->second = fonts_.measureCaption(text_, font_);
        }
        return entry->second;
    }

    bool fits(int size) { return extent(size).width <= room_; }

    // Narrows the open interval between a size that fits (`fitting`, or 0 when none
    // is known; a size 0 would measure nothing) and a larger one that does not, until
    // the two are neighbours.
    void narrow(int& fitting, int& tooWide) {
        int slowSteps = 0;
        while (tooWide - fitting > 1) {
            const int span = tooWide - fitting;
            const std::int64_t low = fitting > 0 ? extent(fitting).width : 0;
            const std::int64_t high = extent(tooWide).width;
            int next;
            if (slowSteps >= SlowStepsBeforeHalving || high <= low) {
                next = fitting + span / 2;
                slowSteps = 0;
            } else {
                next = fitting + static_cast<int>((room_ - low) * span / (high - low));
            }
            next = std::clamp(next, fitting + 1, tooWide - 1);
            if (fits(next)) {
                fitting = next;
            } else {
                tooWide = next;
            }
            slowSteps = (tooWide - fitting) * 2 > span ? slowSteps + 1 : 0;
        }
    }

    // The smallest size above `size` that was measured and does not fit.
    int nextTooWideAbove(int size) {
        for (auto entry = measured_.upper_bound(size); entry != measured_.end(); ++entry) {
            if (entry->second.width > room_) return entry->first;
        }
        return size + 1;  // not reached: the start size is measured and too wide
    }

private:
    platform::Fonts& fonts_;
    const std::string& text_;
    FontSpec font_;
    const std::int64_t room_;
    std::map<int, Size> measured_;
};

}  // namespace

FittedText fitTextToWidth(platform::Fonts& fonts, const std::string& text, FontSpec font, int width, int margin) {
    const int start = std::min(font.size, LargestFitStartSize);
    SizeProbe probe(fonts, text, std::move(font), width, margin);
    if (start <= 1 || probe.fits(start)) return {start, probe.extent(start)};

    int fitting = 0;
    int tooWide = start;
    probe.narrow(fitting, tooWide);
    for (int size = tooWide + 1; size < start && size <= tooWide + guardBand(tooWide); ++size) {
        if (!probe.fits(size)) continue;
        fitting = size;
        tooWide = probe.nextTooWideAbove(size);
        probe.narrow(fitting, tooWide);
        size = tooWide;
    }
    // Nothing fits down to 1 point: the walk stops there all the same.
    const int size = std::max(fitting, 1);
    return {size, probe.extent(size)};
}

}  // namespace solvane
