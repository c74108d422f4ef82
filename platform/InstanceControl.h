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
    // instance asks this one to quit. An instance that a restart started takes over
    // what the restarting one handed over (handOver), with the requests waiting there.
    virtual void announce(std::function<void()> onQuit) = 0;
    // Answers, now, the requests that have already arrived and wait for the event loop:
    // onQuit runs inside this call when one of them asks this instance to quit.
    virtual void answerWaitingRequests() = 0;
    // For a restart: the next program this process starts takes over this instance's
    // place, so that the instance stays findable while one process ends and the next
    // starts; requests that come meanwhile wait for the new one. This instance answers
    // nothing more; withdraw() after the start lets go of the place without ending it.
    virtual void handOver() = 0;
    // Stops being findable.
    virtual void withdraw() = 0;
};

}  // namespace solvane::platform
