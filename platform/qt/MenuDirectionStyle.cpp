#include "platform/qt/MenuDirectionStyle.h"

#include <QPainter>
#include <QStyleOption>

namespace solvane::qt {

void MenuDirectionStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    if (element != CE_MenuItem || !painter) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setLayoutDirection(option->direction);
    QProxyStyle::drawControl(element, option, painter, widget);
    painter->restore();
}

}  // namespace solvane::qt
