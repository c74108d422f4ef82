#pragma once
#include <cstdint>
#include <string>
#include <variant>

#include "platform/Geometry.h"

namespace solvane {

class TfrmConfig;
class TfrmHint;
struct StoredSetting;

// A setting's value as the store keeps it: a number (a flag as 0 or 1) or a text.
using SettingValue = std::variant<std::int32_t, std::string>;

// Every persisted setting, read live from the holder its stored setting names; never a
// copy. Each accessor is named exactly as its stored value.
class Settings {
public:
    Settings(const TfrmConfig& config, const TfrmHint& hint) : config_(config), hint_(hint) {}

    // The accessors carry the stored value names, most of them German; what each is:
    std::int32_t FontStyle() const;                    // bold/italic/underline/strike-out bits of the text font
    Colour FontColor() const;                          // text colour
    Colour KonturColor() const;                        // contour colour
    Colour BackColor() const;                          // background colour
    std::int32_t FontSize() const;                     // text size in points
    std::int32_t ReihenfolgePosition() const;          // position in an affirmation order; kept, never changed
    std::int32_t Monitor() const;                      // index of the chosen monitor
    std::string FontName() const;                      // text font family
    std::string EinzelAffirmation() const;             // the affirmation ("single affirmation")
    bool MultipleAffirmationen() const;                // show several affirmations per run
    bool VollBild() const;                             // full screen
    std::string MultipleAffirmationenAnzahl() const;   // affirmations per run, as the field's text
    bool ZufallsSchriftart() const;                    // random font
    std::int32_t FontReihenfolgePosition() const;      // position in the random-font order
    std::int64_t AffirmationenDisplayCounter() const;  // affirmations shown so far
    bool StartWithPause() const;                       // begin with a pause, not an affirmation
    bool SCRPause() const;                             // pause while a screen saver runs
    bool ZufallsGroesse() const;                       // random size
    bool HintergrundTransparent() const;               // transparent background
    bool ZufallsSchriftFarbe() const;                  // random text colour
    bool Schatten() const;                             // shadow
    bool Autorun() const;                              // start at log-on
    bool AutorunVersteckt() const;                     // start hidden at log-on
    bool ZufallsKonturFarbe() const;                   // random contour colour
    // Set: the contour is transparent, i.e. not drawn ("contour transparency").
    bool Konturtransparenz() const;
    bool ZufallsHintergrundFarbe() const;   // random background colour
    std::int32_t AnzeigeIntervall() const;  // pause between showings, in seconds
    std::int32_t Anzeige() const;           // display time, in milliseconds

    // The live value of any stored setting, as the save writes it.
    SettingValue value(const StoredSetting& setting) const;

private:
    std::int32_t number(const StoredSetting& setting) const;
    bool flag(const StoredSetting& setting) const;
    std::string text(const StoredSetting& setting) const;

    const TfrmConfig& config_;
    const TfrmHint& hint_;
};

}  // namespace solvane
