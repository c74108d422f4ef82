#include "platform/qt/MirroredLayout.h"

#include <QWidget>

namespace solvane::qt {

void mirrorChildren(QWidget& container) {
    const int width = container.width();
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        child->move(width - child->x() - child->width(), child->y());
    }
}

}  // namespace solvane::qt
