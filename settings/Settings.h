#pragma once
#include <cstdint>
#include <string>

#include "platform/Geometry.h"

namespace solvane {

class TfrmConfig;
class TfrmHint;

// Every persisted setting, read live from the controls that hold it; never a copy.
// Each accessor is named exactly as its stored value.
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

private:
    const TfrmConfig& config_;
    const TfrmHint& hint_;
};

}  // namespace solvane
