#include "platform/qt/InformationPages.h"

#include <QPainter>
#include <QTextEdit>

#include "dialog/TfrmConfig.h"
#include "platform/qt/CaptionLabel.h"
#include "platform/qt/ModelBinding.h"
#include "platform/qt/PictureLoader.h"
#include "platform/qt/PictureView.h"
#include "platform/qt/QtConversions.h"

namespace solvane::qt {
namespace {

// A white rectangle with a thin black border, beneath a picture or as a band over it.
class WhiteBox : public QWidget {
public:
    WhiteBox(const char* name, QRect bounds, QWidget* parent) : QWidget(parent) {
        setObjectName(QString::fromLatin1(name));
        setGeometry(bounds);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

PictureView* addPicture(QWidget* page, const char* name, QRect bounds) {
    auto* picture = new PictureView(page);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(bounds);
    return picture;
}

CaptionLabel* addLinkLabel(QWidget* page, const char* name, Label& model) {
    auto* label = new CaptionLabel(page);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    label->setClickAction([&model] { model.userClick(); });
    return label;
}

}  // namespace

LinksPageWidget::LinksPageWidget(TfrmConfig& model) : model_(model) {
    image1_ = addPicture(this, "Image1", {4, 8, 486, 313});
    struct Area {
        const char* name;
        QRect bounds;
        Button& link;
    };
    const Area areas[] = {
        {"Image4", {8, 16, 145, 137}, model_.Image4},    {"Image5", {168, 16, 153, 137}, model_.Image5},
        {"Image3", {328, 16, 161, 137}, model_.Image3},  {"Image6", {8, 168, 145, 137}, model_.Image6},
        {"Image7", {168, 168, 153, 137}, model_.Image7}, {"Image9", {328, 160, 161, 145}, model_.Image9}};
    for (const Area& area : areas) {
        Button& link = area.link;
        addPicture(this, area.name, area.bounds)->setClickAction([&link] { link.userClick(); });
    }
    refresh();
}

void LinksPageWidget::refresh() {
    if (germanShown_ == model_.germanPictures) return;
    germanShown_ = model_.germanPictures;
    image1_->setPicture(loadPicture(model_.germanPictures ? QStringLiteral(":/pictures/links_de.jpg")
                                                          : QStringLiteral(":/pictures/links.jpg")));
}

AboutPageWidget::AboutPageWidget(TfrmConfig& model) : model_(model) {
    new WhiteBox("AboutBackground", {4, 8, 486, 310}, this);
    PictureView* image15 = addPicture(this, "Image15", {5, 9, 486, 313});
    image15->setPicture(loadPicture(QStringLiteral(":/pictures/about.jpg")));
    image15->setClickAction([this] { model_.Image15.userClick(); });
    new WhiteBox("AboutUpperBand", {4, 24, 486, 52}, this);
    new WhiteBox("AboutLowerBand", {4, 248, 486, 52}, this);

    memo2_ = new QTextEdit(this);
    memo2_->setObjectName(QStringLiteral("Memo2"));
    memo2_->setGeometry(8, 28, 481, 28);
    memo2_->setReadOnly(true);
    memo2_->setAcceptRichText(false);
    memo2_->setFrameShape(QFrame::NoFrame);
    memo2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo2_->setFocusPolicy(Qt::ClickFocus);
    memo2_->document()->setDocumentMargin(0);
    memo2_->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QPalette white = memo2_->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    memo2_->setPalette(white);

    label10_ = addLinkLabel(this, "Label10", model_.Label10);
    label10_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label10_->setGeometry(8, 56, 481, 16);
    label15_ = addLinkLabel(this, "Label15", model_.Label15);
    label15_->move(168, 279);
    refresh();
}

void AboutPageWidget::refresh() {
    const QString memo = toQString(model_.Memo2Caption) + QLatin1Char('\n') + toQString(model_.Memo2ProductLine);
    if (memo2_->toPlainText() != memo) memo2_->setPlainText(memo);
    syncLabel(*label10_, model_.Label10);
    syncLabel(*label15_, model_.Label15);
    label15_->adjustSize();
    label15_->setToolTip(tr("Click to visit %1").arg(label15_->text()));
}

ThanksPageWidget::ThanksPageWidget(TfrmConfig& model) : model_(model) {
    new WhiteBox("ThanksBackground", {4, 8, 486, 310}, this);
    image11_ = addPicture(this, "Image11", {5, 9, 484, 308});
    image11_->setClickAction([this] { model_.Image11.userClick(); });
    refresh();
}

void ThanksPageWidget::refresh() {
    if (germanShown_ == model_.germanPictures) return;
    germanShown_ = model_.germanPictures;
    image11_->setPicture(loadPicture(model_.germanPictures ? QStringLiteral(":/pictures/thanks_de.jpg")
                                                           : QStringLiteral(":/pictures/thanks.jpg")));
}

}  // namespace solvane::qt
