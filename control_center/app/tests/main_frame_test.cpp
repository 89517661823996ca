// The control center's frame in this process, built from the program's own
// resources: shape, position, configurations, pages, hit test, tooltips.
#include "main_frame.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_desktop.h"
#include "skin_bitmap.h"
#include "test_window.h"
#include "unique_handle.h"

namespace {

using tavimo::CMainFrame;
using testing_support::Canvas;
using testing_support::PumpMessages;

constexpr int kFullHeight = 64 + 132 + 30 + 118 + 22;
constexpr int kReducedHeight = 64 + 132 + 30 + 22;
constexpr int kMiniHeight = 64 + 22;
constexpr int kWidth = 380;

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.LoadFrame(tavimo::kFrameResourceId, WS_POPUP | WS_SYSMENU));
        ShowWindow(Window(), SW_SHOWNOACTIVATE);
        PumpMessages();
    }

    HWND Window() const { return frame.GetSafeHwnd(); }
    RECT Bounds() const {
        RECT r;
        GetWindowRect(Window(), &r);
        return r;
    }
    void Command(int id) {
        SendMessageA(Window(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        PumpMessages();
    }
    const skin::SkinPanel* Panel(int id) const {
        for (const auto& panel : frame.Layout().Panels()) {
            if (panel->Id() == id) {
                return panel.get();
            }
        }
        return nullptr;
    }
    bool PanelShown(int id) const { return Panel(id) != nullptr && Panel(id)->IsShown(); }
    // The control set the page panel shows; -1 without a page panel.
    int PageSet() const {
        const skin::SkinPanel* page = Panel(CMainFrame::kPagePanel);
        return page != nullptr ? page->CurrentControlSet() : -1;
    }
    // The top panel drags the window, but not where an item sits: the item's
    // window answers the hit test itself.
    void ExpectTakesItsOwnHitTests(int id) const {
        HWND item = GetDlgItem(Window(), id);
        ASSERT_NE(item, nullptr);
        RECT r;
        GetWindowRect(item, &r);
        const POINT centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        EXPECT_EQ(WindowFromPoint(centre), item);
        EXPECT_EQ(SendMessageA(item, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCLIENT);
    }
    LRESULT HitTest(int x, int y) const {
        const RECT r = Bounds();
        return SendMessageA(Window(), WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
    }
    std::string ToolTip(UINT_PTR id, UINT flags, LRESULT* result) const {
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = nullptr;
        info.hdr.idFrom = id;
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = flags;
        *result = SendMessageA(Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info.lpszText == info.szText ? info.szText : "";
    }

    // Without a headset under Wine, start-up tells of it in a dialog.
    testing_support::RecordingDesktop desktop;
    CMainFrame frame{devices::SystemDevices(), desktop};
};

TEST_F(MainFrameTest, StartsCentredBorderlessAndFull) {
    char caption[64] = {};
    GetWindowTextA(Window(), caption, sizeof caption);
    EXPECT_STREQ(caption, "Tavimo Audio Control Center");
    const auto style = static_cast<DWORD>(GetWindowLongA(Window(), GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, 0u);
    EXPECT_NE(style & WS_POPUP, 0u);
    EXPECT_EQ(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(GetMenu(Window()), nullptr);

    const RECT r = Bounds();
    EXPECT_EQ(r.right - r.left, kWidth);
    EXPECT_EQ(r.bottom - r.top, kFullHeight);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - kFullHeight) / 2);
    EXPECT_EQ(frame.RememberedPosition().x, r.left);
    EXPECT_EQ(frame.CurrentPage(), 1);
}

// The pixels of an icon drawn at size x size.
std::vector<COLORREF> Drawn(HICON icon, int size) {
    Canvas canvas(size, size);
    DrawIconEx(canvas.dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            pixels.push_back(canvas.Pixel(x, y));
        }
    }
    return pixels;
}

// The width of an icon's image.
int IconWidth(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) {
        return 0;
    }
    const tavimo::UniqueBitmap mask(info.hbmMask);
    const tavimo::UniqueBitmap colour(info.hbmColor);
    BITMAP bitmap = {};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

TEST_F(MainFrameTest, ShowsIcon10128LargeAndSmall) {
    const struct {
        WPARAM which;
        int size;
    } expected[] = {{ICON_BIG, GetSystemMetrics(SM_CXICON)},
                    {ICON_SMALL, GetSystemMetrics(SM_CXSMICON)}};
    for (const auto& icon : expected) {
        const auto shown =
            reinterpret_cast<HICON>(SendMessageA(Window(), WM_GETICON, icon.which, 0));
        ASSERT_NE(shown, nullptr) << "icon " << icon.which;
        EXPECT_EQ(IconWidth(shown), icon.size);
        const tavimo::UniqueIcon own(static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(tavimo::kFrameResourceId),
                       IMAGE_ICON, icon.size, icon.size, LR_DEFAULTCOLOR)));
        ASSERT_TRUE(own);
        EXPECT_EQ(Drawn(shown, icon.size), Drawn(own.get(), icon.size)) << "icon " << icon.which;
    }
}

// Whether window's region covers exactly the frame's rounded shape of
// width x height.
bool ShapedAs(HWND window, int width, int height) {
    const tavimo::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    const tavimo::UniqueRegion expected(CreateRoundRectRgn(0, 0, width, height, 12, 12));
    const tavimo::UniqueRegion difference(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(window, region.get()) != ERROR &&
           CombineRgn(difference.get(), region.get(), expected.get(), RGN_XOR) == NULLREGION;
}

TEST_F(MainFrameTest, IsShapedWithItsSizeBeforeAnyPaint) {
    // A second frame, never shown, so never painted.
    CMainFrame hidden{devices::SystemDevices(), desktop};
    ASSERT_TRUE(hidden.LoadFrame(tavimo::kFrameResourceId, WS_POPUP | WS_SYSMENU));
    EXPECT_TRUE(ShapedAs(hidden.GetSafeHwnd(), kWidth, kFullHeight));
    SendMessageA(hidden.GetSafeHwnd(), WM_COMMAND, 998, 0);
    EXPECT_TRUE(ShapedAs(hidden.GetSafeHwnd(), kWidth, kReducedHeight));
}

TEST_F(MainFrameTest, EnlargeReduceCyclesBackToFullAtTheSameCorner) {
    const RECT start = Bounds();
    Command(998);
    EXPECT_EQ(Bounds().bottom - Bounds().top, kReducedHeight);
    EXPECT_FALSE(PanelShown(4));
    Command(998);
    EXPECT_EQ(Bounds().bottom - Bounds().top, kMiniHeight);
    EXPECT_TRUE(PanelShown(1));
    EXPECT_TRUE(PanelShown(6));
    EXPECT_FALSE(PanelShown(2));
    EXPECT_FALSE(PanelShown(5));
    Command(998);
    const RECT end = Bounds();
    EXPECT_EQ(end.left, start.left);
    EXPECT_EQ(end.top, start.top);
    EXPECT_EQ(end.bottom - end.top, kFullHeight);
}

TEST_F(MainFrameTest, TabFromReducedShowsItsPageInTheFullConfiguration) {
    Command(998);
    Command(204);
    EXPECT_EQ(frame.CurrentPage(), 3);
    EXPECT_EQ(Bounds().bottom - Bounds().top, kFullHeight);
    EXPECT_EQ(PageSet(), 3);
    Command(202);
    EXPECT_EQ(frame.CurrentPage(), 1);
}

TEST_F(MainFrameTest, ReloadReturnsToTheFirstPage) {
    Command(204);
    ASSERT_EQ(frame.CurrentPage(), 3);
    ASSERT_TRUE(frame.ReloadLayout());
    EXPECT_EQ(frame.CurrentPage(), 1);
    EXPECT_EQ(PageSet(), 1);
}

TEST_F(MainFrameTest, OnlyTheTopPanelDragsTheWindow) {
    EXPECT_EQ(HitTest(200, 10), HTCAPTION);
    EXPECT_EQ(HitTest(5, 60), HTCAPTION);
    EXPECT_EQ(HitTest(200, 64), HTCLIENT);
    EXPECT_EQ(HitTest(200, kFullHeight - 5), HTCLIENT);
}

TEST_F(MainFrameTest, MovesAreRememberedUnlessToTheOrigin) {
    SendMessageA(Window(), WM_MOVE, 0, MAKELPARAM(10, 20));
    SendMessageA(Window(), WM_MOVE, 0, MAKELPARAM(0, 0));
    EXPECT_EQ(frame.RememberedPosition().x, 10);
    EXPECT_EQ(frame.RememberedPosition().y, 20);
    Command(998);
    EXPECT_EQ(Bounds().left, 10);
    EXPECT_EQ(Bounds().top, 20);
}

TEST_F(MainFrameTest, ToolTipsAreTheStringsOfTheItemsIds) {
    LRESULT result = 0;
    EXPECT_EQ(ToolTip(999, 0, &result), "Close");
    EXPECT_TRUE(result);
    EXPECT_EQ(ToolTip(344, 0, &result), "Enable/Disable Bass Boost");

    // A tool named by its window: the window's control id counts.
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, Window(),
                                 reinterpret_cast<HMENU>(998), nullptr, nullptr);
    EXPECT_EQ(ToolTip(reinterpret_cast<UINT_PTR>(child), TTF_IDISHWND, &result), "Enlarge/Reduce");
    DestroyWindow(child);

    const std::string cut = ToolTip(1020, 0, &result);
    EXPECT_EQ(cut.size(), 79u);
    EXPECT_EQ(cut.substr(0, 20), "This button is not c");

    EXPECT_EQ(ToolTip(0, 0, &result), "");
    EXPECT_FALSE(result);
    EXPECT_EQ(ToolTip(4, 0, &result), "");  // no string 4
    EXPECT_FALSE(result);
}

// The tooltip controls that one window owns.
struct ToolTipSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectToolTip(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<ToolTipSearch*>(lParam);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 && GetWindow(window, GW_OWNER) == search.owner) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> ToolTipControls(HWND frame) {
    ToolTipSearch search = {frame, {}};
    EnumThreadWindows(GetCurrentThreadId(), CollectToolTip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(MainFrameTest, ToolTipsComeWithTheMouseOnePerItem) {
    // Nothing of them before the mouse first comes over the frame.
    EXPECT_TRUE(ToolTipControls(Window()).empty());

    HWND item = GetDlgItem(Window(), 998);
    ASSERT_NE(item, nullptr);
    SendMessageA(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(item),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    std::vector<HWND> controls = ToolTipControls(Window());
    ASSERT_EQ(controls.size(), 1u);
    const LRESULT tools = SendMessageA(controls[0], TTM_GETTOOLCOUNT, 0, 0);
    EXPECT_EQ(tools, testing_support::CountChildren(Window()));

    // Later visits and reloads keep one control with a tool for each item.
    SendMessageA(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
                 MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
    ASSERT_TRUE(frame.ReloadLayout());
    controls = ToolTipControls(Window());
    ASSERT_EQ(controls.size(), 1u);
    EXPECT_EQ(SendMessageA(controls[0], TTM_GETTOOLCOUNT, 0, 0), tools);
}

TEST_F(MainFrameTest, PaintsTheShownPanelsStacked) {
    Command(998);
    Command(998);  // mini: top panel, then the mini logo bar right below it
    Canvas frameCanvas(kWidth, kFullHeight);
    SendMessageA(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(frameCanvas.dc()), PRF_CLIENT);

    Canvas expected(kWidth, kFullHeight);
    const tavimo::UniqueBitmap top(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(10170),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const tavimo::UniqueBitmap bar(
        static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(10180),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    skin::DrawBitmap(expected.dc(), top.get(), 0, 0);
    skin::DrawBitmap(expected.dc(), bar.get(), 0, 64);
    for (int y = 0; y < kMiniHeight; y += 3) {
        for (int x = 0; x < kWidth; x += 7) {
            ASSERT_EQ(frameCanvas.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(MainFrameTest, IdleWindowDoesNotRepaint) {
    // Let the window settle, then count paints while nothing happens.
    for (int i = 0; i < 20; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    int paints = 0;
    for (int i = 0; i < 30; ++i) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            paints += message.message == WM_PAINT && message.hwnd == Window();
            DispatchMessageA(&message);
        }
    }
    EXPECT_EQ(paints, 0);
}

TEST_F(MainFrameTest, ReloadsKeepNoWindowOrBitmap) {
    ASSERT_TRUE(frame.ReloadLayout());
    const int windows = testing_support::CountChildren(Window());
    const int bitmaps = tavimo::UniqueBitmap::Live();
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(frame.ReloadLayout());
        SendMessageA(Window(), tavimo::kTextsChangedMessage, 0, 0);
        PumpMessages();
    }
    EXPECT_EQ(testing_support::CountChildren(Window()), windows);
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), bitmaps);
    EXPECT_EQ(Bounds().bottom - Bounds().top, kFullHeight);
}

TEST_F(MainFrameTest, DraggingOnATopPanelGraphicDoesNotMoveTheWindow) {
    ExpectTakesItsOwnHitTests(4);
}

TEST_F(MainFrameTest, ItemsTakeTheirOwnClicksAndReachTheFrame) {
    ExpectTakesItsOwnHitTests(998);
    HWND enlarge = GetDlgItem(Window(), 998);
    PostMessageA(enlarge, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageA(enlarge, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    PumpMessages();
    EXPECT_EQ(Bounds().bottom - Bounds().top, kReducedHeight);  // exactly one step
}

TEST_F(MainFrameTest, PaintingKeepsNoFontBitmapOrContext) {
    const int fonts = tavimo::UniqueFont::Live();
    const int bitmaps = tavimo::UniqueBitmap::Live();
    const int contexts = tavimo::UniqueMemoryDC::Live();
    Canvas canvas(kWidth, kFullHeight);
    for (int i = 0; i < 1000; ++i) {
        SendMessageA(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            SendMessageA(child, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), PRF_CLIENT);
        }
    }
    EXPECT_EQ(tavimo::UniqueFont::Live(), fonts);
    EXPECT_EQ(tavimo::UniqueBitmap::Live(), bitmaps);
    EXPECT_EQ(tavimo::UniqueMemoryDC::Live(), contexts);
}

TEST_F(MainFrameTest, CloseAndMinimizeButtons) {
    Command(9);
    EXPECT_TRUE(IsIconic(Window()));
    ShowWindow(Window(), SW_RESTORE);
    Command(999);
    EXPECT_FALSE(IsWindow(Window()));
}

}  // namespace
