#pragma once
#include <gtest/gtest.h>
#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "QtProgramHarness.h"
#include "dialog/TfrmConfig.h"

namespace solvane::qt::testing {

// The program with its real settings dialog, shown, on the fake services.
struct DialogFixture : ::testing::Test {
    QtProgramHarness h;
    TfrmConfig& model = h.program.config();
    QDialog* dialog = qobject_cast<QDialog*>(h.configDialog());

    void SetUp() override {
        ASSERT_NE(dialog, nullptr);
        model.show();
    }
    void TearDown() override {
        if (h.program.config().visible()) h.program.config().close();
    }

    // A widget of the dialog by its control name; the test fails when it is missing.
    template <typename Widget>
    Widget* find(const char* name) {
        // dynamic_cast: the program's own widget classes carry no meta-object of their own.
        auto* widget = dynamic_cast<Widget*>(dialog->findChild<QWidget*>(QString::fromLatin1(name)));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void showPage(ConfigPage page) {
        model.setActivePage(page);
        QtProgramHarness::sync();
    }
    // The focus leaves the widget for the given reason (by default: Tab to the next control).
    static void leave(QWidget* widget, Qt::FocusReason reason = Qt::TabFocusReason) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(widget, &out);
        QtProgramHarness::sync();
    }
    // A left click on a check box's indicator.
    static void click(QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QtProgramHarness::sync();
    }
    // The names of the widgets inside `container` that Tab visits, in order, from `first` on.
    static std::vector<std::string> tabOrder(QWidget* container, QWidget* first) {
        std::vector<std::string> names;
        QWidget* widget = first;
        do {
            if (container->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus))
                names.push_back(widget->objectName().toStdString());
            widget = widget->nextInFocusChain();
        } while (widget && widget != first);
        return names;
    }
};

// Answers modal dialogs of one kind while they are open: as long as one shows,
// `answer` runs on it at each turn of the event loop (it should close it). Counts
// the turns it answered.
template <typename Dialog>
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(Dialog&)> answer) : answer_(std::move(answer)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* open = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
            if (!open || !open->isVisible()) return;
            ++answered;
            answer_(*open);
        });
        timer_.start();
    }
    int answered = 0;

private:
    std::function<void(Dialog&)> answer_;
    QTimer timer_;
};

}  // namespace solvane::qt::testing
