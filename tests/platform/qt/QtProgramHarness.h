#pragma once
#include <QApplication>
#include <QWidget>

#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/QtWindowSystem.h"

namespace solvane::qt::testing {

// The program on fake services and virtual time, but with the real Qt windows.
struct QtProgramHarness {
    QtProgramHarness() : program(services, CommandLine{}) { program.createWindows(); }

    // Lets the Qt widgets catch up with the models.
    static void sync() { QCoreApplication::processEvents(); }

    template <typename Widget>
    static Widget* topLevel(const QString& name) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<Widget*>(widget);
                found && (widget->objectName() == name || widget->windowTitle() == name))
                return found;
        }
        return nullptr;
    }

    // The settings dialog's window. It is built the first time the dialog opens, so
    // a dialog that was never opened is opened and closed again first.
    QWidget* configDialog() {
        if (!topLevel<QWidget>(QStringLiteral("TfrmConfig"))) {
            program.config().show();
            program.config().close();
        }
        return topLevel<QWidget>(QStringLiteral("TfrmConfig"));
    }

    fake::FakePlatform fake;
    QtWindowSystem windows;
    platform::Platform services{fake.loop,   fake.loop,      fake.store, fake.monitors,  fake.fonts, fake.screenSaver,
                                fake.memory, fake.processes, fake.shell, fake.instances, fake.files, fake.autostart,
                                fake.errors, fake.clock,     windows,    fake.text,      fake.locale};
    Program program;
};

}  // namespace solvane::qt::testing
