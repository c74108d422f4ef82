#pragma once
#include "platform/WindowSystem.h"

namespace solvane::qt {

// Creates the program's windows as Qt widgets.
class QtWindowSystem : public platform::WindowSystem {
public:
    void setApplicationTitle(const std::string& title) override;
    std::unique_ptr<platform::TrayView> createTrayView(TfrmSlv17k30Main& main) override;
    std::unique_ptr<platform::HintView> createHintView(TfrmHint& hint) override;
    std::unique_ptr<platform::DialogView> createDialogView(TfrmConfig& config) override;
};

}  // namespace solvane::qt
