#pragma once
#include <QWidget>

class QGroupBox;
class QLineEdit;

namespace solvane {
class TfrmConfig;
}

namespace solvane::qt {

class CaptionLabel;
class EditBinding;

// The Affirmations page: the single affirmation, without a length limit.
class AffirmationsPageWidget : public QWidget {
public:
    explicit AffirmationsPageWidget(TfrmConfig& model);
    void refresh();

private:
    TfrmConfig& model_;
    QGroupBox* group_ = nullptr;
    CaptionLabel* label16_ = nullptr;
    QLineEdit* edit5_ = nullptr;
    EditBinding* edit5Binding_ = nullptr;
};

}  // namespace solvane::qt
