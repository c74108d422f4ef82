#pragma once
#include <functional>

namespace solvane::platform {

// Finds and ends other running instances of the program for the same user.
class InstanceControl {
public:
    virtual ~InstanceControl() = default;
    // Sends a quit message to one other running instance; false when none is found.
    virtual bool quitAnotherInstance() = 0;
    // Makes this instance findable; onQuit runs on the UI thread when another
    // instance asks this one to quit.
    virtual void announce(std::function<void()> onQuit) = 0;
    // Stops being findable.
    virtual void withdraw() = 0;
};

}  // namespace solvane::platform
