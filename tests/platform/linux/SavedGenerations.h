#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include <QJsonObject>
#include <QString>

#include "platform/KeyStore.h"

namespace solvane::platform::testing {

// The program's 29 stored settings, each written from one number, the save's
// "generation": an integer value is the generation, a text "generation <n>", a flag the
// generation's lowest bit. A file that holds one whole save names a single generation.
struct SavedValue {
    enum class Kind { Integer, Text, Flag };
    const char* name;
    Kind kind;
};

inline constexpr SavedValue savedValues[] = {
    {"FontStyle", SavedValue::Kind::Integer},
    {"FontColor", SavedValue::Kind::Integer},
    {"KonturColor", SavedValue::Kind::Integer},
    {"BackColor", SavedValue::Kind::Integer},
    {"FontSize", SavedValue::Kind::Integer},
    {"ReihenfolgePosition", SavedValue::Kind::Integer},
    {"Monitor", SavedValue::Kind::Integer},
    {"FontName", SavedValue::Kind::Text},
    {"ListFile", SavedValue::Kind::Text},
    {"EinzelAffirmation", SavedValue::Kind::Text},
    {"MultipleAffirmationen", SavedValue::Kind::Flag},
    {"VollBild", SavedValue::Kind::Flag},
    {"MultipleAffirmationenAnzahl", SavedValue::Kind::Text},
    {"ZufallsSchriftart", SavedValue::Kind::Flag},
    {"FontReihenfolgePosition", SavedValue::Kind::Integer},
    {"AffirmationenDisplayCounter", SavedValue::Kind::Integer},
    {"StartWithPause", SavedValue::Kind::Flag},
    {"SCRPause", SavedValue::Kind::Flag},
    {"ZufallsGroesse", SavedValue::Kind::Flag},
    {"HintergrundTransparent", SavedValue::Kind::Flag},
    {"ZufallsSchriftFarbe", SavedValue::Kind::Flag},
    {"Schatten", SavedValue::Kind::Flag},
    {"Autorun", SavedValue::Kind::Flag},
    {"AutorunVersteckt", SavedValue::Kind::Flag},
    {"ZufallsKonturFarbe", SavedValue::Kind::Flag},
    {"Konturtransparenz", SavedValue::Kind::Flag},
    {"ZufallsHintergrundFarbe", SavedValue::Kind::Flag},
    {"AnzeigeIntervall", SavedValue::Kind::Integer},
    {"Anzeige", SavedValue::Kind::Integer},
};

inline std::string generationText(std::int32_t generation) { return "generation " + std::to_string(generation); }

// One save of every value, through one key, as the program saves its settings.
inline void saveGeneration(KeyStore& store, std::int32_t generation) {
    const std::unique_ptr<StoreKey> key = store.open(StoreRoot::CurrentUser, "Software\\Marwick\\Marwick's Solvane");
    if (!key) throw StoreError("the settings key cannot be opened");
    for (const SavedValue& value : savedValues) {
        switch (value.kind) {
        case SavedValue::Kind::Integer:
            key->writeInteger(value.name, generation);
            break;
        case SavedValue::Kind::Text:
            key->writeText(value.name, generationText(generation));
            break;
        case SavedValue::Kind::Flag:
            key->writeInteger(value.name, generation & 1);
            break;
        }
    }
    key->close();
}

// The generation that every value of a stored settings object holds; nothing when a value
// is missing, there is one too many, or they do not agree.
inline std::optional<std::int32_t> generationOf(const QJsonObject& stored) {
    if (stored.size() != static_cast<qsizetype>(std::size(savedValues))) return std::nullopt;
    const QJsonValue anzeige = stored.value(QStringLiteral("Anzeige"));
    if (!anzeige.isDouble()) return std::nullopt;
    const auto generation = static_cast<std::int32_t>(anzeige.toInteger());
    for (const SavedValue& value : savedValues) {
        const QJsonValue held = stored.value(QString::fromUtf8(value.name));
        const QJsonValue expected = value.kind == SavedValue::Kind::Integer ? QJsonValue(generation)
                                    : value.kind == SavedValue::Kind::Text
                                        ? QJsonValue(QString::fromStdString(generationText(generation)))
                                        : QJsonValue(generation & 1);
        if (held != expected) return std::nullopt;
    }
    return generation;
}

}  // namespace solvane::platform::testing
