#pragma once
#include <memory>
#include <vector>

#include "platform/windows/DialogControls.h"
#include "platform/windows/DialogPageView.h"

namespace solvane::windows {

// The Display page: monitor, start with the system, display time, pause, full screen
// and runs of several affirmations, in the group " Display options  ".
class DisplayPageView final : public DialogPageView {
public:
    DisplayPageView(HWND dialog, TfrmConfig& model, int dpi, const DialogFonts& fonts);
    ~DisplayPageView() override;
    void refresh() override;

private:
    TfrmConfig& model_;
    HWND group_ = nullptr;
    HWND comboBox1_ = nullptr;
    HWND cbAutorun_ = nullptr;
    HWND cbVersteckt_ = nullptr;
    HWND label14_ = nullptr;
    HWND edit1_ = nullptr;
    HWND label32_ = nullptr;
    HWND edit4_ = nullptr;
    HWND label33_ = nullptr;
    HWND tbAnzeige_ = nullptr;
    HWND label12_ = nullptr;
    HWND edit3_ = nullptr;
    HWND label20_ = nullptr;
    HWND edit2_ = nullptr;
    HWND label21_ = nullptr;
    HWND tbAnzeigeIntervall_ = nullptr;
    HWND cbVollbild_ = nullptr;
    HWND cbStartWithPause_ = nullptr;
    HWND cbMultiple_ = nullptr;
    HWND cbSCRPause_ = nullptr;
    HWND label13_ = nullptr;
    HWND edit8_ = nullptr;
    std::vector<std::unique_ptr<EditBinding>> edits_;
};

}  // namespace solvane::windows
