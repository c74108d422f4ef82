// The composition of one showing: text, font, size, colours, fit, placement,
// contour and shadow, and what the showing hands back to the dialog's preview.
#include <algorithm>
#include <stdexcept>

#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/ColourSchemes.h"
#include "display/TextFit.h"
#include "display/TextLayers.h"
#include "display/TfrmHint.h"
#include "display/VisibleLine.h"
#include "settings/Settings.h"

namespace solvane {

namespace {
constexpr int Margin = 10;    // the window is the text plus 5 pixels on each side
constexpr int DialogGap = 8;  // between the window and an open settings dialog
constexpr int SmallestRandomSize = 21;
constexpr int RandomSizeChoices = 147;  // 21 to 167 points

// The widest of the monitors; 0 without any.
int widestMonitor(const std::vector<Rect>& monitors) {
    int widest = 0;
    for (const Rect& monitor : monitors) widest = std::max(widest, monitor.width);
    return widest;
}

// Keeps a window that is larger than the monitor in one direction to the monitor's
// extent in that direction; what it shows stays where it was on the screen. A window
// that fits is left where it was put, also partly off the monitor beside the dialog.
void clipToMonitor(int& start, int& length, int& textAt, int monitorStart, int monitorLength) {
    if (length <= monitorLength) return;
    textAt += start - monitorStart;
    start = monitorStart;
    length = monitorLength;
}
}  // namespace

// The random generator has been reseeded by the showing frame; a failure in any of
// these steps abandons the rest.
void TfrmHint::compose() {
    const Settings settings = program_.settings();
    const auto monitors = program_.platform.monitors.list();

    const std::string text = takeText(settings, monitors);
    FontSpec font = chooseFont(settings);
    font.size = chooseSize(settings);
    const SchemeChoice scheme = drawColourScheme(random);
    chooseTextColour(settings, scheme, font);
    const Rect monitor = chooseMonitor(settings, monitors);
    const Size textSize = fitToMonitor(text, font, monitor);
    mirrorToPreview(text, font);
    chooseBackground(settings, scheme);
    place(settings, monitor, textSize);
    layOutContour(settings, scheme);
    layOutShadow(settings);
}

std::string TfrmHint::takeText(const Settings& settings, const std::vector<Rect>& monitors) {
    // Only what a monitor can show of a long text is measured, laid out and drawn: a
    // pasted book costs no more than a line across the widest monitor.
    std::string text = cutCaption(settings.EinzelAffirmation(), longestVisibleLine(widestMonitor(monitors)));
    Label1.setCaption(text);
    return text;
}

FontSpec TfrmHint::chooseFont(const Settings& settings) {
    TfrmConfig& config = program_.config();
    FontSpec font = config.Label1.font();
    if (settings.ZufallsSchriftart() && catalogue.offersChoice()) {
        font.name = catalogue.next(random, rebuildSource());
        config.Label1.setFontName(font.name);
        config.Edit6.setText(font.name);
    } else {
        font.name = settings.FontName();
    }
    return font;
}

int TfrmHint::chooseSize(const Settings& settings) {
    return settings.ZufallsGroesse() ? SmallestRandomSize + random.below(RandomSizeChoices) : settings.FontSize();
}

void TfrmHint::chooseTextColour(const Settings& settings, const SchemeChoice& scheme, FontSpec& font) {
    if (!settings.ZufallsSchriftFarbe()) return;
    font.colour = scheme.colours.text;
    program_.config().Label1.setColour(font.colour);
}

Rect TfrmHint::chooseMonitor(const Settings& settings, const std::vector<Rect>& monitors) {
    if (monitors.size() == 1) program_.config().ComboBox1.setItemIndex(0);
    const int monitorIndex = settings.Monitor();
    if (monitorIndex < 0 || monitorIndex >= static_cast<int>(monitors.size())) {
        throw std::out_of_range("The chosen monitor is not present.");
    }
    return monitors[static_cast<std::size_t>(monitorIndex)];
}

Size TfrmHint::fitToMonitor(const std::string& text, FontSpec& font, const Rect& monitor) {
    // An empty text still makes a window one space wide.
    const FittedText fitted =
        fitTextToWidth(program_.platform.fonts, text.empty() ? " " : text, font, monitor.width, Margin);
    font.size = fitted.size;
    Label1.setFont(font);
    return fitted.extent;
}

void TfrmHint::mirrorToPreview(const std::string& text, const FontSpec& font) {
    TfrmConfig& config = program_.config();
    if (!text.empty()) config.Label1.setCaption(text);
    config.Label1.setFont(font);
    config.cbKonturtransparenzClick();
    config.cbSchattenClick();
}

void TfrmHint::chooseBackground(const Settings& settings, const SchemeChoice& scheme) {
    if (settings.HintergrundTransparent()) return;
    backgroundTransparent = false;
    if (settings.ZufallsHintergrundFarbe()) {
        backgroundColour = scheme.colours.background;
        program_.config().Shape2.setColour(backgroundColour);
    } else {
        backgroundColour = settings.BackColor();
    }
}

void TfrmHint::place(const Settings& settings, const Rect& monitor, Size textSize) {
    TfrmConfig& config = program_.config();
    const int w = textSize.width;
    const int h = textSize.height;
    if (settings.VollBild() && !settings.HintergrundTransparent() && !settings.MultipleAffirmationen()) {
        bounds = monitor;
        Label1.setPosition({(monitor.width - (w + Margin)) / 2, (monitor.height - (h + Margin)) / 2});
        return;
    }
    const int left = monitor.left + (monitor.width - (w + Margin)) / 2;
    int top;
    if (config.visible()) {
        const Rect dialog = config.frame();
        if (dialog.top - monitor.top < h + 18) {
            top = dialog.top + dialog.height + DialogGap;
        } else {
            top = dialog.top - h - 18;
        }
    } else {
        top = monitor.top + (monitor.height - (h + Margin)) / 2;
    }
    Rect window{left, top, w + Margin, h + Margin};
    Point textAt{5, 5};
    clipToMonitor(window.left, window.width, textAt.x, monitor.left, monitor.width);
    clipToMonitor(window.top, window.height, textAt.y, monitor.top, monitor.height);
    bounds = window;
    Label1.setPosition(textAt);
}

void TfrmHint::layOutContour(const Settings& settings, const SchemeChoice& scheme) {
    const bool shown = !settings.Konturtransparenz();
    Colour contourColour = settings.KonturColor();
    if (shown && settings.ZufallsKonturFarbe()) {
        contourColour = scheme.colours.contour;
        TfrmConfig& config = program_.config();
        for (Label* copy : {&config.Label2, &config.Label3, &config.Label4, &config.Label5})
            copy->setColour(contourColour);
    }
    showContour(layerLabels(), shown, contourColour);
}

void TfrmHint::layOutShadow(const Settings& settings) { showShadow(layerLabels(), settings.Schatten()); }

}  // namespace solvane
