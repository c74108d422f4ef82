#include "dialog/TfrmConfig.h"

#include "app/Program.h"
#include "display/DisplayCycle.h"
#include "settings/LanguageSetup.h"
#include "settings/SettingsStore.h"
#include "settings/StoredSettings.h"

namespace solvane {

namespace {
constexpr int InitialPauseTimerMs = 3000;
constexpr const char* SampleCaption = "I am peace.";

// A time bar: its limits are its stored setting's range, its first position the setting's default.
TrackBar storedSettingBar(const ChangeNotifier* owner, const StoredSetting& setting) {
    return TrackBar(owner, setting.clamp.minimum, setting.clamp.maximum, setting.fallback.number);
}
}  // namespace

TfrmConfig::TfrmConfig(Program& program)
    : tbAnzeige(storedSettingBar(&notifier, storedSetting("Anzeige"))),
      tbAnzeigeIntervall(storedSettingBar(&notifier, storedSetting("AnzeigeIntervall"))),
      PauseTimer(program.platform.timers, InitialPauseTimerMs, true,
                 [this] { program_.guarded([this] { Timer1Timer(); }); }),
      program_(program) {
    notifier.setGuard([this](const std::function<void()>& action) { program_.guarded(action); });
    setDesignState();
    bindHandlers();
}

TfrmConfig::~TfrmConfig() = default;

// Every control that holds a setting starts with that setting's default: a load that
// stops at a value of the wrong type leaves the values after it as they are, and so
// the first load leaves them at their defaults, which the next save stores.
void TfrmConfig::setDesignState() {
    Button9.caption = "OK";
    Button10.caption = "Cancel";

    // The log-on start is the platform's, and so is the name of its moment.
    cbAutorun.caption = program_.platform.autostart.boxCaption();
    cbVersteckt.caption = "Hide";
    Label14.setCaption("Display time (ca.):");
    Label32.setCaption("Seconds");
    Label33.setCaption("Milliseconds");
    Label12.setCaption("Pause (ca.):");
    Label20.setCaption("Minutes");
    Label21.setCaption("Seconds");
    cbVollbild.caption = "Fullscreen";
    cbStartWithPause.caption = "Start with a pause";
    cbMultiple.caption = "Multiple Affirmations";
    cbSCRPause.caption = "Pause if screensaver is running";
    Label13.setCaption("Count: ");
    // The fields show the bars' default positions.
    showDisplayTime();
    Edit1.maxLength = 2;
    Edit4.maxLength = 3;
    showPause();
    Edit3.maxLength = 2;
    Edit2.maxLength = 2;
    Edit8.maxLength = 4;

    Button6.caption = "Choose font...";
    Edit6.readOnly = true;
    cbZSchriftart.caption = "Random font";
    cbZSize.caption = "Random size";
    Button3.caption = "Choose font color...";
    Button4.caption = "Choose border color...";
    Button2.caption = "Choose background color...";
    cbZSFarbe.caption = "Random color";
    cbZKFarbe.caption = "Random color";
    cbZFarbe.caption = "Random color";
    cbSchatten.caption = "Shadow";
    cbKonturtransparenz.caption = "Transparency";
    cbTBack.caption = "Transparency";

    const FontSpec sampleFont{"MS Sans Serif", 8, 0, 0xFFFFFF};
    const Point designPositions[] = {{20, 12}, {28, 20}, {36, 28}, {44, 36}, {52, 44}, {60, 52}};
    Label* previewLabels[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label11};
    for (int i = 0; i < 6; ++i) {
        previewLabels[i]->setCaption(SampleCaption);
        previewLabels[i]->setFont(sampleFont);
        previewLabels[i]->setPosition(designPositions[i]);
    }
    Label11.setVisible(false);
    LabelToSaveFontWhileDialogIsOpen = sampleFont;
    // The stored settings' defaults; the display draws with the preview text's font,
    // which starts as the chosen font.
    SetStoredDefaults(*this, program_.texts);
    showBackColourInPreview();

    Label10.setCaption("\u00A9 Marwick \u2013 visit the home of Solvane");
    Label15.setCaption("solvane.marwick.example");

    Label16.setCaption("Single affirmation:");

    // The boxes' reactions, for their default states.
    cbAutorunClick();
    cbMultipleClick();
    cbTBackClick();
}

void TfrmConfig::bindHandlers() {
    Button9.onClick = [this] { Button9Click(); };
    Button10.onClick = [this] { Button10Click(); };

    cbAutorun.onClick = [this] { cbAutorunClick(); };
    Edit1.onClick = [this] { Edit1Click(); };
    Edit1.onExit = [this] { Edit1Exit(); };
    Edit4.onClick = [this] { Edit4Click(); };
    Edit4.onChange = [this] { Edit4Change(); };
    Edit4.onExit = [this] { Edit4Exit(); };
    tbAnzeige.onChange = [this] { tbAnzeigeChange(); };
    Edit3.onClick = [this] { Edit3Click(); };
    Edit3.onExit = [this] { Edit3Exit(); };
    Edit2.onClick = [this] { Edit2Click(); };
    Edit2.onExit = [this] { Edit2Exit(); };
    tbAnzeigeIntervall.onChange = [this] { tbAnzeigeIntervallChange(); };
    cbMultiple.onClick = [this] { cbMultipleClick(); };
    Edit8.onClick = [this] { Edit8Click(); };
    Edit8.onChange = [this] { Edit8Change(); };
    Edit8.onExit = [this] { Edit8Exit(); };
    cbVollbild.onClick = [this] { cbTBackClick(); };

    cbZSchriftart.onClick = [this] { cbZSchriftartClick(); };
    cbZSize.onClick = [this] { cbZSizeClick(); };
    cbZSFarbe.onClick = [this] { cbZSFarbeClick(); };
    cbZKFarbe.onClick = [this] { cbZKFarbeClick(); };
    cbZFarbe.onClick = [this] { cbZFarbeClick(); };
    cbSchatten.onClick = [this] { cbSchattenClick(); };
    cbKonturtransparenz.onClick = [this] { cbKonturtransparenzClick(); };
    cbTBack.onClick = [this] { cbTBackClick(); };
    Button6.onClick = [this] { Button6Click(); };
    Button3.onClick = [this] { Shape3MouseUp(); };
    Button4.onClick = [this] { Shape4MouseUp(); };
    Button2.onClick = [this] { Shape1MouseUp(); };

    Edit5.onChange = [this] { Edit5Change(); };

    Image4.onClick = [this] { Image4Click(); };
    Image5.onClick = [this] { Image5Click(); };
    Image3.onClick = [this] { Image3Click(); };
    Image6.onClick = [this] { Image6Click(); };
    Image7.onClick = [this] { Image7Click(); };
    Image9.onClick = [this] { Image9Click(); };
    Image15.onClick = [this] { StaticText5Click(); };
    Label10.onClick = [this] { StaticText5Click(); };
    Label15.onClick = [this] { StaticText5Click(); };
    Image11.onClick = [this] { Image11Click(); };
}

void TfrmConfig::FormCreate() {
    view_ = program_.platform.windows.createDialogView(*this);
    setUpLanguage(program_);
    // The default sentence is the chosen language's.
    Edit5.setText(program_.texts.DefaultAffirmation);
    LoadSettings(program_);
}

void TfrmConfig::show() {
    visible_ = true;
    if (view_) view_->show();
}

void TfrmConfig::close() {
    if (!visible_) return;
    visible_ = false;
    if (view_) view_->hide();
}

bool TfrmConfig::isForeground() { return visible_ && view_ && view_->isForeground(); }

void TfrmConfig::bringToFront() {
    if (view_) view_->bringToFront();
}

bool TfrmConfig::rightToLeft() const { return program_.texts.RightToLeft; }

Rect TfrmConfig::frame() { return view_ ? view_->frame() : Rect{}; }

void TfrmConfig::setActivePage(ConfigPage page) {
    activePage_ = page;
    notifier.notify();
}

void TfrmConfig::Button9Click() {
    SaveSettings(program_);
    LoadSettings(program_);
    close();
}

void TfrmConfig::Button10Click() {
    LoadSettings(program_);
    close();
}

void TfrmConfig::userDismiss() {
    notifier.runUserAction([this] { Button10Click(); });
}

void TfrmConfig::setServedLine(const std::string& line) {
    Memo2ProductLine = line;
    notifier.notify();
}

void TfrmConfig::Timer1Timer() { PauseEnd(program_); }

}  // namespace solvane
