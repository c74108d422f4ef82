#include "platform/qt/QtEventLoop.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>
#include <chrono>
#include <thread>

namespace solvane::qt {

void QtEventLoop::processPendingEvents() { QCoreApplication::processEvents(); }

void QtEventLoop::sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

void QtEventLoop::run() {
    if (!quitRequested_) QApplication::exec();
    quitRequested_ = false;
}

void QtEventLoop::quit() {
    quitRequested_ = true;
    // Ends the running loops; without one, run() sees the flag. Asking Qt to exit
    // with no loop running would leave the request pending, and the next modal
    // dialog's loop would end at once.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void QtEventLoop::post(std::function<void()> action) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [action = std::move(action)] { action(); }, Qt::QueuedConnection);
}

}  // namespace solvane::qt
