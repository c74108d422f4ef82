#include "platform/qt/DisplayPageWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSlider>
#include <algorithm>

#include "dialog/TfrmConfig.h"
#include "platform/qt/CaptionLabel.h"
#include "platform/qt/ModelBinding.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {

constexpr int RowGap = 5;

void placeAfter(QWidget& widget, const QWidget& before, int designX) {
    widget.move(std::max(designX, before.geometry().right() + 1 + RowGap), widget.y());
}

}  // namespace

DisplayPageWidget::DisplayPageWidget(TfrmConfig& model) : model_(model) {
    group_ = new QGroupBox(this);
    group_->setObjectName(QStringLiteral("GroupBoxDisplay"));
    group_->setGeometry(4, 4, 486, 317);

    comboBox1_ = new QComboBox(group_);
    comboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    comboBox1_->setGeometry(25, 32, 432, 22);
    bindComboBox(*comboBox1_, model_.ComboBox1);

    cbAutorun_ = addCheckBox("cbAutorun", {28, 61, 429, 17});
    bindCheckBox(*cbAutorun_, model_.cbAutorun);
    cbVersteckt_ = addCheckBox("cbVersteckt", {50, 83, 406, 17});
    bindCheckBox(*cbVersteckt_, model_.cbVersteckt);

    label14_ = addLabel("Label14", {27, 119});
    edit1_ = addEdit("Edit1", {27, 142, 24, 21});
    label32_ = addLabel("Label32", {56, 146});
    edit4_ = addEdit("Edit4", {111, 142, 32, 21});
    label33_ = addLabel("Label33", {148, 146});
    tbAnzeige_ = addSlider("tbAnzeige", {20, 168, 205, 24});
    bindSlider(*tbAnzeige_, model_.tbAnzeige);

    label12_ = addLabel("Label12", {261, 119});
    edit3_ = addEdit("Edit3", {261, 142, 24, 21});
    label20_ = addLabel("Label20", {290, 146});
    edit2_ = addEdit("Edit2", {345, 142, 24, 21});
    label21_ = addLabel("Label21", {374, 146});
    tbAnzeigeIntervall_ = addSlider("tbAnzeigeIntervall", {254, 168, 205, 24});
    bindSlider(*tbAnzeigeIntervall_, model_.tbAnzeigeIntervall);

    cbVollbild_ = addCheckBox("cbVollbild", {28, 196, 228, 17});
    bindCheckBox(*cbVollbild_, model_.cbVollbild);
    cbStartWithPause_ = addCheckBox("cbStartWithPause", {260, 196, 222, 17});
    bindCheckBox(*cbStartWithPause_, model_.cbStartWithPause);
    cbMultiple_ = addCheckBox("cbMultiple", {28, 218, 228, 17});
    bindCheckBox(*cbMultiple_, model_.cbMultiple);
    cbSCRPause_ = addCheckBox("cbSCRPause", {260, 218, 222, 17});
    bindCheckBox(*cbSCRPause_, model_.cbSCRPause);
    label13_ = addLabel("Label13", {50, 244});
    edit8_ = addEdit("Edit8", {91, 241, 40, 21});

    // Each number label leads to its field with its access key.
    label14_->setBuddy(edit1_);
    label32_->setBuddy(edit1_);
    label33_->setBuddy(edit4_);
    label12_->setBuddy(edit3_);
    label20_->setBuddy(edit3_);
    label21_->setBuddy(edit2_);
    label13_->setBuddy(edit8_);

    for (const auto& [widget, field] : {std::pair{edit1_, &model_.Edit1},
                                        {edit4_, &model_.Edit4},
                                        {edit3_, &model_.Edit3},
                                        {edit2_, &model_.Edit2},
                                        {edit8_, &model_.Edit8}}) {
        edits_.push_back(new EditBinding(*widget, *field));
    }

    QWidget* const tabOrder[] = {comboBox1_,          cbAutorun_,        edit1_,      edit4_,      tbAnzeige_,
                                 cbVollbild_,         cbMultiple_,       edit8_,      edit3_,      edit2_,
                                 tbAnzeigeIntervall_, cbStartWithPause_, cbSCRPause_, cbVersteckt_};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i) QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    refresh();
}

QCheckBox* DisplayPageWidget::addCheckBox(const char* name, QRect bounds) {
    auto* box = new QCheckBox(group_);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(bounds);
    return box;
}

CaptionLabel* DisplayPageWidget::addLabel(const char* name, QPoint at) {
    auto* label = new CaptionLabel(group_);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    return label;
}

QLineEdit* DisplayPageWidget::addEdit(const char* name, QRect bounds) {
    auto* edit = new QLineEdit(group_);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(bounds);
    return edit;
}

QSlider* DisplayPageWidget::addSlider(const char* name, QRect bounds) {
    auto* slider = new QSlider(Qt::Horizontal, group_);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setGeometry(bounds);
    return slider;
}

void DisplayPageWidget::refresh() {
    group_->setTitle(toQString(model_.GroupBoxDisplayCaption));
    syncComboBox(*comboBox1_, model_.ComboBox1);
    syncCheckBox(*cbAutorun_, model_.cbAutorun);
    syncCheckBox(*cbVersteckt_, model_.cbVersteckt);
    syncCheckBox(*cbVollbild_, model_.cbVollbild);
    syncCheckBox(*cbStartWithPause_, model_.cbStartWithPause);
    syncCheckBox(*cbMultiple_, model_.cbMultiple);
    syncCheckBox(*cbSCRPause_, model_.cbSCRPause);
    for (const auto& [widget, label] : {std::pair{label14_, &model_.Label14},
                                        {label32_, &model_.Label32},
                                        {label33_, &model_.Label33},
                                        {label12_, &model_.Label12},
                                        {label20_, &model_.Label20},
                                        {label21_, &model_.Label21},
                                        {label13_, &model_.Label13}}) {
        syncLabel(*widget, *label);
        widget->adjustSize();
    }
    // A field or label that follows a caption on its row moves right when the
    // caption is longer than the design allows for.
    placeAfter(*label32_, *edit1_, 56);
    placeAfter(*edit4_, *label32_, 111);
    placeAfter(*label33_, *edit4_, 148);
    placeAfter(*label20_, *edit3_, 290);
    placeAfter(*edit2_, *label20_, 345);
    placeAfter(*label21_, *edit2_, 374);
    placeAfter(*edit8_, *label13_, 91);
    syncSlider(*tbAnzeige_, model_.tbAnzeige);
    syncSlider(*tbAnzeigeIntervall_, model_.tbAnzeigeIntervall);
    for (EditBinding* edit : edits_) edit->sync();
}

}  // namespace solvane::qt
