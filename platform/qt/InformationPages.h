#pragma once
#include <QWidget>
#include <optional>

class QTextEdit;

namespace solvane {
class TfrmConfig;
}

namespace solvane::qt {

class CaptionLabel;
class PictureView;

// The Links page: the picture board with six click areas, one per link.
class LinksPageWidget : public QWidget {
public:
    explicit LinksPageWidget(TfrmConfig& model);
    void refresh();

private:
    TfrmConfig& model_;
    PictureView* image1_ = nullptr;
    std::optional<bool> germanShown_;
};

// The About page: the program's picture, the caption and served line, the
// maker's notice and web address.
class AboutPageWidget : public QWidget {
public:
    explicit AboutPageWidget(TfrmConfig& model);
    void refresh();

private:
    TfrmConfig& model_;
    QTextEdit* memo2_ = nullptr;
    CaptionLabel* label10_ = nullptr;
    CaptionLabel* label15_ = nullptr;
};

// The Thanks page: one picture that opens the page about gratitude.
class ThanksPageWidget : public QWidget {
public:
    explicit ThanksPageWidget(TfrmConfig& model);
    void refresh();

private:
    TfrmConfig& model_;
    PictureView* image11_ = nullptr;
    std::optional<bool> germanShown_;
};

}  // namespace solvane::qt
