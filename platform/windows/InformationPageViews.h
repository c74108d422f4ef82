#pragma once
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "platform/windows/DialogPageView.h"
#include "platform/windows/DialogPaintedWindows.h"

namespace solvane::windows {

// The Links page: the picture board with six click areas, one per link. The areas
// paint nothing: the board shows through them.
class LinksPageView final : public DialogPageView {
public:
    LinksPageView(HWND dialog, TfrmConfig& model, const std::wstring& picturesFolder, int dpi,
                  const DialogFonts& fonts);
    void refresh() override;

private:
    TfrmConfig& model_;
    std::wstring picturesFolder_;
    std::array<std::unique_ptr<PictureWindow>, 6> areas_;
    std::unique_ptr<PictureWindow> image1_;
    std::optional<bool> germanShown_;
};

// The About page: the program's picture, the caption and served line, the maker's
// notice and web address, on white bands over the picture.
class AboutPageView final : public DialogPageView {
public:
    AboutPageView(HWND dialog, TfrmConfig& model, const std::wstring& picturesFolder, int dpi,
                  const DialogFonts& fonts);
    ~AboutPageView() override;
    void refresh() override;

private:
    TfrmConfig& model_;
    HWND memo2_ = nullptr;
    HWND label10_ = nullptr;
    HWND label15_ = nullptr;
    HWND toolTip_ = nullptr;
    std::wstring toolTipText_;
    std::unique_ptr<WhiteBoxWindow> upperBand_;
    std::unique_ptr<WhiteBoxWindow> lowerBand_;
    std::unique_ptr<PictureWindow> image15_;
    std::unique_ptr<WhiteBoxWindow> background_;
};

// The Thanks page: one picture that opens the page about gratitude.
class ThanksPageView final : public DialogPageView {
public:
    ThanksPageView(HWND dialog, TfrmConfig& model, const std::wstring& picturesFolder, int dpi,
                   const DialogFonts& fonts);
    void refresh() override;

private:
    TfrmConfig& model_;
    std::wstring picturesFolder_;
    std::unique_ptr<PictureWindow> image11_;
    std::unique_ptr<WhiteBoxWindow> background_;
    std::optional<bool> germanShown_;
};

}  // namespace solvane::windows
