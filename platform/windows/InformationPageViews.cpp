#include "platform/windows/InformationPageViews.h"

#include <commctrl.h>

#include "dialog/TfrmConfig.h"
#include "platform/windows/DialogControls.h"
#include "platform/windows/DialogMetrics.h"
#include "platform/windows/DialogPictures.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF LinkBlue = RGB(0, 0, 255);

// A picture that fails to load leaves its page blank.
void showPicture(PictureWindow& window, const std::wstring& folder, const wchar_t* file) {
    window.setPicture(folder.empty() ? nullptr : loadPicture(folder + file));
}

}  // namespace

LinksPageView::LinksPageView(HWND dialog, TfrmConfig& model, const std::wstring& picturesFolder, int dpi,
                             const DialogFonts& fonts)
    : DialogPageView(dialog, "TabLinks", dpi, fonts, true), model_(model), picturesFolder_(picturesFolder) {
    struct Area {
        const char* name;
        Rect bounds;
        Button& link;
    };
    const Area areas[] = {
        {"Image4", {8, 16, 145, 137}, model_.Image4},    {"Image5", {168, 16, 153, 137}, model_.Image5},
        {"Image3", {328, 16, 161, 137}, model_.Image3},  {"Image6", {8, 168, 145, 137}, model_.Image6},
        {"Image7", {168, 168, 153, 137}, model_.Image7}, {"Image9", {328, 160, 161, 145}, model_.Image9}};
    // The areas first, so that they lie above the board and get its clicks.
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        Button& link = areas[i].link;
        areas_[i] = std::make_unique<PictureWindow>();
        areas_[i]->create(*this, areas[i].name, areas[i].bounds);
        areas_[i]->setClickAction([&link] { link.userClick(); }, PaintedWindow::Clicks::Left);
    }
    // The board draws beneath the areas too (no WS_CLIPSIBLINGS), which draw nothing.
    image1_ = std::make_unique<PictureWindow>();
    image1_->create(*this, "Image1", {4, 8, 486, 313});
    image1_->setBlankColour(GetSysColor(COLOR_BTNFACE));
    refresh();
}

void LinksPageView::refresh() {
    if (germanShown_ == model_.germanPictures) return;
    germanShown_ = model_.germanPictures;
    showPicture(*image1_, picturesFolder_, model_.germanPictures ? L"links_de.jpg" : L"links.jpg");
}

AboutPageView::AboutPageView(HWND dialog, TfrmConfig& model, const std::wstring& picturesFolder, int dpi,
                             const DialogFonts& fonts)
    : DialogPageView(dialog, "TabAbout", dpi, fonts, true), model_(model) {
    // From the top down: the texts, the white bands, the picture, the white box beneath it.
    memo2_ = addControl(L"EDIT", "Memo2", WS_VISIBLE | ES_MULTILINE | ES_CENTER | ES_READONLY, {8, 28, 481, 28});
    setColours(memo2_, RGB(0, 0, 0), White);
    // One pixel below its designed place, which the memo's second line reaches into.
    label10_ = addControl(L"STATIC", "Label10", WS_VISIBLE | SS_CENTER | SS_NOTIFY, {8, 56, 481, 13}, 0, true);
    setColours(label10_, LinkBlue, White);
    bindLinkLabel(label10_, [this] { model_.Label10.userClick(); });
    label15_ = addControl(L"STATIC", "Label15", WS_VISIBLE | SS_LEFT | SS_NOTIFY, {168, 279, 0, 13}, 0, true);
    setColours(label15_, LinkBlue, White);
    bindLinkLabel(label15_, [this] { model_.Label15.userClick(); });

    upperBand_ = std::make_unique<WhiteBoxWindow>();
    upperBand_->create(*this, "AboutUpperBand", {4, 24, 486, 52}, WS_CLIPSIBLINGS);
    lowerBand_ = std::make_unique<WhiteBoxWindow>();
    lowerBand_->create(*this, "AboutLowerBand", {4, 248, 486, 52}, WS_CLIPSIBLINGS);
    image15_ = std::make_unique<PictureWindow>();
    image15_->create(*this, "Image15", {5, 9, 486, 313}, WS_CLIPSIBLINGS);
    image15_->setBlankColour(White);  // the white box beneath it
    image15_->setClickAction([this] { model_.Image15.userClick(); }, PaintedWindow::Clicks::Left);
    showPicture(*image15_, picturesFolder, L"about.jpg");
    background_ = std::make_unique<WhiteBoxWindow>();
    background_->create(*this, "AboutBackground", {4, 8, 486, 310}, WS_CLIPSIBLINGS);

    // The web address's tool tip invites a click.
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    refresh();
}

AboutPageView::~AboutPageView() {
    if (toolTip_) DestroyWindow(toolTip_);
}

void AboutPageView::refresh() {
    showCaption(memo2_, model_.Memo2Caption + "\r\n" + model_.Memo2ProductLine);
    syncLabel(label10_, model_.Label10);
    syncLabel(label15_, model_.Label15);
    fitLabel(label15_);
    std::wstring tip = L"Click to visit " + toWide(model_.Label15.caption());
    if (toolTip_ && tip != toolTipText_) {
        toolTipText_ = std::move(tip);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = handle();
        tool.uId = reinterpret_cast<UINT_PTR>(label15_);
        tool.lpszText = toolTipText_.data();
        SendMessageW(toolTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

ThanksPageView::ThanksPageView(HWND dialog, TfrmConfig& model, const std::wstring& picturesFolder, int dpi,
                               const DialogFonts& fonts)
    : DialogPageView(dialog, "TabThanks", dpi, fonts, true), model_(model), picturesFolder_(picturesFolder) {
    image11_ = std::make_unique<PictureWindow>();
    image11_->create(*this, "Image11", {5, 9, 484, 308}, WS_CLIPSIBLINGS);
    image11_->setBlankColour(White);  // the white box beneath it
    image11_->setClickAction([this] { model_.Image11.userClick(); }, PaintedWindow::Clicks::Left);
    background_ = std::make_unique<WhiteBoxWindow>();
    background_->create(*this, "ThanksBackground", {4, 8, 486, 310}, WS_CLIPSIBLINGS);
    refresh();
}

void ThanksPageView::refresh() {
    if (germanShown_ == model_.germanPictures) return;
    germanShown_ = model_.germanPictures;
    showPicture(*image11_, picturesFolder_, model_.germanPictures ? L"thanks_de.jpg" : L"thanks.jpg");
}

}  // namespace solvane::windows
