#include "platform/qt/ConfigDialog.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "dialog/TfrmConfig.h"
#include "platform/qt/QtConversions.h"
#include "platform/qt/X11Desktop.h"

namespace solvane::qt {
namespace {

constexpr int PageCount = 6;

// Runs an action when the watched widget loses the focus or is clicked.
class FocusAndClickFilter : public QObject {
public:
    FocusAndClickFilter(QObject* parent, std::function<void()> onLeave, std::function<void()> onClick)
        : QObject(parent), onLeave_(std::move(onLeave)), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) onLeave_();
        if (event->type() == QEvent::MouseButtonRelease) onClick_();
        return false;
    }

private:
    std::function<void()> onLeave_;
    std::function<void()> onClick_;
};

void syncControl(QWidget& widget, const Control& control) {
    widget.setEnabled(control.enabled());
    widget.setVisible(control.visible());
}

}  // namespace

ConfigDialog::ConfigDialog(TfrmConfig& model)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), model_(model) {
    setObjectName(QStringLiteral("TfrmConfig"));
    setFixedSize(513, 401);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl1"));
    pages_->setGeometry(5, 5, 502, 354);
    const char* pageNames[PageCount] = {"TabLinks", "TabAffirmations", "TabFontColour",
                                        "TabDisplay", "TabAbout", "TabThanks"};
    for (int page = 0; page < PageCount; ++page) {
        QWidget* widget = page == static_cast<int>(ConfigPage::Affirmations) ? buildAffirmationsPage() : new QWidget;
        widget->setObjectName(QString::fromLatin1(pageNames[page]));
        pages_->addTab(widget, QString());
    }
    connect(pages_, &QTabWidget::currentChanged, this,
            [this](int index) { model_.setActivePage(static_cast<ConfigPage>(index)); });

    button9_ = new QPushButton(this);
    button9_->setObjectName(QStringLiteral("Button9"));
    button9_->setGeometry(332, 368, 83, 25);
    bindButton(*button9_, model_.Button9);
    button10_ = new QPushButton(this);
    button10_->setObjectName(QStringLiteral("Button10"));
    button10_->setGeometry(424, 368, 83, 25);
    bindButton(*button10_, model_.Button10);

    x11::setInstanceName(*this, "TfrmConfig");
    model_.notifier.setListener([this] { queueRefresh(); });
    refresh();
}

ConfigDialog::~ConfigDialog() { model_.notifier.setListener({}); }

QWidget* ConfigDialog::buildAffirmationsPage() {
    auto* page = new QWidget;
    label16_ = new QLabel(page);
    label16_->setObjectName(QStringLiteral("Label16"));
    label16_->setTextFormat(Qt::PlainText);
    label16_->setGeometry(16, 24, 460, 17);
    edit5_ = new QLineEdit(page);
    edit5_->setObjectName(QStringLiteral("Edit5"));
    edit5_->setGeometry(16, 44, 460, 21);
    label16_->setBuddy(edit5_);
    bindEdit(*edit5_, model_.Edit5);
    return page;
}

void ConfigDialog::bindEdit(QLineEdit& widget, EditField& field) {
    connect(&widget, &QLineEdit::textEdited, this, [&field](const QString& text) { field.userType(toStdString(text)); });
    widget.installEventFilter(
        new FocusAndClickFilter(&widget, [&field] { field.userLeave(); }, [&field] { field.userClick(); }));
}

void ConfigDialog::bindButton(QPushButton& widget, Button& button) {
    widget.setAutoDefault(false);
    connect(&widget, &QPushButton::clicked, this, [&button] { button.userClick(); });
}

void ConfigDialog::queueRefresh() {
    if (refreshQueued_) return;
    refreshQueued_ = true;
    QMetaObject::invokeMethod(this, [this] { if (refreshQueued_) refresh(); }, Qt::QueuedConnection);
}

void ConfigDialog::refresh() {
    refreshQueued_ = false;
    setWindowTitle(toQString(model_.caption));
    {
        const QSignalBlocker block(pages_);
        for (int page = 0; page < PageCount; ++page) pages_->setTabText(page, toQString(model_.tabCaption[page]));
        pages_->setCurrentIndex(static_cast<int>(model_.activePage()));
    }

    label16_->setText(toQString(model_.Label16.caption()));
    syncControl(*label16_, model_.Label16);

    const EditField& edit5 = model_.Edit5;
    {
        const QSignalBlocker block(edit5_);
        const QString text = toQString(edit5.text());
        if (edit5_->text() != text) edit5_->setText(text);
        edit5_->setMaxLength(edit5.maxLength > 0 ? edit5.maxLength : 32767);
        edit5_->setReadOnly(edit5.readOnly);
        // Apply a selection the program made (select all on entry), once.
        const std::pair selection{edit5.selectionStart(), edit5.selectionLength()};
        if (selection != edit5Selection_ && selection.second > 0) edit5_->setSelection(selection.first, selection.second);
        edit5Selection_ = selection;
    }
    syncControl(*edit5_, edit5);

    button9_->setText(toQString(model_.Button9.caption));
    syncControl(*button9_, model_.Button9);
    button10_->setText(toQString(model_.Button10.caption));
    syncControl(*button10_, model_.Button10);
}

void ConfigDialog::show() {
    refresh();
    QDialog::show();
    bringToFront();
}

void ConfigDialog::hide() { QDialog::hide(); }

bool ConfigDialog::isForeground() { return isActiveWindow(); }

void ConfigDialog::bringToFront() {
    raise();
    activateWindow();
}

Rect ConfigDialog::frame() { return toRect(frameGeometry()); }

void ConfigDialog::reject() { model_.close(); }

}  // namespace solvane::qt
