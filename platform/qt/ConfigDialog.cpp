#include "platform/qt/ConfigDialog.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QWindow>

#include "dialog/TfrmConfig.h"
#include "platform/qt/AffirmationsPageWidget.h"
#include "platform/qt/ColourChooser.h"
#include "platform/qt/DisplayPageWidget.h"
#include "platform/qt/FontChooser.h"
#include "platform/qt/FontColourPageWidget.h"
#include "platform/qt/InformationPages.h"
#include "platform/qt/InterfaceFont.h"
#include "platform/qt/MirroredLayout.h"
#include "platform/qt/ModelBinding.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/X11Desktop.h"

namespace solvane::qt {
namespace {

constexpr int PageCount = 6;

}  // namespace

ConfigDialog::ConfigDialog(TfrmConfig& model)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(model) {
    setObjectName(QStringLiteral("TfrmConfig"));
    setFixedSize(513, 401);
    setFont(dialogInterfaceFont(font()));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(5, 5, 502, 354);
    linksPage_ = new LinksPageWidget(model_);
    affirmationsPage_ = new AffirmationsPageWidget(model_);
    fontColourPage_ = new FontColourPageWidget(model_);
    displayPage_ = new DisplayPageWidget(model_);
    aboutPage_ = new AboutPageWidget(model_);
    thanksPage_ = new ThanksPageWidget(model_);
    const std::pair<QWidget*, const char*> pages[PageCount] = {
        {linksPage_, "TabLinks"},           {affirmationsPage_, "TabAffirmations"},
        {fontColourPage_, "TabFontColour"}, {displayPage_, "TabDisplay"},
        {aboutPage_, "TabAbout"},           {thanksPage_, "TabThanks"}};
    for (const auto& [page, name] : pages) {
        page->setObjectName(QString::fromLatin1(name));
        pages_->addTab(page, QString());
    }
    connect(pages_, &QTabWidget::currentChanged, this,
            [this](int index) { model_.setActivePage(static_cast<ConfigPage>(index)); });

    button9_ = new QPushButton(this);
    button9_->setObjectName(QStringLiteral("Button9"));
    button9_->setGeometry(332, 368, 83, 25);
    bindPushButton(*button9_, model_.Button9);
    button10_ = new QPushButton(this);
    button10_->setObjectName(QStringLiteral("Button10"));
    button10_->setGeometry(424, 368, 83, 25);
    bindPushButton(*button10_, model_.Button10);

    // The controls in the groups are mirrored for a language written from right to
    // left; the groups span their pages, and the picture pages stay as drawn, since
    // their clickable areas lie over the pictures' own places.
    mirroredGroups_ = pages_->findChildren<QGroupBox*>();

    x11::setInstanceName(*this, "TfrmConfig");
    model_.notifier.setListener([this] { queueRefresh(); });
    refresh();
}

ConfigDialog::~ConfigDialog() { model_.notifier.setListener({}); }

void ConfigDialog::queueRefresh() {
    // A hidden dialog draws nothing: the model changes at every showing (the
    // served line, the preview), and show() brings the widgets up to date anyway.
    if (refreshQueued_ || !isVisible()) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (refreshQueued_) refresh();
        },
        Qt::QueuedConnection);
}

void ConfigDialog::refresh() {
    refreshQueued_ = false;
    // The pages place their controls in left-to-right positions (some follow the
    // width of a caption), so a mirrored dialog is turned back first.
    if (mirrored_) mirror();
    setWindowTitle(toQString(model_.caption));
    {
        const QSignalBlocker block(pages_);
        for (int page = 0; page < PageCount; ++page) pages_->setTabText(page, toQString(model_.tabCaption[page]));
        pages_->setCurrentIndex(static_cast<int>(model_.activePage()));
    }
    linksPage_->refresh();
    affirmationsPage_->refresh();
    fontColourPage_->refresh();
    displayPage_->refresh();
    aboutPage_->refresh();
    thanksPage_->refresh();
    syncPushButton(*button9_, model_.Button9);
    syncPushButton(*button10_, model_.Button10);
    const bool rightToLeft = model_.rightToLeft();
    setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    if (rightToLeft) mirror();
}

void ConfigDialog::mirror() {
    mirrorChildren(*this);
    for (QGroupBox* group : mirroredGroups_) mirrorChildren(*group);
    mirrored_ = !mirrored_;
}

void ConfigDialog::show() {
    refresh();
    if (!isVisible()) centreOnScreen();
    QDialog::show();
    bringToFront();
}

void ConfigDialog::centreOnScreen() {
    // Qt's own placement guesses the frame before the window manager has made one,
    // and so sets the dialog off the centre. The frame the window manager gives it
    // (or would give it) is asked for instead, and the client area is placed so
    // that the whole window is centred.
    // Without an answer the frame it had when it was last on screen stands in.
    if (const auto asked = x11::frameExtents(*this)) knownFrame_ = *asked;
    const QMargins frame = knownFrame_;
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen) screen = this->screen();
    const QRect area = screen->availableGeometry();
    const QSize outer = size().grownBy(frame);
    const QPoint frameTopLeft(area.x() + (area.width() - outer.width()) / 2,
                              area.y() + (area.height() - outer.height()) / 2);
    setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), size()));
}

void ConfigDialog::hide() {
    if (isVisible() && windowHandle()) knownFrame_ = windowHandle()->frameMargins();
    QDialog::hide();
}

bool ConfigDialog::isForeground() { return isActiveWindow(); }

void ConfigDialog::bringToFront() {
    raise();
    activateWindow();
}

Rect ConfigDialog::frame() { return toRect(frameGeometry()); }

void ConfigDialog::reject() { model_.userDismiss(); }

void ConfigDialog::closeEvent(QCloseEvent* event) {
    if (event->spontaneous()) {
        model_.userDismiss();
    } else {
        model_.close();
    }
    // The model may keep the dialog open; the window follows it.
    event->setAccepted(!model_.visible());
}

std::optional<FontSpec> ConfigDialog::chooseFont(const FontSpec& initial, Point topLeft,
                                                 const std::function<void(const FontSpec&)>& onApply) {
    return qt::chooseFont(this, initial, QPoint(topLeft.x, topLeft.y), onApply);
}

std::optional<Colour> ConfigDialog::chooseColour(Colour initial) { return qt::chooseColour(this, initial); }

Point ConfigDialog::fontChooserPosition() {
    const QPoint at = fontColourPage_->fontChooserPosition();
    return {at.x(), at.y()};
}

}  // namespace solvane::qt
