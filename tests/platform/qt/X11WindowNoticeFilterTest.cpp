#include "platform/qt/X11WindowNoticeFilter.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>
#include <cstring>
#include <vector>

#include <X11/extensions/XI2.h>
#include <X11/extensions/XI2proto.h>

namespace solvane::qt::x11 {
namespace {

constexpr std::uint32_t Window = 0x60000f;
constexpr std::uint32_t OtherWindow = 0x600014;
constexpr NoticeNames Names{.wmState = 0x11e, .netWmState = 0x117, .inputExtension = 131};

xcb_property_notify_event_t propertyNotice(std::uint32_t window, std::uint32_t atom) {
    xcb_property_notify_event_t notice{};
    notice.response_type = XCB_PROPERTY_NOTIFY;
    notice.window = window;
    notice.atom = atom;
    return notice;
}

// An XInput 2 event as XCB hands it over, in a buffer no longer than the shortest
// such event (the wire's 32 bytes and the full sequence number): the filter must not
// read the rest of the event, which XCB moved.
std::vector<std::uint8_t> inputEvent(int extension, int type, std::uint32_t window) {
    xXIEnterEvent wire{};
    wire.type = XCB_GE_GENERIC;
    wire.extension = static_cast<std::uint8_t>(extension);
    wire.evtype = static_cast<std::uint16_t>(type);
    wire.event = window;
    std::vector<std::uint8_t> event(sizeof(xcb_generic_event_t));
    std::memcpy(event.data(), &wire, 32);
    return event;
}

TEST(X11WindowNoticeFilter, DropsTheWindowManagersStateNoticesOfTheWindowAlone) {
    for (const std::uint32_t atom : {Names.wmState, Names.netWmState}) {
        const auto notice = propertyNotice(Window, atom);
        EXPECT_TRUE(isUnheededNotice(&notice, Names, Window)) << atom;
        const auto otherWindows = propertyNotice(OtherWindow, atom);
        EXPECT_FALSE(isUnheededNotice(&otherWindows, Names, Window)) << atom;
    }
    // Its other properties (the title, the frame's extents) pass.
    const auto title = propertyNotice(Window, XCB_ATOM_WM_NAME);
    EXPECT_FALSE(isUnheededNotice(&title, Names, Window));
}

TEST(X11WindowNoticeFilter, DropsThePointersCrossingsButNotItsButtons) {
    for (const int crossing : {XI_Enter, XI_Leave}) {
        auto event = inputEvent(Names.inputExtension, crossing, Window);
        EXPECT_TRUE(isUnheededNotice(event.data(), Names, Window)) << crossing;
        event = inputEvent(Names.inputExtension, crossing, OtherWindow);
        EXPECT_FALSE(isUnheededNotice(event.data(), Names, Window)) << crossing;
        // The same event type of another extension.
        event = inputEvent(Names.inputExtension + 1, crossing, Window);
        EXPECT_FALSE(isUnheededNotice(event.data(), Names, Window)) << crossing;
        // A server without XInput.
        event = inputEvent(Names.inputExtension, crossing, Window);
        EXPECT_FALSE(isUnheededNotice(event.data(), NoticeNames{.wmState = 1, .netWmState = 2}, Window)) << crossing;
    }
    for (const int kept : {XI_ButtonPress, XI_ButtonRelease, XI_Motion, XI_FocusIn}) {
        const auto event = inputEvent(Names.inputExtension, kept, Window);
        EXPECT_FALSE(isUnheededNotice(event.data(), Names, Window)) << kept;
    }
}

TEST(X11WindowNoticeFilter, WithoutAWindowEverythingPasses) {
    const auto notice = propertyNotice(0, Names.netWmState);
    EXPECT_FALSE(isUnheededNotice(&notice, Names, 0));
    const auto crossing = inputEvent(Names.inputExtension, XI_Enter, 0);
    EXPECT_FALSE(isUnheededNotice(crossing.data(), Names, 0));
    xcb_expose_event_t expose{};
    expose.response_type = XCB_EXPOSE;
    expose.window = Window;
    EXPECT_FALSE(isUnheededNotice(&expose, Names, Window));
}

}  // namespace
}  // namespace solvane::qt::x11
