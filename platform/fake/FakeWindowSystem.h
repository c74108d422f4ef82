#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"

namespace solvane::fake {

class FakeHintView : public platform::HintView {
public:
    bool onScreen = false;
    int shows = 0;
    int hides = 0;
    int topmostCalls = 0;
    int refreshes = 0;
    void show() override {
        onScreen = true;
        ++shows;
    }
    void hide() override {
        onScreen = false;
        ++hides;
    }
    void makeTopmost() override { ++topmostCalls; }
    void refresh() override { ++refreshes; }
};

class FakeDialogView : public platform::DialogView {
public:
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

// Creates recording views and keeps a pointer to each for the test.
class FakeWindowSystem : public platform::WindowSystem {
public:
    std::string applicationTitle;
    FakeHintView* hint = nullptr;
    FakeDialogView* dialog = nullptr;
    FakeTrayView* tray = nullptr;

    void setApplicationTitle(const std::string& title) override { applicationTitle = title; }
    std::unique_ptr<platform::TrayView> createTrayView(TfrmSlv17k30Main&) override {
        auto view = std::make_unique<FakeTrayView>();
        tray = view.get();
        return view;
    }
    std::unique_ptr<platform::HintView> createHintView(TfrmHint&) override {
        auto view = std::make_unique<FakeHintView>();
        hint = view.get();
        return view;
    }
    std::unique_ptr<platform::DialogView> createDialogView(TfrmConfig&) override {
        auto view = std::make_unique<FakeDialogView>();
        dialog = view.get();
        return view;
    }
};

}  // namespace solvane::fake
