#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace solvane::fake {

class FakeHintView : public platform::HintView {
public:
    // One entry per time the window came on screen: when it appeared and when it went.
    struct Display {
        std::int64_t from = 0;
        std::int64_t to = -1;  // -1 while still on screen
    };
    explicit FakeHintView(std::function<std::int64_t()> clock) : clock_(std::move(clock)) {}
    bool onScreen = false;
    int shows = 0;
    int hides = 0;
    int topmostCalls = 0;
    int refreshes = 0;
    std::vector<Display> displays;
    void show() override {
        if (!onScreen) displays.push_back({clock_(), -1});
        onScreen = true;
        ++shows;
    }
    void hide() override {
        if (onScreen) displays.back().to = clock_();
        onScreen = false;
        ++hides;
    }
    void makeTopmost() override { ++topmostCalls; }
    void refresh() override { ++refreshes; }

private:
    std::function<std::int64_t()> clock_;
};

class FakeDialogView : public platform::DialogView {
public:
    // What the user does in a chooser: fonts applied in turn, then OK with a font or Cancel.
    std::vector<FontSpec> fontApplies;
    std::optional<FontSpec> fontAnswer;
    std::optional<Colour> colourAnswer;
    // Runs while a chooser is open (the display cycle's timers keep firing then).
    std::function<void()> whileChooserOpen;
    FontSpec lastFontOffered;
    Point lastFontChooserAt;
    Colour lastColourOffered = 0;
    int fontChoosers = 0;
    int colourChoosers = 0;
    Point chooserPosition{106, 262};
    std::optional<FontSpec> chooseFont(const FontSpec& initial, Point topLeft,
                                       const std::function<void(const FontSpec&)>& onApply) override {
        ++fontChoosers;
        lastFontOffered = initial;
        lastFontChooserAt = topLeft;
        for (const FontSpec& font : fontApplies) onApply(font);
        if (whileChooserOpen) whileChooserOpen();
        return fontAnswer;
    }
    std::optional<Colour> chooseColour(Colour initial) override {
        ++colourChoosers;
        lastColourOffered = initial;
        if (whileChooserOpen) whileChooserOpen();
        return colourAnswer;
    }
    Point fontChooserPosition() override { return chooserPosition; }
    bool onScreen = false;
    bool foreground = false;  // the test decides whether the dialog has the focus
    int bringToFrontCalls = 0;
    Rect frameRect{100, 100, 519, 430};
    void show() override {
        onScreen = true;
        foreground = true;
    }
    void hide() override {
        onScreen = false;
        foreground = false;
    }
    bool isForeground() override { return foreground; }
    void bringToFront() override {
        ++bringToFrontCalls;
        foreground = true;
    }
    Rect frame() override { return frameRect; }
    void refresh() override {}
};

class FakeTrayView : public platform::TrayView {
public:
    bool present = false;
    platform::TrayImage image = platform::TrayImage::None;
    std::string toolTip;
    int adds = 0;
    int modifies = 0;
    int removes = 0;
    std::vector<Point> menuPopups;
    void add(platform::TrayImage newImage, const std::string& tip) override {
        ++adds;
        present = true;
        image = newImage;
        toolTip = tip;
    }
    void modify(platform::TrayImage newImage, const std::string& tip) override {
        ++modifies;
        image = newImage;
        toolTip = tip;
    }
    void remove() override {
        ++removes;
        present = false;
    }
    void popupMenu(Point at) override { menuPopups.push_back(at); }
    void refreshMenu() override {}
};

// The views a window owns die with it; these hand every call on to a record the
// window system keeps, so that a test can look at it after the program ended.
class ForwardingHintView : public platform::HintView {
public:
    explicit ForwardingHintView(std::shared_ptr<FakeHintView> record) : record_(std::move(record)) {}
    void show() override { record_->show(); }
    void hide() override { record_->hide(); }
    void makeTopmost() override { record_->makeTopmost(); }
    void refresh() override { record_->refresh(); }

private:
    std::shared_ptr<FakeHintView> record_;
};

class ForwardingDialogView : public platform::DialogView {
public:
    explicit ForwardingDialogView(std::shared_ptr<FakeDialogView> record) : record_(std::move(record)) {}
    void show() override { record_->show(); }
    void hide() override { record_->hide(); }
    bool isForeground() override { return record_->isForeground(); }
    void bringToFront() override { record_->bringToFront(); }
    Rect frame() override { return record_->frame(); }
    void refresh() override { record_->refresh(); }
    std::optional<FontSpec> chooseFont(const FontSpec& initial, Point topLeft,
                                       const std::function<void(const FontSpec&)>& onApply) override {
        return record_->chooseFont(initial, topLeft, onApply);
    }
    std::optional<Colour> chooseColour(Colour initial) override { return record_->chooseColour(initial); }
    Point fontChooserPosition() override { return record_->fontChooserPosition(); }

private:
    std::shared_ptr<FakeDialogView> record_;
};

class ForwardingTrayView : public platform::TrayView {
public:
    explicit ForwardingTrayView(std::shared_ptr<FakeTrayView> record) : record_(std::move(record)) {}
    void add(platform::TrayImage image, const std::string& tip) override { record_->add(image, tip); }
    void modify(platform::TrayImage image, const std::string& tip) override { record_->modify(image, tip); }
    void remove() override { record_->remove(); }
    void popupMenu(Point at) override { record_->popupMenu(at); }
    void refreshMenu() override { record_->refreshMenu(); }

private:
    std::shared_ptr<FakeTrayView> record_;
};

// Creates recording views and keeps each record for the test.
class FakeWindowSystem : public platform::WindowSystem {
public:
    explicit FakeWindowSystem(std::function<std::int64_t()> clock) : clock_(std::move(clock)) {}
    std::string applicationTitle;
    FakeHintView* hint = nullptr;
    FakeDialogView* dialog = nullptr;
    FakeTrayView* tray = nullptr;
    // The windows the views were made for, so that a test can act on them while they live.
    TfrmSlv17k30Main* mainWindow = nullptr;
    TfrmHint* hintWindow = nullptr;
    TfrmConfig* configWindow = nullptr;

    void setApplicationTitle(const std::string& title) override { applicationTitle = title; }
    std::unique_ptr<platform::TrayView> createTrayView(TfrmSlv17k30Main& window) override {
        mainWindow = &window;
        trayRecord_ = std::make_shared<FakeTrayView>();
        tray = trayRecord_.get();
        return std::make_unique<ForwardingTrayView>(trayRecord_);
    }
    std::unique_ptr<platform::HintView> createHintView(TfrmHint& window) override {
        hintWindow = &window;
        hintRecord_ = std::make_shared<FakeHintView>(clock_);
        hint = hintRecord_.get();
        return std::make_unique<ForwardingHintView>(hintRecord_);
    }
    std::unique_ptr<platform::DialogView> createDialogView(TfrmConfig& window) override {
        configWindow = &window;
        dialogRecord_ = std::make_shared<FakeDialogView>();
        dialog = dialogRecord_.get();
        return std::make_unique<ForwardingDialogView>(dialogRecord_);
    }

private:
    std::function<std::int64_t()> clock_;
    std::shared_ptr<FakeTrayView> trayRecord_;
    std::shared_ptr<FakeHintView> hintRecord_;
    std::shared_ptr<FakeDialogView> dialogRecord_;
};

}  // namespace solvane::fake
