#include "platform/qt/FontColourPageWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialog/TfrmConfig.h"
#include "platform/qt/ColourWidgets.h"
#include "platform/qt/ModelBinding.h"
#include "platform/qt/PreviewPanel.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {
const QColor Silver(192, 192, 192);
}  // namespace

FontColourPageWidget::FontColourPageWidget(TfrmConfig& model) : model_(model) {
    previewGroup_ = new QGroupBox(this);
    previewGroup_->setObjectName(QStringLiteral("GroupBoxPreview"));
    previewGroup_->setGeometry(4, 4, 486, 105);
    panel2_ = new PreviewPanel(model_, previewGroup_);
    panel2_->setGeometry(25, 18, 448, 81);

    fontGroup_ = new QGroupBox(this);
    fontGroup_->setObjectName(QStringLiteral("GroupBoxFont"));
    fontGroup_->setGeometry(4, 113, 486, 66);
    button6_ = new QPushButton(fontGroup_);
    button6_->setObjectName(QStringLiteral("Button6"));
    button6_->setGeometry(12, 25, 160, 25);
    bindPushButton(*button6_, model_.Button6);
    edit6_ = new QLineEdit(fontGroup_);
    edit6_->setObjectName(QStringLiteral("Edit6"));
    edit6_->setGeometry(177, 27, 97, 21);
    edit6_->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    QPalette grey = edit6_->palette();
    grey.setColor(QPalette::Base, grey.color(QPalette::Window));
    edit6_->setPalette(grey);
    edit6Binding_ = new EditBinding(*edit6_, model_.Edit6);
    cbZSchriftart_ = addCheckBox(fontGroup_, "cbZSchriftart", {282, 28, 98, 17});
    bindCheckBox(*cbZSchriftart_, model_.cbZSchriftart);
    cbZSize_ = addCheckBox(fontGroup_, "cbZSize", {382, 28, 100, 17});
    bindCheckBox(*cbZSize_, model_.cbZSize);

    coloursGroup_ = new QGroupBox(this);
    coloursGroup_->setObjectName(QStringLiteral("GroupBoxColours"));
    coloursGroup_->setGeometry(4, 184, 486, 137);
    text_ = addColourRow(27, "Button3", "Shape5", "Shape3", "cbZSFarbe", "cbSchatten", model_.Button3);
    bindCheckBox(*text_.random, model_.cbZSFarbe);
    bindCheckBox(*text_.fourth, model_.cbSchatten);
    contour_ = addColourRow(63, "Button4", "Shape6", "Shape4", "cbZKFarbe", "cbKonturtransparenz", model_.Button4);
    bindCheckBox(*contour_.random, model_.cbZKFarbe);
    bindCheckBox(*contour_.fourth, model_.cbKonturtransparenz);
    background_ = addColourRow(99, "Button2", "Shape7", "Shape1", "cbZFarbe", "cbTBack", model_.Button2);
    bindCheckBox(*background_.random, model_.cbZFarbe);
    bindCheckBox(*background_.fourth, model_.cbTBack);

    QWidget* const tabOrder[] = {button6_,        cbZSchriftart_,     cbZSize_,           text_.button,
                                 text_.random,    text_.fourth,       contour_.button,    contour_.random,
                                 contour_.fourth, background_.button, background_.random, background_.fourth};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    refresh();
}

QCheckBox* FontColourPageWidget::addCheckBox(QWidget* parent, const char* name, QRect bounds) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(bounds);
    return box;
}

FontColourPageWidget::ColourRow FontColourPageWidget::addColourRow(int y, const char* button, const char* silver,
                                                                   const char* swatch, const char* random,
                                                                   const char* fourth, Button& model) {
    ColourRow row;
    row.button = new MouseUpButton(coloursGroup_);
    row.button->setObjectName(QString::fromLatin1(button));
    row.button->setGeometry(12, y, 160, 25);
    row.silver = new ColourBox(Silver, coloursGroup_);
    row.silver->setObjectName(QString::fromLatin1(silver));
    row.silver->setGeometry(177, y + 2, 97, 21);
    row.swatch = new ColourBox(Qt::white, row.silver);
    row.swatch->setObjectName(QString::fromLatin1(swatch));
    row.swatch->setGeometry(1, 1, 95, 19);
    // The chooser opens when a mouse button is released over the button or its swatch.
    row.button->setMouseUpAction([&model] { model.userClick(); });
    row.swatch->setMouseUpAction([&model] { model.userClick(); });
    row.random = addCheckBox(coloursGroup_, random, {282, y + 4, 98, 17});
    row.fourth = addCheckBox(coloursGroup_, fourth, {382, y + 4, 100, 17});
    return row;
}

void FontColourPageWidget::syncColourRow(const ColourRow& row, const Button& button, const Shape& swatch) {
    syncPushButton(*row.button, button);
    row.swatch->setColour(toQColor(swatch.colour()));
    syncControl(*row.swatch, swatch);
}

void FontColourPageWidget::refresh() {
    previewGroup_->setTitle(toQString(model_.GroupBoxPreviewCaption));
    panel2_->update();

    fontGroup_->setTitle(toQString(model_.GroupBoxFontCaption));
    syncPushButton(*button6_, model_.Button6);
    edit6Binding_->sync();
    syncCheckBox(*cbZSchriftart_, model_.cbZSchriftart);
    syncCheckBox(*cbZSize_, model_.cbZSize);

    coloursGroup_->setTitle(toQString(model_.GroupBoxColoursCaption));
    syncColourRow(text_, model_.Button3, model_.Shape3);
    syncCheckBox(*text_.random, model_.cbZSFarbe);
    syncCheckBox(*text_.fourth, model_.cbSchatten);
    syncColourRow(contour_, model_.Button4, model_.Shape4);
    syncCheckBox(*contour_.random, model_.cbZKFarbe);
    syncCheckBox(*contour_.fourth, model_.cbKonturtransparenz);
    syncColourRow(background_, model_.Button2, model_.Shape1);
    syncCheckBox(*background_.random, model_.cbZFarbe);
    syncCheckBox(*background_.fourth, model_.cbTBack);
}

QPoint FontColourPageWidget::fontChooserPosition() const {
    return fontGroup_->mapToGlobal(QPoint(0, 0)) + QPoint(2, button6_->y() + 4);
}

}  // namespace solvane::qt
