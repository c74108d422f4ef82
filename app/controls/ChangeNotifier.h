#pragma once
#include <functional>

namespace solvane {

// Shared by the controls of one window. It tells the front end that something
// visible changed, so that it can draw it anew, and it runs the user's actions
// through the window's guard, which reports an error that escapes a handler.
class ChangeNotifier {
public:
    using Guard = std::function<void(const std::function<void()>&)>;

    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }
    void notify() const {
        if (listener_) listener_();
    }
    void setGuard(Guard guard) { guard_ = std::move(guard); }
    void runUserAction(const std::function<void()>& action) const {
        if (guard_) {
            guard_(action);
        } else {
            action();
        }
    }

private:
    std::function<void()> listener_;
    Guard guard_;
};

// Base of every control model: enabled state and the owner's notifier.
class Control {
public:
    explicit Control(const ChangeNotifier* owner = nullptr) : owner_(owner) {}
    bool enabled() const { return enabled_; }
    void setEnabled(bool value) {
        if (enabled_ == value) return;
        enabled_ = value;
        changed();
    }
    bool visible() const { return visible_; }
    void setVisible(bool value) {
        if (visible_ == value) return;
        visible_ = value;
        changed();
    }

protected:
    // Runs an action of the user (a click, typing, leaving a field) through the window's guard.
    void userAction(const std::function<void()>& action) const {
        if (owner_) {
            owner_->runUserAction(action);
        } else {
            action();
        }
    }
    void changed() const {
        if (owner_) owner_->notify();
    }

private:
    const ChangeNotifier* owner_;
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace solvane
