#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/controls/ChangeNotifier.h"
#include "app/controls/Label.h"
#include "app/controls/Timer.h"
#include "display/FontCatalogue.h"
#include "display/RandomGenerator.h"
#include "display/TextLayers.h"
#include "platform/Geometry.h"
#include "platform/WindowSystem.h"

namespace solvane {

class Program;
class Settings;
struct SchemeChoice;

// The affirmation window: borderless, top-most, never focused. It draws its text in
// six layers, laid out and painted in the order of the text layers (TextLayers.h).
class TfrmHint {
public:
    explicit TfrmHint(Program& program);
    ~TfrmHint();
    TfrmHint(const TfrmHint&) = delete;
    TfrmHint& operator=(const TfrmHint&) = delete;

    ChangeNotifier notifier;

    void FormCreate();
    void FormDestroy();

    // Makes the window visible and raises it; the hidden-to-visible transition runs FormShow.
    void show();
    void hide();
    bool visible() const { return visible_; }
    void makeTopmost();

    // The showing frame: disarm the pause, count, compose, arm the display time.
    void FormShow();
    // A click on the window or any of its layers cuts the display to 10 ms.
    void Label1Click();

    // The display timer: its handler, which keeps the original name Timer1Timer, ends a display.
    Timer DisplayTimer;
    void Timer1Timer();

    // Window geometry on screen and its background.
    Rect bounds{0, 0, 200, 60};
    bool backgroundTransparent = true;
    Colour backgroundColour = 0xFFFFFF;

    Label Label1{&notifier};  // the text
    Label Label2{&notifier};  // contour, 1 left
    Label Label3{&notifier};  // contour, 1 down
    Label Label4{&notifier};  // contour, 1 right
    Label Label5{&notifier};  // contour, 1 up
    Label Label6{&notifier};  // shadow, 5 right and 5 down
    // Which label draws which text layer.
    LayerLabels layerLabels() { return {Label6, Label2, Label3, Label4, Label5, Label1}; }
    ConstLayerLabels layerLabels() const { return {Label6, Label2, Label3, Label4, Label5, Label1}; }

    // Affirmations shown so far; the store keeps its low 32 bits.
    std::int64_t AffirmationenDisplayCounter = 0;
    // The shuffled catalogue of installed fonts; its position is FontReihenfolgePosition.
    FontCatalogue catalogue;
    // Reseeded at every showing and every shuffle.
    RandomGenerator random;
    // Resident memory in whole MiB when the window was created.
    std::int32_t MemoryBaselineMB = 0;

    // Builds the catalogue afresh from the installed fonts.
    void buildFontCatalogue();
    // The catalogue file: written by a save while random fonts are on, taken over by the next load.
    void saveFontCatalogue();
    // Replaces the catalogue with the file's entries and deletes the file; false when it cannot be read.
    bool loadFontCatalogue();

private:
    // The composition of a showing and its steps, in the order compose() takes them.
    void compose();
    std::string takeText(const Settings& settings, const std::vector<Rect>& monitors);
    FontSpec chooseFont(const Settings& settings);
    int chooseSize(const Settings& settings);
    void chooseTextColour(const Settings& settings, const SchemeChoice& scheme, FontSpec& font);
    Rect chooseMonitor(const Settings& settings, const std::vector<Rect>& monitors);
    Size fitToMonitor(const std::string& text, FontSpec& font, const Rect& monitor);
    void mirrorToPreview(const std::string& text, const FontSpec& font);
    void chooseBackground(const Settings& settings, const SchemeChoice& scheme);
    void place(const Settings& settings, const Rect& monitor, Size textSize);
    void layOutContour(const Settings& settings, const SchemeChoice& scheme);
    void layOutShadow(const Settings& settings);

    FontCatalogue::RebuildSource rebuildSource();
    Program& program_;
    std::unique_ptr<platform::HintView> view_;
    bool visible_ = false;
};

}  // namespace solvane
