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
constexpr int Margin = 10;         // the window is the text plus 5 pixels on each side
constexpr int DialogGap = 8;       // between the window and an open settings dialog
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

void TfrmHint::compose() {
    TfrmConfig& config = program_.config();
    const Settings settings = program_.settings();
    platform::Fonts& fonts = program_.platform.fonts;

    // Only what a monitor can show of a long text is measured, laid out and drawn: a
    // pasted book costs no more than a line across the widest monitor.
    const auto monitors = program_.platform.monitors.list();
    const std::string text = cutCaption(settings.EinzelAffirmation(), longestVisibleLine(widestMonitor(monitors)));
    Label1.setCaption(text);

    FontSpec font = config.Label1.font();
    if (settings.ZufallsSchriftart() && catalogue.offersChoice()) {
        font.name = catalogue.next(random, rebuildSource());
        config.Label1.setFontName(font.name);
        config.Edit6.setText(font.name);
    } else {
        font.name = settings.FontName();
    }

    font.size = settings.ZufallsGroesse() ? SmallestRandomSize + random.below(RandomSizeChoices) : settings.FontSize();

    const SchemeChoice scheme = drawColourScheme(random);
    if (settings.ZufallsSchriftFarbe()) {
        font.colour = scheme.colours.text;
        config.Label1.setColour(font.colour);
    }

    if (monitors.size() == 1) config.ComboBox1.setItemIndex(0);
    const int monitorIndex = settings.Monitor();
    if (monitorIndex < 0 || monitorIndex >= static_cast<int>(monitors.size())) {
        throw std::out_of_range("The chosen monitor is not present.");
    }
    const Rect monitor = monitors[static_cast<std::size_t>(monitorIndex)];

    // An empty text still makes a window one space wide.
    const FittedText fitted = fitTextToWidth(fonts, text.empty() ? " " : text, font, monitor.width, Margin);
    font.size = fitted.size;
    const Size textSize = fitted.extent;
    Label1.setFont(font);

    if (!text.empty()) config.Label1.setCaption(text);
    config.Label1.setFont(font);
    config.cbKonturtransparenzClick();
    config.cbSchattenClick();

    if (!settings.HintergrundTransparent()) {
        backgroundTransparent = false;
        if (settings.ZufallsHintergrundFarbe()) {
            backgroundColour = scheme.colours.background;
            config.Shape2.setColour(backgroundColour);
        } else {
            backgroundColour = settings.BackColor();
        }
    }

    const int w = textSize.width;
    const int h = textSize.height;
    if (settings.VollBild() && !settings.HintergrundTransparent() && !settings.MultipleAffirmationen()) {
        bounds = monitor;
        Label1.setPosition({(monitor.width - (w + Margin)) / 2, (monitor.height - (h + Margin)) / 2});
    } else {
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

    const bool contourShown = !settings.Konturtransparenz();
    Colour contourColour = settings.KonturColor();
    if (contourShown && settings.ZufallsKonturFarbe()) {
        contourColour = scheme.colours.contour;
        for (Label* copy : {&config.Label2, &config.Label3, &config.Label4, &config.Label5}) copy->setColour(contourColour);
    }
    showContour(layerLabels(), contourShown, contourColour);

    showShadow(layerLabels(), settings.Schatten());
}

}  // namespace solvane
