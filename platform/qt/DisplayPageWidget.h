#pragma once
#include <QWidget>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QSlider;

namespace solvane {
class TfrmConfig;
}

namespace solvane::qt {

class CaptionLabel;
class EditBinding;

// The Display page: monitor, start with the system, display time, pause, full
// screen and runs of several affirmations, in the group " Display options  ".
class DisplayPageWidget : public QWidget {
public:
    explicit DisplayPageWidget(TfrmConfig& model);
    void refresh();

private:
    QCheckBox* addCheckBox(const char* name, QRect bounds);
    CaptionLabel* addLabel(const char* name, QPoint at);
    QLineEdit* addEdit(const char* name, QRect bounds);
    QSlider* addSlider(const char* name, QRect bounds);

    TfrmConfig& model_;
    QGroupBox* group_ = nullptr;
    QComboBox* comboBox1_ = nullptr;
    QCheckBox* cbAutorun_ = nullptr;
    QCheckBox* cbVersteckt_ = nullptr;
    CaptionLabel* label14_ = nullptr;
    QLineEdit* edit1_ = nullptr;
    CaptionLabel* label32_ = nullptr;
    QLineEdit* edit4_ = nullptr;
    CaptionLabel* label33_ = nullptr;
    QSlider* tbAnzeige_ = nullptr;
    CaptionLabel* label12_ = nullptr;
    QLineEdit* edit3_ = nullptr;
    CaptionLabel* label20_ = nullptr;
    QLineEdit* edit2_ = nullptr;
    CaptionLabel* label21_ = nullptr;
    QSlider* tbAnzeigeIntervall_ = nullptr;
    QCheckBox* cbVollbild_ = nullptr;
    QCheckBox* cbStartWithPause_ = nullptr;
    QCheckBox* cbMultiple_ = nullptr;
    QCheckBox* cbSCRPause_ = nullptr;
    CaptionLabel* label13_ = nullptr;
    QLineEdit* edit8_ = nullptr;
    std::vector<EditBinding*> edits_;
};

}  // namespace solvane::qt
