// A parent that paints its children itself: what shows, what is left for the
// children to paint, and the standard controls drawn through WM_PRINTCLIENT.
#include "child_painting.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_window.h"
#include "window.h"

namespace {

constexpr COLORREF kFace = RGB(0x20, 0x40, 0x60);
constexpr int kButtonId = 7;

COLORREF Shown(HWND window, int x, int y) {
    testing_support::Canvas pixel(1, 1);
    pixel.CopyFrom(window, x, y);
    return pixel.Pixel(0, 0);
}

void Fill(HDC dc, RECT rect, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

// A child that covers its window in one colour, or, "transparent", draws
// only a 2 x 2 square at its corner; it counts its own paints.
class SolidChild : public framework::CPaintedWnd {
public:
    SolidChild(HWND parent, RECT place, COLORREF colour, bool transparent = false)
        : colour_(colour), transparent_(transparent) {
        CreateEx(0, "ChildPaintingSolid", nullptr, WS_CHILD | WS_VISIBLE, place.left, place.top,
                 place.right - place.left, place.bottom - place.top, parent, nullptr);
    }
    void Paint(HDC dc) const override {
        RECT client;
        GetClientRect(m_hWnd, &client);
        Fill(dc, transparent_ ? RECT{0, 0, 2, 2} : client, colour_);
    }
    int OwnPaints() const { return ownPaints_; }
    HWND Window() const { return m_hWnd; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        ownPaints_ += message == WM_PAINT;
        return CPaintedWnd::WindowProc(message, wParam, lParam);
    }

private:
    COLORREF colour_;
    bool transparent_;
    int ownPaints_ = 0;
};

// The parent: its face, then its children; it draws its owner-drawn button.
class Parent : public framework::CWnd {
public:
    explicit Parent(DWORD style = 0) {
        CreateEx(0, "ChildPaintingParent", "Parent", WS_POPUP | WS_VISIBLE | style, 0, 0, 200, 100,
                 nullptr, nullptr);
    }
    HWND Window() const { return m_hWnd; }
    std::vector<HWND> children;
    int paints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_PAINT: {
                ++paints;
                PAINTSTRUCT paint;
                const HDC dc = BeginPaint(m_hWnd, &paint);
                Fill(dc, {0, 0, 200, 100}, kFace);
                framework::PaintChildWindows(m_hWnd, dc, children);
                EndPaint(m_hWnd, &paint);
                return 0;
            }
            case WM_ERASEBKGND:
                return TRUE;
            case WM_DRAWITEM: {
                const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                Fill(draw->hDC, draw->rcItem, RGB(0, 0xFF, 0));
                return TRUE;
            }
            default:
                return CWnd::WindowProc(message, wParam, lParam);
        }
    }
};

struct Family {
    Family()
        : solid(parent.Window(), {10, 10, 30, 30}, RGB(0xFF, 0, 0)),
          clear(parent.Window(), {40, 10, 60, 30}, RGB(0, 0, 0xFF), true),
          hidden(parent.Window(), {70, 10, 90, 30}, RGB(0xFF, 0xFF, 0)),
          below(parent.Window(), {100, 10, 130, 30}, RGB(0x80, 0, 0)),
          above(parent.Window(), {120, 10, 150, 30}, RGB(0, 0x80, 0)),
          button(CreateWindowExA(0, "BUTTON", nullptr, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 50,
                                 20, 20, parent.Window(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kButtonId)),
                                 GetModuleHandleA(nullptr), nullptr)) {
        ShowWindow(hidden.Window(), SW_HIDE);
        parent.children = {solid.Window(), clear.Window(), hidden.Window(),
                           below.Window(), above.Window(), button};
        UpdateWindow(parent.Window());
    }
    Parent parent;
    SolidChild solid, clear, hidden, below, above;
    HWND button;
};

TEST(ChildPainting, TheParentsPaintShowsEveryVisibleChildAndLeavesThemNothingToPaint) {
    Family family;
    const HWND parent = family.parent.Window();
    EXPECT_EQ(Shown(parent, 15, 15), RGB(0xFF, 0, 0));
    EXPECT_EQ(Shown(parent, 40, 10), RGB(0, 0, 0xFF));
    EXPECT_EQ(Shown(parent, 45, 15), kFace);  // the parent through the transparent child
    EXPECT_EQ(Shown(parent, 75, 15), kFace);  // a hidden child is not drawn
    EXPECT_EQ(Shown(parent, 105, 15), RGB(0x80, 0, 0));
    EXPECT_EQ(Shown(parent, 125, 15), RGB(0, 0x80, 0));  // the later child covers
    EXPECT_EQ(Shown(parent, 15, 55), RGB(0, 0xFF, 0));   // the owner-drawn button
    testing_support::PumpMessages();
    for (const SolidChild* child : {&family.solid, &family.clear, &family.below, &family.above}) {
        EXPECT_EQ(child->OwnPaints(), 0);
        EXPECT_FALSE(GetUpdateRect(child->Window(), nullptr, FALSE));
    }
    EXPECT_FALSE(GetUpdateRect(family.button, nullptr, FALSE));
}

TEST(ChildPainting, ChildrenKeepWhatTheParentsPaintDidNotReach) {
    Family family;
    const HWND parent = family.parent.Window();
    const int paints = family.parent.paints;
    // A child invalidated on its own paints itself.
    InvalidateRect(family.solid.Window(), nullptr, FALSE);
    testing_support::PumpMessages();
    EXPECT_EQ(family.solid.OwnPaints(), 1);
    EXPECT_EQ(family.parent.paints, paints);
    // The parent's paint reaching half of a child that wants a whole paint
    // leaves it the other half.
    InvalidateRect(family.solid.Window(), nullptr, FALSE);
    const RECT half = {0, 0, 20, 100};
    InvalidateRect(parent, &half, FALSE);
    RedrawWindow(parent, nullptr, nullptr, RDW_UPDATENOW | RDW_NOCHILDREN);  // the parent alone
    EXPECT_EQ(family.parent.paints, paints + 1);
    RECT left;
    ASSERT_TRUE(GetUpdateRect(family.solid.Window(), &left, FALSE));
    EXPECT_EQ(left.left, 10);  // from the parent's x 20 on
    testing_support::PumpMessages();
    EXPECT_EQ(family.solid.OwnPaints(), 2);
    EXPECT_EQ(Shown(parent, 25, 15), RGB(0xFF, 0, 0));
}

TEST(ChildPainting, ChildrenOfAParentThatClipsThemPaintThemselves) {
    Parent parent(WS_CLIPCHILDREN);
    SolidChild child(parent.Window(), {10, 10, 30, 30}, RGB(0xFF, 0, 0));
    parent.children = {child.Window()};
    UpdateWindow(parent.Window());
    testing_support::PumpMessages();
    EXPECT_EQ(child.OwnPaints(), 1);
    EXPECT_EQ(Shown(parent.Window(), 15, 15), RGB(0xFF, 0, 0));
}

}  // namespace
