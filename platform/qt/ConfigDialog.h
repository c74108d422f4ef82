#pragma once
#include <QDialog>
#include <utility>

#include "platform/WindowSystem.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace solvane {
class EditField;
class Button;
}

namespace solvane::qt {

// The settings dialog: six pages in a tab widget and the OK and Cancel buttons.
// It shows TfrmConfig's controls and hands the user's actions to them.
class ConfigDialog : public QDialog, public platform::DialogView {
public:
    explicit ConfigDialog(TfrmConfig& model);
    ~ConfigDialog() override;

    void show() override;
    void hide() override;
    bool isForeground() override;
    void bringToFront() override;
    Rect frame() override;
    void refresh() override;

    // Escape and the window manager's close end up here: the dialog only hides.
    void reject() override;

private:
    QWidget* buildAffirmationsPage();
    void bindEdit(QLineEdit& widget, EditField& field);
    void bindButton(QPushButton& widget, Button& button);
    void queueRefresh();

    TfrmConfig& model_;
    QTabWidget* pages_ = nullptr;
    QLabel* label16_ = nullptr;
    QLineEdit* edit5_ = nullptr;
    QPushButton* button9_ = nullptr;
    QPushButton* button10_ = nullptr;
    std::pair<int, int> edit5Selection_{0, 0};
    bool refreshQueued_ = false;
};

}  // namespace solvane::qt
