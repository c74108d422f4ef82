#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "platform/WindowSystem.h"

namespace solvane::platform {

// Stands for a settings dialog whose window is built the first time it is needed.
// The dialog's model is created and loaded at start, but most users never open the
// dialog in a session: its widgets and pictures would only cost memory and start-up
// time. Until the first show the dialog is hidden, so there is nothing to draw,
// hide, raise or measure; from then on every call goes to the built view.
class LazyDialogView final : public DialogView {
public:
    using Builder = std::function<std::unique_ptr<DialogView>()>;

    explicit LazyDialogView(Builder build) : build_(std::move(build)) {}

    // The built view, or nothing before the first show.
    DialogView* built() const { return view_.get(); }

    void show() override { view().show(); }
    void hide() override {
        if (view_) view_->hide();
    }
    bool isForeground() override { return view_ && view_->isForeground(); }
    void bringToFront() override {
        if (view_) view_->bringToFront();
    }
    Rect frame() override { return view_ ? view_->frame() : Rect{}; }
    void refresh() override {
        if (view_) view_->refresh();
    }

    // The choosers are opened from the dialog's pages, so the dialog is built by
    // then; building it here keeps a direct call safe as well.
    std::optional<FontSpec> chooseFont(const FontSpec& initial, Point topLeft,
                                       const std::function<void(const FontSpec&)>& onApply) override {
        return view().chooseFont(initial, topLeft, onApply);
    }
    std::optional<Colour> chooseColour(Colour initial) override { return view().chooseColour(initial); }
    Point fontChooserPosition() override { return view().fontChooserPosition(); }

private:
    DialogView& view() {
        if (!view_) view_ = build_();
        return *view_;
    }

    Builder build_;
    std::unique_ptr<DialogView> view_;
};

}  // namespace solvane::platform
