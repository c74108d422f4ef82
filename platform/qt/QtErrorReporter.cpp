#include "platform/qt/QtErrorReporter.h"

#include <QMessageBox>

#include "platform/qt/QtConversions.h"

namespace solvane::qt {

void QtErrorReporter::report(const std::string& title, const std::string& message) {
    QMessageBox box(QMessageBox::Critical, toQString(title), toQString(message), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace solvane::qt
