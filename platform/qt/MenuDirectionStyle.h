#pragma once
#include <QProxyStyle>

namespace solvane::qt {

// Lays out every menu item's text in the menu's own direction. Left alone, Qt's menu
// lets each item's text pick a direction of its own: in a right-to-left menu, Hebrew
// captions ended on the right but Arabic and Farsi ones, and any Latin word, on the
// left, with their ellipsis on the wrong side.
class MenuDirectionStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace solvane::qt
