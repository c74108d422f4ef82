#include "settings/Settings.h"

#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "settings/StoredSettings.h"

namespace solvane {

std::int32_t Settings::FontStyle() const { return number(storedSetting("FontStyle")); }
Colour Settings::FontColor() const { return static_cast<Colour>(number(storedSetting("FontColor"))); }
Colour Settings::KonturColor() const { return static_cast<Colour>(number(storedSetting("KonturColor"))); }
Colour Settings::BackColor() const { return static_cast<Colour>(number(storedSetting("BackColor"))); }
std::int32_t Settings::FontSize() const { return number(storedSetting("FontSize")); }
std::int32_t Settings::ReihenfolgePosition() const { return number(storedSetting("ReihenfolgePosition")); }
std::int32_t Settings::Monitor() const { return number(storedSetting("Monitor")); }
std::string Settings::FontName() const { return text(storedSetting("FontName")); }
std::string Settings::EinzelAffirmation() const { return text(storedSetting("EinzelAffirmation")); }
bool Settings::MultipleAffirmationen() const { return flag(storedSetting("MultipleAffirmationen")); }
bool Settings::VollBild() const { return flag(storedSetting("VollBild")); }
std::string Settings::MultipleAffirmationenAnzahl() const { return text(storedSetting("MultipleAffirmationenAnzahl")); }
bool Settings::ZufallsSchriftart() const { return flag(storedSetting("ZufallsSchriftart")); }
std::int32_t Settings::FontReihenfolgePosition() const { return number(storedSetting("FontReihenfolgePosition")); }
// The whole counter: the store keeps only its low 32 bits.
std::int64_t Settings::AffirmationenDisplayCounter() const { return hint_.AffirmationenDisplayCounter; }
bool Settings::StartWithPause() const { return flag(storedSetting("StartWithPause")); }
bool Settings::SCRPause() const { return flag(storedSetting("SCRPause")); }
bool Settings::ZufallsGroesse() const { return flag(storedSetting("ZufallsGroesse")); }
bool Settings::HintergrundTransparent() const { return flag(storedSetting("HintergrundTransparent")); }
bool Settings::ZufallsSchriftFarbe() const { return flag(storedSetting("ZufallsSchriftFarbe")); }
bool Settings::Schatten() const { return flag(storedSetting("Schatten")); }
bool Settings::Autorun() const { return flag(storedSetting("Autorun")); }
bool Settings::AutorunVersteckt() const { return flag(storedSetting("AutorunVersteckt")); }
bool Settings::ZufallsKonturFarbe() const { return flag(storedSetting("ZufallsKonturFarbe")); }
bool Settings::Konturtransparenz() const { return flag(storedSetting("Konturtransparenz")); }
bool Settings::ZufallsHintergrundFarbe() const { return flag(storedSetting("ZufallsHintergrundFarbe")); }
std::int32_t Settings::AnzeigeIntervall() const { return number(storedSetting("AnzeigeIntervall")); }
std::int32_t Settings::Anzeige() const { return number(storedSetting("Anzeige")); }

SettingValue Settings::value(const StoredSetting& setting) const {
    return std::visit(
        Overloaded{
            [&](CheckBox TfrmConfig::*box) -> SettingValue { return (config_.*box).checked() ? 1 : 0; },
            [&](EditField TfrmConfig::*field) -> SettingValue { return (config_.*field).text(); },
            [&](TrackBar TfrmConfig::*bar) -> SettingValue { return (config_.*bar).position(); },
            [&](Shape TfrmConfig::*swatch) -> SettingValue {
                return static_cast<std::int32_t>((config_.*swatch).colour());
            },
            [&](int TfrmConfig::*field) -> SettingValue { return config_.*field; },
            [&](Rule rule) -> SettingValue {
                switch (rule) {
                case Rule::ChosenFontStyle:
                    return setting.clamp.keep(config_.FontDialog1Font.style);
                case Rule::ChosenFontColour:
                    return static_cast<std::int32_t>(config_.Shape3.colour());
                case Rule::ChosenFontSize:
                    return config_.FontDialog1Font.size;
                case Rule::ChosenFontName:
                    return config_.FontDialog1Font.name;
                case Rule::MonitorList:
                    return config_.ComboBox1.itemIndex();
                case Rule::AlwaysEmpty:
                    break;
                case Rule::FontPosition:
                    return hint_.catalogue.position;
                case Rule::DisplayCounter:
                    return static_cast<std::int32_t>(static_cast<std::uint32_t>(hint_.AffirmationenDisplayCounter));
                }
                return std::string();
            },
        },
        setting.holder);
}

std::int32_t Settings::number(const StoredSetting& setting) const { return std::get<std::int32_t>(value(setting)); }
bool Settings::flag(const StoredSetting& setting) const { return number(setting) != 0; }
std::string Settings::text(const StoredSetting& setting) const { return std::get<std::string>(value(setting)); }

}  // namespace solvane
