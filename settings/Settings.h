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

    std::int32_t FontStyle() const;
    Colour FontColor() const;
    Colour KonturColor() const;
    Colour BackColor() const;
    std::int32_t FontSize() const;
    std::int32_t ReihenfolgePosition() const;
    std::int32_t Monitor() const;
    std::string FontName() const;
    std::string EinzelAffirmation() const;
    bool MultipleAffirmationen() const;
    bool VollBild() const;
    std::string MultipleAffirmationenAnzahl() const;
    bool ZufallsSchriftart() const;
    std::int32_t FontReihenfolgePosition() const;
    std::int64_t AffirmationenDisplayCounter() const;
    bool StartWithPause() const;
    bool SCRPause() const;
    bool ZufallsGroesse() const;
    bool HintergrundTransparent() const;
    bool ZufallsSchriftFarbe() const;
    bool Schatten() const;
    bool Autorun() const;
    bool AutorunVersteckt() const;
    bool ZufallsKonturFarbe() const;
    bool Konturtransparenz() const;
    bool ZufallsHintergrundFarbe() const;
    std::int32_t AnzeigeIntervall() const;
    std::int32_t Anzeige() const;

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
