#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

namespace solvane::qt {

// Shows a picture at its top-left corner, or nothing while it has none. With a
// click action it shows the hand cursor and runs the action on a left click;
// without a picture it is then a transparent click area over what lies beneath.
class PictureView : public QWidget {
public:
    explicit PictureView(QWidget* parent);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    void setClickAction(std::function<void()> action);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    std::function<void()> clickAction_;
};

}  // namespace solvane::qt
