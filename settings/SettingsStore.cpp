#include "settings/SettingsStore.h"

#include <string>

#include "app/Program.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "settings/Settings.h"
#include "settings/StartupEntry.h"
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
    if (storedMonitor < 0 || storedMonitor >= static_cast<std::int32_t>(monitors.size())) storedMonitor = 0;
    config.ComboBox1.setItemIndex(storedMonitor);
}

// Stage 1: the dialog's controls. The first error ends it; monitorsListed tells
// whether it got as far as the monitor list.
void loadControls(Program& program, bool& monitorsListed) {
    TfrmConfig& config = program.config();
    StoredValues values(openSettingsKey(program));

    const std::int32_t style = values.integer("FontStyle", 0) & 0xFF;
    const Colour fontColour = static_cast<Colour>(values.integer("FontColor", 0));
    config.loadedFontColour = fontColour;
    config.Shape4.setColour(static_cast<Colour>(values.integer("KonturColor", 0xFFFFFF)));
    config.Shape1.setColour(static_cast<Colour>(values.integer("BackColor", 0xFFFFFF)));
    config.Shape2.setColour(config.Shape1.colour());
    const std::int32_t size = values.integer("FontSize", 27);
    config.ReihenfolgePosition = values.integer("ReihenfolgePosition", 0);
    rebuildMonitorList(program, values.integer("Monitor", 0));
    monitorsListed = true;

    const std::string name = values.text("FontName", "Verdana");
    config.Shape3.setColour(fontColour);
    config.FontDialog1Font = FontSpec{name, size, style, fontColour};
    config.Label1.setFont(config.FontDialog1Font);
    config.Edit6.setText(config.Label1.font().name);

    config.cbZSchriftart.setChecked(values.flag("ZufallsSchriftart", false));
    config.cbAutorun.setChecked(values.flag("Autorun", true));
    config.cbAutorunClick();
    config.cbVersteckt.setChecked(values.flag("AutorunVersteckt", false));
    config.cbStartWithPause.setChecked(values.flag("StartWithPause", false));
    config.cbSCRPause.setChecked(values.flag("SCRPause", false));
    config.cbZSize.setChecked(values.flag("ZufallsGroesse", false));
    config.cbTBack.setChecked(values.flag("HintergrundTransparent", true));
    config.cbMultiple.setChecked(values.flag("MultipleAffirmationen", false));
    config.cbVollbild.setChecked(values.flag("VollBild", false));
    config.cbMultipleClick();

    config.Edit8.setText(values.text("MultipleAffirmationenAnzahl", "03"));

    config.cbZSFarbe.setChecked(values.flag("ZufallsSchriftFarbe", false));
    config.cbSchatten.setChecked(values.flag("Schatten", false));
    config.cbSchattenClick();
    config.cbZKFarbe.setChecked(values.flag("ZufallsKonturFarbe", false));
    config.cbKonturtransparenz.setChecked(values.flag("Konturtransparenz", false));
    config.cbKonturtransparenzClick();
    config.cbZFarbe.setChecked(values.flag("ZufallsHintergrundFarbe", false));

    config.Edit5.setText(values.text("EinzelAffirmation", program.texts.DefaultAffirmation));

    config.tbAnzeigeIntervall.setPosition(values.integer("AnzeigeIntervall", 18));
    config.tbAnzeigeIntervallChange();
    config.tbAnzeige.setPosition(values.integer("Anzeige", 2700));
    config.tbAnzeigeChange();
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
    program.guarded([&] { hint.AffirmationenDisplayCounter = values.integer("AffirmationenDisplayCounter", 0); });
    if (program.config().cbZSchriftart.checked() && program.platform.files.exists(program.platform.files.fontListPath())) {
        if (hint.loadFontCatalogue()) {
            program.guarded([&] { hint.catalogue.position = values.integer("FontReihenfolgePosition", 0); });
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
        auto flag = [](bool value) { return value ? 1 : 0; };
        key->writeInteger("FontStyle", settings.FontStyle());
        key->writeInteger("FontColor", static_cast<std::int32_t>(settings.FontColor()));
        key->writeInteger("KonturColor", static_cast<std::int32_t>(settings.KonturColor()));
        key->writeInteger("BackColor", static_cast<std::int32_t>(settings.BackColor()));
        key->writeInteger("FontSize", settings.FontSize());
        key->writeInteger("ReihenfolgePosition", settings.ReihenfolgePosition());
        key->writeInteger("Monitor", settings.Monitor());
        key->writeText("FontName", settings.FontName());
        key->writeText("ListFile", "");
        key->writeText("EinzelAffirmation", settings.EinzelAffirmation());
        key->writeInteger("MultipleAffirmationen", flag(settings.MultipleAffirmationen()));
        key->writeInteger("VollBild", flag(settings.VollBild()));
        key->writeText("MultipleAffirmationenAnzahl", settings.MultipleAffirmationenAnzahl());
        key->writeInteger("ZufallsSchriftart", flag(settings.ZufallsSchriftart()));
        if (settings.ZufallsSchriftart()) program.hint().saveFontCatalogue();
        key->writeInteger("FontReihenfolgePosition", settings.FontReihenfolgePosition());
        key->writeInteger("AffirmationenDisplayCounter", static_cast<std::int32_t>(
                                                             static_cast<std::uint32_t>(settings.AffirmationenDisplayCounter())));
        key->writeInteger("StartWithPause", flag(settings.StartWithPause()));
        key->writeInteger("SCRPause", flag(settings.SCRPause()));
        key->writeInteger("ZufallsGroesse", flag(settings.ZufallsGroesse()));
        key->writeInteger("HintergrundTransparent", flag(settings.HintergrundTransparent()));
        key->writeInteger("ZufallsSchriftFarbe", flag(settings.ZufallsSchriftFarbe()));
        key->writeInteger("Schatten", flag(settings.Schatten()));
        key->writeInteger("Autorun", flag(settings.Autorun()));
        key->writeInteger("AutorunVersteckt", flag(settings.AutorunVersteckt()));
        key->writeInteger("ZufallsKonturFarbe", flag(settings.ZufallsKonturFarbe()));
        key->writeInteger("Konturtransparenz", flag(settings.Konturtransparenz()));
        key->writeInteger("ZufallsHintergrundFarbe", flag(settings.ZufallsHintergrundFarbe()));
        key->writeInteger("AnzeigeIntervall", settings.AnzeigeIntervall());
        key->writeInteger("Anzeige", settings.Anzeige());
    } catch (const std::exception&) {
        // The first failing write ends the save; later values keep what was stored.
    }
    if (key) key->close();
}

}  // namespace solvane
