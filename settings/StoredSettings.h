#pragma once
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "dialog/TfrmConfig.h"
#include "settings/Settings.h"
#include "settings/UiTexts.h"

namespace solvane {

// How the store keeps a value: a 32-bit integer, a text, or a flag (an integer 0 or 1).
enum class StoredType { Integer, Text, Flag };

// The value a setting takes when the store has none.
struct StoredDefault {
    constexpr StoredDefault(std::int32_t value) : number(value) {}
    constexpr StoredDefault(bool value) : number(value ? 1 : 0) {}
    constexpr StoredDefault(const char* value) : text(value) {}

    std::int32_t number = 0;  // an integer, or a flag as 0 or 1
    const char* text = "";
    bool languageAffirmation = false;  // the default affirmation of the interface language
};
inline constexpr StoredDefault TheLanguagesAffirmation = [] {
    StoredDefault value("");
    value.languageAffirmation = true;
    return value;
}();

// What a load keeps of a stored number.
struct Clamp {
    enum class Kind { None, LowByte, Range, MonitorIndex };
    Kind kind = Kind::None;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;

    // The number kept. A monitor index outside the monitors there are becomes 0.
    constexpr std::int32_t keep(std::int32_t value, std::int32_t monitorCount = 0) const {
        switch (kind) {
        case Kind::LowByte:
            return value & 0xFF;
        case Kind::Range:
            return std::clamp(value, minimum, maximum);
        case Kind::MonitorIndex:
            return value >= 0 && value < monitorCount ? value : 0;
        case Kind::None:
            break;
        }
        return value;
    }
};
inline constexpr Clamp LowByte{Clamp::Kind::LowByte};
inline constexpr Clamp OneOfTheMonitors{Clamp::Kind::MonitorIndex};
constexpr Clamp Within(std::int32_t minimum, std::int32_t maximum) { return {Clamp::Kind::Range, minimum, maximum}; }

// Settings that no single control of the dialog holds, each with a rule of its own.
enum class Rule {
    // FontStyle, FontColor, FontSize, FontName: the chosen font (FontDialog1Font), whose
    // colour is the font-colour swatch. The load keeps the parts aside and gives them to
    // the font, the swatch, the preview text and the font-name field together once the
    // name is read, so that a load stopped in between leaves the font as it was.
    ChosenFontStyle,
    ChosenFontColour,
    ChosenFontSize,
    ChosenFontName,
    // The monitor list's selected index: the load lists the monitors there are first.
    MonitorList,
    // ListFile: nothing chooses a list file, so it is never read and always saved empty.
    AlwaysEmpty,
    // The affirmation window's place in its shuffled fonts: read, in the second stage,
    // only together with the font order file it belongs to.
    FontPosition,
    // The affirmation window's 64-bit count of affirmations shown: read in the second
    // stage and sign-extended, saved as its low 32 bits.
    DisplayCounter,
};

// Where a setting lives while the program runs: a control of the dialog, a plain
// field of the dialog, or a rule.
using SettingHolder = std::variant<CheckBox TfrmConfig::*, EditField TfrmConfig::*, TrackBar TfrmConfig::*,
                                   Shape TfrmConfig::*, int TfrmConfig::*, Rule>;

// Calls the one of its functions that takes a holder of the kind at hand (for std::visit).
template <class... Functions>
struct Overloaded : Functions... {
    using Functions::operator()...;
};
template <class... Functions>
Overloaded(Functions...) -> Overloaded<Functions...>;

// A setting's place in the first stage of the load; ByItsRule: its rule reads it, or nothing does.
inline constexpr int ByItsRule = 0;

struct StoredSetting {
    std::string_view name;  // the stored value's name, which is also the Settings accessor's
    StoredType type;
    StoredDefault fallback;
    Clamp clamp;
    SettingHolder holder;
    int loadStep;
    // The dialog's reaction that the load runs once it has set this value.
    void (TfrmConfig::*afterLoad)() = nullptr;
};

// Every stored setting, in the order of the save. Columns: the stored value's name;
// how it is stored; its default; what a load keeps of a stored number; where it
// lives (a control or field of the dialog, or a rule); its step in the first stage of
// the load, whose order is not the save's; the dialog's reaction the load runs next.
// A new setting is one line here, plus the control that holds it (and its Settings
// accessor, if the program reads it by name).
// clang-format off
inline constexpr StoredSetting StoredSettings[] = {
    // name                         type                 default                  clamp              held by                           load       then
    {"FontStyle",                   StoredType::Integer, 0,                       LowByte,           Rule::ChosenFontStyle,            1},
    {"FontColor",                   StoredType::Integer, 0x000000,                {},                Rule::ChosenFontColour,           2},
    {"KonturColor",                 StoredType::Integer, 0xFFFFFF,                {},                &TfrmConfig::Shape4,              3},
    {"BackColor",                   StoredType::Integer, 0xFFFFFF,                {},                &TfrmConfig::Shape1,              4,         &TfrmConfig::showBackColourInPreview},
    {"FontSize",                    StoredType::Integer, 27,                      {},                Rule::ChosenFontSize,             5},
    {"ReihenfolgePosition",         StoredType::Integer, 0,                       {},                &TfrmConfig::ReihenfolgePosition, 6},
    {"Monitor",                     StoredType::Integer, 0,                       OneOfTheMonitors,  Rule::MonitorList,                7},
    {"FontName",                    StoredType::Text,    "Verdana",               {},                Rule::ChosenFontName,             8},
    {"ListFile",                    StoredType::Text,    "",                      {},                Rule::AlwaysEmpty,                ByItsRule},
    {"EinzelAffirmation",           StoredType::Text,    TheLanguagesAffirmation, {},                &TfrmConfig::Edit5,               24},
    {"MultipleAffirmationen",       StoredType::Flag,    false,                   {},                &TfrmConfig::cbMultiple,          16},
    {"VollBild",                    StoredType::Flag,    false,                   {},                &TfrmConfig::cbVollbild,          17,        &TfrmConfig::cbMultipleClick},
    {"MultipleAffirmationenAnzahl", StoredType::Text,    "03",                    {},                &TfrmConfig::Edit8,               18},
    {"ZufallsSchriftart",           StoredType::Flag,    false,                   {},                &TfrmConfig::cbZSchriftart,       9},
    {"FontReihenfolgePosition",     StoredType::Integer, 0,                       {},                Rule::FontPosition,               ByItsRule},
    {"AffirmationenDisplayCounter", StoredType::Integer, 0,                       {},                Rule::DisplayCounter,             ByItsRule},
    {"StartWithPause",              StoredType::Flag,    false,                   {},                &TfrmConfig::cbStartWithPause,    12},
    {"SCRPause",                    StoredType::Flag,    false,                   {},                &TfrmConfig::cbSCRPause,          13},
    {"ZufallsGroesse",              StoredType::Flag,    false,                   {},                &TfrmConfig::cbZSize,             14},
    {"HintergrundTransparent",      StoredType::Flag,    true,                    {},                &TfrmConfig::cbTBack,             15},
    {"ZufallsSchriftFarbe",         StoredType::Flag,    false,                   {},                &TfrmConfig::cbZSFarbe,           19},
    {"Schatten",                    StoredType::Flag,    false,                   {},                &TfrmConfig::cbSchatten,          20,        &TfrmConfig::cbSchattenClick},
    {"Autorun",                     StoredType::Flag,    true,                    {},                &TfrmConfig::cbAutorun,           10,        &TfrmConfig::cbAutorunClick},
    {"AutorunVersteckt",            StoredType::Flag,    false,                   {},                &TfrmConfig::cbVersteckt,         11},
    {"ZufallsKonturFarbe",          StoredType::Flag,    false,                   {},                &TfrmConfig::cbZKFarbe,           21},
    {"Konturtransparenz",           StoredType::Flag,    false,                   {},                &TfrmConfig::cbKonturtransparenz, 22,        &TfrmConfig::cbKonturtransparenzClick},
    {"ZufallsHintergrundFarbe",     StoredType::Flag,    false,                   {},                &TfrmConfig::cbZFarbe,            23},
    {"AnzeigeIntervall",            StoredType::Integer, 18,                      Within(5, 5999),   &TfrmConfig::tbAnzeigeIntervall,  25,        &TfrmConfig::tbAnzeigeIntervallChange},
    {"Anzeige",                     StoredType::Integer, 2700,                    Within(50, 59999), &TfrmConfig::tbAnzeige,           26,        &TfrmConfig::tbAnzeigeChange},
};
// clang-format on

// The value a setting takes when the store has none.
inline SettingValue defaultValue(const StoredSetting& setting, const UiTexts& texts) {
    if (setting.type != StoredType::Text) return setting.fallback.number;
    return setting.fallback.languageAffirmation ? texts.DefaultAffirmation : std::string(setting.fallback.text);
}

constexpr bool heldByRule(const StoredSetting& setting, Rule rule) {
    const Rule* held = std::get_if<Rule>(&setting.holder);
    return held && *held == rule;
}

// The row of a setting, found while compiling: a name that is not in the table does not compile.
consteval const StoredSetting& storedSetting(std::string_view name) {
    for (const StoredSetting& setting : StoredSettings) {
        if (setting.name == name) return setting;
    }
    throw "no stored setting of this name";
}

namespace stored_settings_detail {
constexpr std::size_t stageOneCount() {
    std::size_t count = 0;
    for (const StoredSetting& setting : StoredSettings) count += setting.loadStep != ByItsRule ? 1 : 0;
    return count;
}

// A control holds a value of the one type it shows: a check box a flag, an edit field a text, the rest a number.
constexpr bool typeFitsHolder(const StoredSetting& s) {
    if (std::holds_alternative<Rule>(s.holder)) return true;
    if (std::holds_alternative<CheckBox TfrmConfig::*>(s.holder)) return s.type == StoredType::Flag;
    if (std::holds_alternative<EditField TfrmConfig::*>(s.holder)) return s.type == StoredType::Text;
    return s.type == StoredType::Integer;
}

constexpr bool wellFormed() {
    for (const StoredSetting& s : StoredSettings) {
        if (!typeFitsHolder(s)) return false;
        for (const StoredSetting& other : StoredSettings) {
            if (&other != &s && other.name == s.name) return false;
            if (&other != &s && s.loadStep != ByItsRule && other.loadStep == s.loadStep) return false;
        }
        if (s.loadStep < 0 || s.loadStep > static_cast<int>(stageOneCount())) return false;
    }
    return true;
}
static_assert(wellFormed(), "each stored setting needs its own name and load step, and a type that fits its holder");
}  // namespace stored_settings_detail

// The settings read by the first stage of the load, in the order it reads them.
inline constexpr auto StageOneLoadOrder = [] {
    std::array<const StoredSetting*, stored_settings_detail::stageOneCount()> order{};
    for (const StoredSetting& setting : StoredSettings) {
        if (setting.loadStep != ByItsRule) order[setting.loadStep - 1] = &setting;
    }
    return order;
}();

}  // namespace solvane
