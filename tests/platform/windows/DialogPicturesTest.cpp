// The information pages under Windows (Wine): the JPEG pictures decoded by the Windows
// Imaging Component, shown on their pages; a missing picture leaves its page blank;
// the clickable elements show the hand and open their pages.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "ScratchFolder.h"
#include "Win32DialogHarness.h"
#include "platform/windows/DialogPictures.h"

namespace solvane::windows {
namespace {

using testing::Win32DialogHarness;

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> values;  // top-down rows, 0x00RRGGBB
    std::size_t distinct() const { return std::set<std::uint32_t>(values.begin(), values.end()).size(); }
};

Pixels pixelsOf(HBITMAP bitmap) {
    BITMAP size{};
    GetObjectW(bitmap, sizeof(size), &size);
    Pixels pixels{size.bmWidth, size.bmHeight, std::vector<std::uint32_t>(size_t(size.bmWidth) * size.bmHeight)};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.bmWidth, -size.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(size.bmHeight), pixels.values.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    for (std::uint32_t& value : pixels.values) value &= 0x00FFFFFF;
    return pixels;
}

// What a window shows on the screen now.
Pixels onScreen(HWND window) {
    UpdateWindow(GetParent(window));
    UpdateWindow(window);
    RECT client{};
    GetClientRect(window, &client);
    const HDC screen = GetDC(window);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP copy = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    Pixels pixels = pixelsOf(copy);
    DeleteObject(copy);
    return pixels;
}

TEST(DialogPictures, WicDecodesEachPageJpegIntoA32BitPicture) {
    const std::pair<const wchar_t*, SIZE> pictures[] = {{L"links.jpg", {486, 313}},
                                                        {L"links_de.jpg", {486, 313}},
                                                        {L"about.jpg", {486, 313}},
                                                        {L"thanks.jpg", {484, 308}},
                                                        {L"thanks_de.jpg", {484, 308}}};
    for (const auto& [file, size] : pictures) {
        const UniqueBitmap picture = loadPicture(dialogPicturesFolder() + file);
        ASSERT_NE(picture, nullptr) << toUtf8(file);
        BITMAP shape{};
        GetObjectW(picture.get(), sizeof(shape), &shape);
        EXPECT_EQ(shape.bmWidth, size.cx) << toUtf8(file);
        EXPECT_EQ(shape.bmHeight, size.cy) << toUtf8(file);
        EXPECT_EQ(shape.bmBitsPixel, 32) << toUtf8(file);
        EXPECT_GT(pixelsOf(picture.get()).distinct(), 100u) << toUtf8(file) << " is a picture, not a plain area";
    }
    EXPECT_NE(pixelsOf(loadPicture(dialogPicturesFolder() + L"links.jpg").get()).values,
              pixelsOf(loadPicture(dialogPicturesFolder() + L"links_de.jpg").get()).values);
}

TEST(DialogPictures, MissingDamagedAndHugeFilesGiveNoPicture) {
    testing::ScratchFolder folder;
    folder.putFile("not-a-picture.jpg", "This is text, no JPEG.");
    // A JPEG header that claims 65535 x 65535 pixels.
    const std::string huge(
        "\xFF\xD8\xFF\xC0\x00\x11\x08\xFF\xFF\xFF\xFF\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01"
        "\xFF\xD9",
        23);
    folder.putFile("huge.jpg", huge);
    EXPECT_EQ(loadPicture(toWide(folder.path("missing.jpg"))), nullptr);
    EXPECT_EQ(loadPicture(toWide(folder.path("not-a-picture.jpg"))), nullptr);
    EXPECT_EQ(loadPicture(toWide(folder.path("huge.jpg"))), nullptr);
}

TEST(DialogPictures, EachPageShowsItsPicture) {
    Win32DialogHarness h;
    const std::pair<ConfigPage, const char*> pages[] = {
        {ConfigPage::Links, "Image1"}, {ConfigPage::About, "Image15"}, {ConfigPage::Thanks, "Image11"}};
    for (const auto& [page, name] : pages) {
        h.showPage(page);
        EXPECT_GT(onScreen(h.control(name)).distinct(), 100u) << name;
    }
    // The board shows links.jpg itself, pixel for pixel, its click areas included.
    h.showPage(ConfigPage::Links);
    const Pixels shown = onScreen(h.control("Image1"));
    const Pixels picture = pixelsOf(loadPicture(dialogPicturesFolder() + L"links.jpg").get());
    ASSERT_EQ(shown.width, picture.width);
    ASSERT_EQ(shown.height, picture.height);
    EXPECT_EQ(shown.values, picture.values);
}

TEST(DialogPictures, TheGermanInterfaceShowsTheGermanPicturesAndDanke) {
    Win32DialogHarness h(GermanLanguage);
    h.showPage(ConfigPage::Links);
    EXPECT_EQ(onScreen(h.control("Image1")).values,
              pixelsOf(loadPicture(dialogPicturesFolder() + L"links_de.jpg").get()).values);
    h.showPage(ConfigPage::Thanks);
    EXPECT_EQ(onScreen(h.control("Image11")).values,
              pixelsOf(loadPicture(dialogPicturesFolder() + L"thanks_de.jpg").get()).values);
    EXPECT_EQ(h.model().tabCaption[static_cast<int>(ConfigPage::Thanks)], "Danke");
}

TEST(DialogPictures, AMissingPictureLeavesItsPageBlank) {
    Win32DialogHarness h(EnglishLanguage, L"C:\\no such folder\\pictures\\");
    h.showPage(ConfigPage::Links);
    EXPECT_EQ(onScreen(h.control("Image1")).values,
              std::vector<std::uint32_t>(486 * 313, GetSysColor(COLOR_BTNFACE) & 0xFFFFFF))
        << "the page's own colour";
    h.showPage(ConfigPage::Thanks);
    EXPECT_EQ(onScreen(h.control("Image11")).values, std::vector<std::uint32_t>(484 * 308, 0xFFFFFF))
        << "the white box beneath the picture";
    // On the About page, the white box beneath the picture shows between the bands.
    h.showPage(ConfigPage::About);
    const Pixels about = onScreen(h.control("Image15"));
    std::set<std::uint32_t> between;
    for (int y = 80; y < 220; ++y) {
        for (int x = 10; x < 470; ++x) between.insert(about.values[static_cast<std::size_t>(y * about.width + x)]);
    }
    EXPECT_EQ(between, std::set<std::uint32_t>{0xFFFFFF});
}

TEST(DialogPictures, TheClickableElementsShowTheHandAndOpenTheirPages) {
    Win32DialogHarness h;
    const WebPages& pages = h.program.texts.pages;
    struct Click {
        ConfigPage page;
        const char* name;
        std::string address;
    };
    const Click clicks[] = {
        {ConfigPage::Links, "Image4", pages.BoardLink[0]}, {ConfigPage::Links, "Image5", pages.BoardLink[1]},
        {ConfigPage::Links, "Image3", pages.BoardLink[2]}, {ConfigPage::Links, "Image6", pages.BoardLink[3]},
        {ConfigPage::Links, "Image7", pages.BoardLink[4]}, {ConfigPage::Links, "Image9", pages.BoardLink[5]},
        {ConfigPage::About, "Image15", pages.ProductPage}, {ConfigPage::About, "Label10", pages.ProductPage},
        {ConfigPage::About, "Label15", pages.ProductPage}, {ConfigPage::Thanks, "Image11", pages.GratitudePage}};
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    for (const Click& click : clicks) {
        h.showPage(click.page);
        const HWND element = h.control(click.name);
        SetCursor(nullptr);
        SendMessageW(element, WM_SETCURSOR, reinterpret_cast<WPARAM>(element), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(GetCursor(), hand) << click.name;
        SendMessageW(element, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 3));
        SendMessageW(element, WM_RBUTTONUP, 0, MAKELPARAM(3, 3));
        SendMessageW(element, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(element, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        Win32DialogHarness::pump();
        ASSERT_EQ(h.fake.shell.opened.size(), 1u) << click.name << ": only the left click opens";
        EXPECT_EQ(h.fake.shell.opened.back(), click.address) << click.name;
        h.fake.shell.opened.clear();
    }
    h.showPage(ConfigPage::Links);
    SendMessageW(h.control("Image1"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(h.control("Image1"), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(h.fake.shell.opened.empty()) << "the picture board itself is no link";
}

TEST(DialogPictures, TheAboutPageShowsTheServedLine) {
    Win32DialogHarness h;
    h.showPage(ConfigPage::About);
    h.model().setServedLine("Marwick's Solvane Premium (13 Affirmations served)");
    Win32DialogHarness::pump();
    const std::string memo = testing::windowText(h.control("Memo2"));
    EXPECT_EQ(memo, h.model().Memo2Caption + "\r\nMarwick's Solvane Premium (13 Affirmations served)");
}

}  // namespace
}  // namespace solvane::windows
