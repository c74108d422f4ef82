#pragma once
#include <QDialog>
#include <QList>
#include <QMargins>

#include "platform/WindowSystem.h"

class QGroupBox;
class QPushButton;
class QTabWidget;

namespace solvane::qt {

class AboutPageWidget;
class AffirmationsPageWidget;
class DisplayPageWidget;
class FontColourPageWidget;
class LinksPageWidget;
class ThanksPageWidget;

// The settings dialog: six pages in a tab widget and the OK and Cancel buttons,
// with a fixed border and no title-bar buttons. It shows TfrmConfig's controls and
// hands the user's actions to them; it has no rules of its own.
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

    std::optional<FontSpec> chooseFont(const FontSpec& initial, Point topLeft,
                                       const std::function<void(const FontSpec&)>& onApply) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    Point fontChooserPosition() override;

    // Escape: the user dismisses the dialog.
    void reject() override;

protected:
    // The window manager's close is the user's dismissal; a close that Qt asks
    // for itself (for instance at the end of the session) only hides the dialog.
    void closeEvent(QCloseEvent* event) override;

private:
    void queueRefresh();
    // Moves the dialog's buttons and pages and the controls in the groups to their
    // mirrored places, or back.
    void mirror();
    // Centres the window with its frame on the screen under the mouse.
    void centreOnScreen();

    TfrmConfig& model_;
    QTabWidget* pages_ = nullptr;
    LinksPageWidget* linksPage_ = nullptr;
    AffirmationsPageWidget* affirmationsPage_ = nullptr;
    FontColourPageWidget* fontColourPage_ = nullptr;
    DisplayPageWidget* displayPage_ = nullptr;
    AboutPageWidget* aboutPage_ = nullptr;
    ThanksPageWidget* thanksPage_ = nullptr;
    QPushButton* button9_ = nullptr;
    QPushButton* button10_ = nullptr;
    bool refreshQueued_ = false;
    QList<QGroupBox*> mirroredGroups_;
    bool mirrored_ = false;
    // The window manager's frame around the dialog, as last known.
    QMargins knownFrame_;
};

}  // namespace solvane::qt
