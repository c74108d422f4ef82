// The Display page: monitor, log-on start, display time, pause, full screen and runs.
#include <string>

#include "app/Program.h"
#include "dialog/NumberField.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"

namespace solvane {

namespace {
constexpr int MinimumDisplayMs = 50;
constexpr int MinimumPauseSeconds = 5;
}  // namespace

void TfrmConfig::cbAutorunClick() { cbVersteckt.setEnabled(cbAutorun.checked()); }

void TfrmConfig::cbMultipleClick() {
    const bool multiple = cbMultiple.checked();
    cbVollbild.setEnabled(!multiple);
    Edit8.setEnabled(multiple);
    Label13.setEnabled(multiple);
}

// --- Display time: tbAnzeige is the master, Edit1 (seconds) and Edit4 (ms) are views ---

void TfrmConfig::tbAnzeigeChange() {
    const int position = tbAnzeige.position();
    showDisplayTime();
    program_.hint().DisplayTimer.setInterval(position);
}

void TfrmConfig::showDisplayTime() {
    const int position = tbAnzeige.position();
    Edit1.setText(std::to_string(position / 1000));
    Edit4.setText(std::to_string(position % 1000));
}

void TfrmConfig::setDisplayBar(std::int64_t milliseconds) {
    tbAnzeige.setPosition(
        static_cast<int>(std::clamp<std::int64_t>(milliseconds, tbAnzeige.minimum(), tbAnzeige.maximum())));
}

void TfrmConfig::Edit4Change() {
    checkNumberField(Edit4, 999, "0");
    setDisplayBar(1000 * fieldValue(Edit1) + fieldValue(Edit4));
}

void TfrmConfig::Edit1Change() {
    checkNumberField(Edit1, 59, "0");
    setDisplayBar(1000 * fieldValue(Edit1) + fieldValue(Edit4));
}

void TfrmConfig::Edit1Exit() {
    Edit1Change();
    if (fieldValue(Edit4) < MinimumDisplayMs && fieldValue(Edit1) == 0) Edit4.setText(std::to_string(MinimumDisplayMs));
}

void TfrmConfig::Edit4Exit() {
    Edit4Change();
    if (fieldValue(Edit4) < MinimumDisplayMs && fieldValue(Edit1) == 0) Edit4.setText(std::to_string(MinimumDisplayMs));
}

// --- Pause: tbAnzeigeIntervall is the master, Edit3 (minutes) and Edit2 (seconds) are views ---

void TfrmConfig::tbAnzeigeIntervallChange() {
    const int position = tbAnzeigeIntervall.position();
    showPause();
    PauseTimer.setInterval(position * 1000);
}

void TfrmConfig::showPause() {
    const int position = tbAnzeigeIntervall.position();
    Edit3.setText(std::to_string(position / 60));
    Edit2.setText(std::to_string(position % 60));
}

void TfrmConfig::setPauseBar(std::int64_t seconds) {
    tbAnzeigeIntervall.setPosition(static_cast<int>(
        std::clamp<std::int64_t>(seconds, tbAnzeigeIntervall.minimum(), tbAnzeigeIntervall.maximum())));
}

void TfrmConfig::applyPauseMinimum() {
    if (fieldValue(Edit2) < MinimumPauseSeconds && fieldValue(Edit3) == 0)
        Edit2.setText(std::to_string(MinimumPauseSeconds));
}

void TfrmConfig::Edit3Change() {
    checkNumberField(Edit3, 99, "0");
    applyPauseMinimum();
    setPauseBar(60 * fieldValue(Edit3) + fieldValue(Edit2));
}

void TfrmConfig::Edit3Exit() {
    Edit3Change();
    applyPauseMinimum();
}

void TfrmConfig::Edit2Change() {
    checkNumberField(Edit2, 59, "0");
    setPauseBar(60 * fieldValue(Edit3) + fieldValue(Edit2));
}

void TfrmConfig::Edit2Exit() {
    Edit2Change();
    applyPauseMinimum();
}

// --- Count of a run ---

void TfrmConfig::Edit8Change() { checkNumberField(Edit8, 9999, "0002"); }

void TfrmConfig::Edit8Exit() {
    Edit8Change();
    if (fieldValue(Edit8) < 2) Edit8.setText("0002");
}

// --- Selecting a field's whole text when it is clicked ---

void TfrmConfig::Edit1Click() { Edit1.selectAll(); }
void TfrmConfig::Edit4Click() { Edit4.selectAll(); }
void TfrmConfig::Edit3Click() { Edit3.selectAll(); }
void TfrmConfig::Edit2Click() { Edit2.selectAll(); }
void TfrmConfig::Edit8Click() { Edit8.selectAll(); }

}  // namespace solvane
