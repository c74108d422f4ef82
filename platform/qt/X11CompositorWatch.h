#pragma once
#include <QAbstractNativeEventFilter>
#include <cstdint>

struct xcb_connection_t;

namespace solvane::qt::x11 {

// Whether a compositing manager runs on the X screen: it owns the selection
// _NET_WM_CM_S<screen>. The owner is asked for once, the first time the question
// comes; from then on the X server tells of every change of owner (the XFixes
// extension's selection notices), so a showing that asks costs no round trip to the
// server. Without XFixes every question is put to the server. Outside X11 the
// platform composites, so the answer is yes.
class CompositorWatch : public QAbstractNativeEventFilter {
public:
    CompositorWatch();
    ~CompositorWatch() override;
    CompositorWatch(const CompositorWatch&) = delete;
    CompositorWatch& operator=(const CompositorWatch&) = delete;

    bool compositorRunning();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void start();
    bool askOwner() const;

    xcb_connection_t* connection_ = nullptr;
    bool started_ = false;
    std::uint32_t selection_ = 0;
    // The event code of XFixes' selection notices; 0 while they are not watched.
    std::uint8_t notifyEvent_ = 0;
    bool running_ = true;
};

}  // namespace solvane::qt::x11
