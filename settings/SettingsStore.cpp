#include "settings/SettingsStore.h"

#include <string>

#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "settings/Settings.h"
#include "settings/StartupEntry.h"
#include "settings/StoredSettings.h"
#include "settings/StoredValues.h"

namespace solvane {

namespace {
constexpr int FailedLoadPauseMs = 9;

std::unique_ptr<platform::StoreKey> openSettingsKey(Program& program) {
    return program.platform.store.open(platform::StoreRoot::CurrentUser, SettingsKeyPath);
}

void rebuildMonitorList(Program& program, std::int32_t storedMonitor) {
    TfrmConfig& config = program.config();
    const auto monitors = program.platform.monitors.list();
    config.ComboBox1.clear();
    int number = 1;
    for (const Rect& bounds : monitors) {
        config.ComboBox1.add(std::to_string(number++) + ". " + program.texts.MonitorWord + " (" +
                             std::to_string(bounds.width) + " x " + std::to_string(bounds.height) + " Pixel)");
    }
    config.ComboBox1.setItemIndex(0);
    config.ComboBox1.setItemIndex(
        storedSetting("Monitor").clamp.keep(storedMonitor, static_cast<std::int32_t>(monitors.size())));
}

// Puts a value into the control or field of the dialog that holds it, within the
// setting's clamp; false for a setting held by a rule.
bool putIntoDialog(TfrmConfig& config, const StoredSetting& setting, const SettingValue& value) {
    auto number = [&] { return setting.clamp.keep(std::get<std::int32_t>(value)); };
    return std::visit(Overloaded{
                          [&](CheckBox TfrmConfig::*box) {
                              (config.*box).setChecked(std::get<std::int32_t>(value) != 0);
                              return true;
                          },
                          [&](EditField TfrmConfig::*field) {
                              (config.*field).setText(std::get<std::string>(value));
                              return true;
                          },
                          [&](TrackBar TfrmConfig::*bar) {
                              (config.*bar).setPosition(number());
                              return true;
                          },
                          [&](Shape TfrmConfig::*swatch) {
                              (config.*swatch).setColour(static_cast<Colour>(number()));
                              return true;
                          },
                          [&](int TfrmConfig::*field) {
                              config.*field = number();
                              return true;
                          },
                          [](Rule) { return false; },
                      },
                      setting.holder);
}

// Keeps a part of the chosen font (style, colour, size or name) aside.
void keepChosenFontPart(FontSpec& font, const StoredSetting& setting, const SettingValue& value) {
    if (heldByRule(setting, Rule::ChosenFontStyle)) font.style = setting.clamp.keep(std::get<std::int32_t>(value));
    if (heldByRule(setting, Rule::ChosenFontColour)) font.colour = static_cast<Colour>(std::get<std::int32_t>(value));
    if (heldByRule(setting, Rule::ChosenFontSize)) font.size = std::get<std::int32_t>(value);
    if (heldByRule(setting, Rule::ChosenFontName)) font.name = std::get<std::string>(value);
}

// The chosen font, its colour swatch, the preview text and the font-name field take
// the font as a whole.
void giveChosenFont(TfrmConfig& config, const FontSpec& font) {
    config.Shape3.setColour(font.colour);
    config.FontDialog1Font = font;
    config.Label1.setFont(config.FontDialog1Font);
    config.Edit6.setText(config.Label1.font().name);
}

// Stage 1: the dialog's controls, in the load's order, each followed by the dialog's
// reaction to it. The first error ends it; monitorsListed tells whether it got as far
// as the monitor list.
void loadControls(Program& program, bool& monitorsListed) {
    TfrmConfig& config = program.config();
    StoredValues values(openSettingsKey(program));
    FontSpec chosenFont;
    for (const StoredSetting* setting : StageOneLoadOrder) {
        const SettingValue value = values.read(*setting, program.texts);
        if (!putIntoDialog(config, *setting, value)) {
            keepChosenFontPart(chosenFont, *setting, value);
            if (heldByRule(*setting, Rule::ChosenFontColour)) config.loadedFontColour = chosenFont.colour;
            if (heldByRule(*setting, Rule::ChosenFontName)) giveChosenFont(config, chosenFont);
            if (heldByRule(*setting, Rule::MonitorList)) {
                rebuildMonitorList(program, std::get<std::int32_t>(value));
                monitorsListed = true;
            }
        }
        if (setting->afterLoad) (config.*setting->afterLoad)();
    }
    values.close();

    program.hint().DisplayTimer.setInterval(config.tbAnzeige.position());
    config.PauseTimer.setInterval(config.tbAnzeigeIntervall.position() * 1000);
}

// Stage 2: the affirmation window's counter and font order. An error here ends only
// the step it happens in: the load goes on, so that the program is never left half
// set up by a value of the wrong type.
void loadDisplayState(Program& program) {
    TfrmHint& hint = program.hint();
    StoredValues values(openSettingsKey(program));
    auto read = [&](const StoredSetting& setting) {
        return std::get<std::int32_t>(values.read(setting, program.texts));
    };
    program.guarded([&] { hint.AffirmationenDisplayCounter = read(storedSetting("AffirmationenDisplayCounter")); });
    if (program.config().cbZSchriftart.checked() &&
        program.platform.files.exists(program.platform.files.fontListPath())) {
        if (hint.loadFontCatalogue()) {
            program.guarded([&] { hint.catalogue.position = read(storedSetting("FontReihenfolgePosition")); });
        }
    }
}
}  // namespace

void LoadSettings(Program& program) {
    bool monitorsListed = false;
    try {
        loadControls(program, monitorsListed);
    } catch (const std::exception&) {
        // A value of the wrong type ends the first stage; what was read stays, and the
        // rest keeps what the dialog held. The monitor list is built all the same,
        // keeping the monitor chosen so far (the first one on the first load): without
        // the list no affirmation finds its monitor.
        if (!monitorsListed) rebuildMonitorList(program, program.config().ComboBox1.itemIndex());
        program.platform.loop.sleepMs(FailedLoadPauseMs);
    }
    loadDisplayState(program);
}

void SetStoredDefaults(TfrmConfig& config, const UiTexts& texts) {
    FontSpec chosenFont;
    for (const StoredSetting& setting : StoredSettings) {
        const SettingValue value = defaultValue(setting, texts);
        if (!putIntoDialog(config, setting, value)) keepChosenFontPart(chosenFont, setting, value);
    }
    giveChosenFont(config, chosenFont);
}

void SaveSettings(Program& program) {
    try {
        WriteStartupEntry(program);
    } catch (const std::exception&) {
        // The log-on entry is best effort; the settings are saved all the same.
    }

    const Settings settings = program.settings();
    auto key = openSettingsKey(program);
    try {
        if (!key) throw platform::StoreError("The settings key cannot be opened.");
        for (const StoredSetting& setting : StoredSettings) {
            // The font order goes to its file just before the position in it is stored.
            if (heldByRule(setting, Rule::FontPosition) && settings.ZufallsSchriftart())
                program.hint().saveFontCatalogue();
            const SettingValue value = settings.value(setting);
            if (setting.type == StoredType::Text) {
                key->writeText(std::string(setting.name), std::get<std::string>(value));
            } else {
                key->writeInteger(std::string(setting.name), std::get<std::int32_t>(value));
            }
        }
    } catch (const std::exception&) {
        // The first failing write ends the save; later values keep what was stored.
    }
    if (key) key->close();
}

}  // namespace solvane
