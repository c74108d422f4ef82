#include "platform/qt/AffirmationsPageWidget.h"

#include <QGroupBox>
#include <QLineEdit>

#include "dialog/TfrmConfig.h"
#include "platform/qt/CaptionLabel.h"
#include "platform/qt/ModelBinding.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {

AffirmationsPageWidget::AffirmationsPageWidget(TfrmConfig& model) : model_(model) {
    group_ = new QGroupBox(this);
    group_->setObjectName(QStringLiteral("GroupBoxAffirmations"));
    group_->setGeometry(4, 4, 486, 317);
    label16_ = new CaptionLabel(group_);
    label16_->setObjectName(QStringLiteral("Label16"));
    label16_->setGeometry(27, 25, 420, 16);
    edit5_ = new QLineEdit(group_);
    edit5_->setObjectName(QStringLiteral("Edit5"));
    edit5_->setGeometry(48, 60, 417, 22);
    label16_->setBuddy(edit5_);
    edit5Binding_ = new EditBinding(*edit5_, model_.Edit5);
    refresh();
}

void AffirmationsPageWidget::refresh() {
    group_->setTitle(toQString(model_.GroupBoxAffirmationsCaption));
    syncLabel(*label16_, model_.Label16);
    edit5Binding_->sync();
}

}  // namespace solvane::qt
