#include "settings/Settings.h"

#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"

namespace solvane {

std::int32_t Settings::FontStyle() const { return config_.FontDialog1Font.style & 0xFF; }
Colour Settings::FontColor() const { return config_.Shape3.colour(); }
Colour Settings::KonturColor() const { return config_.Shape4.colour(); }
Colour Settings::BackColor() const { return config_.Shape1.colour(); }
std::int32_t Settings::FontSize() const { return config_.FontDialog1Font.size; }
std::int32_t Settings::ReihenfolgePosition() const { return config_.ReihenfolgePosition; }
std::int32_t Settings::Monitor() const { return config_.ComboBox1.itemIndex(); }
std::string Settings::FontName() const { return config_.FontDialog1Font.name; }
std::string Settings::EinzelAffirmation() const { return config_.Edit5.text(); }
bool Settings::MultipleAffirmationen() const { return config_.cbMultiple.checked(); }
bool Settings::VollBild() const { return config_.cbVollbild.checked(); }
std::string Settings::MultipleAffirmationenAnzahl() const { return config_.Edit8.text(); }
bool Settings::ZufallsSchriftart() const { return config_.cbZSchriftart.checked(); }
std::int32_t Settings::FontReihenfolgePosition() const { return hint_.catalogue.position; }
std::int64_t Settings::AffirmationenDisplayCounter() const { return hint_.AffirmationenDisplayCounter; }
bool Settings::StartWithPause() const { return config_.cbStartWithPause.checked(); }
bool Settings::SCRPause() const { return config_.cbSCRPause.checked(); }
bool Settings::ZufallsGroesse() const { return config_.cbZSize.checked(); }
bool Settings::HintergrundTransparent() const { return config_.cbTBack.checked(); }
bool Settings::ZufallsSchriftFarbe() const { return config_.cbZSFarbe.checked(); }
bool Settings::Schatten() const { return config_.cbSchatten.checked(); }
bool Settings::Autorun() const { return config_.cbAutorun.checked(); }
bool Settings::AutorunVersteckt() const { return config_.cbVersteckt.checked(); }
bool Settings::ZufallsKonturFarbe() const { return config_.cbZKFarbe.checked(); }
bool Settings::Konturtransparenz() const { return config_.cbKonturtransparenz.checked(); }
bool Settings::ZufallsHintergrundFarbe() const { return config_.cbZFarbe.checked(); }
std::int32_t Settings::AnzeigeIntervall() const { return config_.tbAnzeigeIntervall.position(); }
std::int32_t Settings::Anzeige() const { return config_.tbAnzeige.position(); }

}  // namespace solvane
