// Display items driven as a user would, with what their parent receives and
// what they paint.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "cell_meters.h"
#include "di_button.h"
#include "di_slider.h"
#include "gen_text.h"
#include "item_harness.h"
#include "item_text.h"
#include "layout_doc.h"
#include "layout_fields.h"
#include "test_window.h"

namespace {

using skin_testing::ItemHarness;
using skin_testing::Posted;
using testing_support::Canvas;
using testing_support::WriteBitmapFile;

constexpr COLORREF kTrack = RGB(10, 20, 30);
constexpr COLORREF kThumb = RGB(200, 210, 220);
constexpr COLORREF kFill = RGB(0, 128, 255);
constexpr COLORREF kLit = RGB(0, 255, 0);
constexpr COLORREF kDark = RGB(40, 40, 40);
constexpr COLORREF kMark = RGB(255, 255, 255);

// Bitmap files for the items, written once for the whole program.
struct Files {
    std::string track = WriteBitmapFile("t_track.bmp", 112, 20, kTrack);
    std::string thumb = WriteBitmapFile("t_thumb.bmp", 12, 20, kThumb);
    std::string fill = WriteBitmapFile("t_fill.bmp", 112, 20, kFill);
    std::string vtrack = WriteBitmapFile("t_vtrack.bmp", 20, 112, kTrack);
    std::string vthumb = WriteBitmapFile("t_vthumb.bmp", 20, 12, kThumb);
    std::string lit = WriteBitmapFile("t_lit.bmp", 8, 6, kLit);
    std::string dark = WriteBitmapFile("t_dark.bmp", 8, 6, kDark);
    std::string mark = WriteBitmapFile("t_mark.bmp", 8, 6, kMark);
    std::string up = WriteBitmapFile("t_up.bmp", 30, 20, kTrack);
    std::string down = WriteBitmapFile("t_down.bmp", 30, 20, kThumb);
};
const Files& F() {
    static const Files files;
    return files;
}

Posted Slid(WORD code, WORD position, int id) {
    return {skin::kSliderMovedH, MAKEWPARAM(code, position), id};
}
Posted Command(int id) {
    return {WM_COMMAND, static_cast<WPARAM>(id), 0};
}
using Messages = std::vector<Posted>;

// ---- sliders ------------------------------------------------------------

class SliderTest : public ::testing::Test {
protected:
    skin::DISlider* Horizontal() {
        return harness.Add<skin::DISlider>("5=DISlider,0,0,0,0,16,2,8," + F().track + "," +
                                           F().thumb + "," + F().fill);
    }
    static void Mouse(HWND w, UINT message, int x, int y = 10) {
        SendMessageA(w, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    }
    ItemHarness harness;
};

TEST_F(SliderTest, PositionPlacesTheThumbAlongTheTravel) {
    skin::DISlider* slider = Horizontal();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Position(), 8);
    EXPECT_EQ(slider->ThumbRect().left, 50);  // 8 * 100 / 16
    EXPECT_EQ(slider->SetPosition(16), 16);
    EXPECT_EQ(slider->ThumbRect().left, 100);
    EXPECT_EQ(slider->SetPosition(17), 16);  // outside the range: ignored
    EXPECT_EQ(slider->SetPosition(-1), 16);
    EXPECT_TRUE(harness.Received().empty());  // setting never notifies
}

TEST_F(SliderTest, DraggingPostsTrackMovesAndOnePositionOnRelease) {
    skin::DISlider* slider = Horizontal();
    const HWND w = slider->Window();
    Mouse(w, WM_LBUTTONDOWN, 55);  // grabbed 5 px into the thumb
    Mouse(w, WM_MOUSEMOVE, 55);    // no movement: nothing
    Mouse(w, WM_MOUSEMOVE, 42);
    EXPECT_EQ(slider->ThumbRect().left, 37);
    EXPECT_EQ(slider->SetPosition(12), 5);  // ignored while dragging
    Mouse(w, WM_MOUSEMOVE, 0);              // stops at the minimum end
    Mouse(w, WM_MOUSEMOVE, 500);            // and at the maximum end
    Mouse(w, WM_LBUTTONUP, 500);
    EXPECT_EQ(harness.Received(),
              (Messages{Slid(5, 5, 5), Slid(5, 0, 5), Slid(5, 16, 5), Slid(4, 16, 5)}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(SliderTest, ReleaseWithoutMovementStillPostsThePosition) {
    skin::DISlider* slider = Horizontal();
    Mouse(slider->Window(), WM_LBUTTONDOWN, 52);
    Mouse(slider->Window(), WM_LBUTTONUP, 52);
    EXPECT_EQ(harness.Received(), (Messages{Slid(4, 8, 5)}));
}

TEST_F(SliderTest, StepClicksMoveOneStepAndClamp) {
    skin::DISlider* slider = Horizontal();
    slider->SetPosition(15);  // thumb at 93..105
    Mouse(slider->Window(), WM_LBUTTONDOWN, 110);
    Mouse(slider->Window(), WM_LBUTTONUP, 110);  // not dragging: nothing more
    Mouse(slider->Window(), WM_LBUTTONDOWN, 2);
    EXPECT_EQ(harness.Received(), (Messages{Slid(4, 16, 5), Slid(4, 14, 5)}));
}

TEST_F(SliderTest, InactiveSliderIgnoresTheMouse) {
    skin::DISlider* slider = Horizontal();
    slider->SetActive(false);
    Mouse(slider->Window(), WM_LBUTTONDOWN, 2);
    Mouse(slider->Window(), WM_LBUTTONDOWN, 55);
    Mouse(slider->Window(), WM_MOUSEMOVE, 80);
    Mouse(slider->Window(), WM_LBUTTONUP, 80);
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_EQ(slider->Position(), 8);
}

// After a drag was ended by something other than its button-up, the slider
// is an idle slider again.
void ExpectIdleAfterDrag(ItemHarness& harness, skin::DISlider& slider) {
    const HWND w = slider.Window();
    harness.Clear();
    SendMessageA(w, WM_MOUSEMOVE, 0, MAKELPARAM(80, 10));  // no button: no drag
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_EQ(slider.ThumbRect().left, 37);
    EXPECT_EQ(slider.SetPosition(12), 12);
    SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(slider.ThumbRect().left + 2, 10));
    EXPECT_EQ(GetCapture(), w);  // a new press drags again
    SendMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(slider.ThumbRect().left + 2, 10));
    EXPECT_EQ(harness.Received(), (Messages{Slid(4, 12, 5)}));
}

TEST_F(SliderTest, LosingTheMouseEndsTheDragAsARelease) {
    skin::DISlider* slider = Horizontal();
    const HWND w = slider->Window();
    Mouse(w, WM_LBUTTONDOWN, 55);
    Mouse(w, WM_MOUSEMOVE, 42);
    SetCapture(harness.Parent());  // another window takes the mouse
    EXPECT_EQ(harness.Received(), (Messages{Slid(5, 5, 5), Slid(4, 5, 5)}));
    ReleaseCapture();
    ExpectIdleAfterDrag(harness, *slider);
}

TEST_F(SliderTest, MadeInactiveMidDragEndsTheDragAsARelease) {
    skin::DISlider* slider = Horizontal();
    const HWND w = slider->Window();
    Mouse(w, WM_LBUTTONDOWN, 55);
    Mouse(w, WM_MOUSEMOVE, 42);
    slider->SetActive(false);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(w, WM_LBUTTONUP, 42);  // ignored while inactive
    EXPECT_EQ(harness.Received(), (Messages{Slid(5, 5, 5), Slid(4, 5, 5)}));
    slider->SetActive(true);
    ExpectIdleAfterDrag(harness, *slider);
}

TEST_F(SliderTest, VerticalSliderHasItsMaximumAtTheTop) {
    auto* slider = harness.Add<skin::DISlider>("402=DISlider,0,0,1,0,100,10,50," + F().vtrack +
                                               "," + F().vthumb);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->ThumbRect().top, 50);
    slider->SetPosition(100);
    EXPECT_EQ(slider->ThumbRect().top, 0);
    SendMessageA(slider->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 90));
    EXPECT_EQ(harness.Received(), (Messages{{skin::kSliderMovedV, MAKEWPARAM(4, 90), 402}}));
}

TEST_F(SliderTest, PaintsFillUpToTheThumb) {
    skin::DISlider* slider = Horizontal();
    Canvas canvas(112, 20);
    slider->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(10, 10), kFill);
    EXPECT_EQ(canvas.Pixel(55, 10), kThumb);
    EXPECT_EQ(canvas.Pixel(80, 10), kTrack);
}

// ---- buttons ------------------------------------------------------------

class ButtonTest : public ::testing::Test {
protected:
    skin::DIButton* Button(int toggle, int repeat, int id = 1) {
        return harness.Add<skin::DIButton>(std::to_string(id) + "=DIButton,0,0," +
                                           std::to_string(toggle) + "," + std::to_string(repeat) +
                                           "," + F().up + "," + F().down);
    }
    ItemHarness harness;
};

skin::DIButton* g_toggle = nullptr;
bool g_checkedWhenPosted = false;

TEST_F(ButtonTest, ToggleFlipsBeforeItsCommandIsPosted) {
    g_toggle = Button(1, 0);
    ASSERT_NE(g_toggle, nullptr);
    harness.onCommand = [](WPARAM) { g_checkedWhenPosted = g_toggle->IsChecked(); };
    ItemHarness::Click(g_toggle->Window(), {5, 5}, {6, 6});
    EXPECT_EQ(harness.Received(), (Messages{Command(1)}));
    EXPECT_TRUE(g_checkedWhenPosted);
    ItemHarness::Click(g_toggle->Window(), {5, 5}, {6, 6});
    EXPECT_FALSE(g_toggle->IsChecked());
}

TEST_F(ButtonTest, ReleasedOutsidePostsNothing) {
    skin::DIButton* button = Button(1, 0);
    ItemHarness::Click(button->Window(), {5, 5}, {60, 60});
    EXPECT_TRUE(harness.Received().empty());
    EXPECT_FALSE(button->IsChecked());
}

TEST_F(ButtonTest, BitmapFollowsPressAndCheckedState) {
    skin::DIButton* toggle = Button(1, 0);
    const HBITMAP normal = toggle->BitmapFor(0);
    const HBITMAP pressed = toggle->BitmapFor(ODS_SELECTED);
    EXPECT_NE(normal, pressed);
    toggle->SetChecked(true);
    EXPECT_EQ(toggle->BitmapFor(0), pressed);            // checked looks pressed
    EXPECT_EQ(toggle->BitmapFor(ODS_SELECTED), normal);  // pressing previews unchecking
    EXPECT_EQ(toggle->BitmapFor(ODS_GRAYED), normal);    // grayed checked toggle
    EXPECT_EQ(toggle->BitmapFor(ODS_DISABLED), normal);
    skin::DIButton* plain = Button(0, 0, 2);
    plain->SetChecked(true);  // only toggles have a checked state
    EXPECT_FALSE(plain->IsChecked());
}

TEST_F(ButtonTest, MissingPressedBitmapDrawsTheNormalOne) {
    auto* button = harness.Add<skin::DIButton>("3=DIButton,0,0,1,0," + F().up + ",,,");
    ASSERT_NE(button, nullptr);
    EXPECT_NE(button->BitmapFor(ODS_SELECTED), nullptr);
    EXPECT_EQ(button->BitmapFor(ODS_SELECTED), button->BitmapFor(0));
}

// The white pixels a button's drawing leaves on a canvas.
int WhitePixelsDrawn(skin::DIButton& button) {
    Canvas canvas(30, 20);
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.hwndItem = button.Window();
    draw.hDC = canvas.dc();
    draw.rcItem = {0, 0, 30, 20};
    button.OnDrawItem(draw);
    int white = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            white += canvas.Pixel(x, y) == RGB(255, 255, 255);
        }
    }
    return white;
}

TEST_F(ButtonTest, LabelShowsTheStringItNames) {
    const std::string bitmaps = "0,0," + F().up + "," + F().down + ",Tahoma,11,1,#FFFFFF,#000000,";
    auto* named = harness.Add<skin::DIButton>("309=DIButton,0,0," + bitmaps + "#1106");
    auto* missing = harness.Add<skin::DIButton>("310=DIButton,0,0," + bitmaps + "#4");
    ASSERT_NE(named, nullptr);
    ASSERT_NE(missing, nullptr);
    EXPECT_GT(WhitePixelsDrawn(*named), 0);
    EXPECT_EQ(WhitePixelsDrawn(*missing), 0);  // no string 4: no label
}

TEST_F(ButtonTest, BriefAutoRepeatClickPostsOneCommand) {
    skin::DIButton* button = Button(0, 1, 3);
    ItemHarness::Click(button->Window(), {5, 5}, {5, 5});
    EXPECT_EQ(harness.Received(), (Messages{Command(3)}));
}

HWND g_held = nullptr;

void CALLBACK ReleaseHeldButton(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    PostMessageA(g_held, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(ButtonTest, HeldAutoRepeatButtonRepeatsThenClicks) {
    skin::DIButton* button = Button(0, 1, 6);
    g_held = button->Window();
    // Released by a timer well after several 200 ms marks.
    SetTimer(nullptr, 0, 700, ReleaseHeldButton);
    SendMessageA(g_held, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    const Messages received = harness.Received();
    EXPECT_GE(received.size(), 2u);  // at least one repeat, then the click
    for (const Posted& p : received) {
        EXPECT_EQ(p, Command(6));
    }
}

// A hold that something interrupts at its first repeat: the loop must end
// there, with no further repeat and no click. If the loop kept running, the
// timer's release on the button would end it, with several repeats.
struct Interruption {
    const char* name;
    void (*interrupt)(WPARAM);
};
void PrintTo(const Interruption& interruption, std::ostream* out) {
    *out << interruption.name;
}

HWND g_other = nullptr;  // a window that takes the activation away

class HeldButtonInterrupted : public ButtonTest,
                              public ::testing::WithParamInterface<Interruption> {};

TEST_P(HeldButtonInterrupted, EndsTheRepeats) {
    skin::DIButton* button = Button(0, 1, 6);
    g_held = button->Window();
    harness.onCommand = GetParam().interrupt;
    const UINT_PTR timer = SetTimer(nullptr, 0, 1500, ReleaseHeldButton);
    SendMessageA(g_held, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    KillTimer(nullptr, timer);
    harness.onCommand = nullptr;
    EXPECT_NE(GetCapture(), g_held);  // the button does not stay pressed
    // The button released later, over itself or elsewhere, makes no click.
    PostMessageA(harness.Parent(), WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    PostMessageA(g_held, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(harness.Received(), (Messages{Command(6)}));
    if (g_other != nullptr) {
        DestroyWindow(std::exchange(g_other, nullptr));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ButtonTest, HeldButtonInterrupted,
    ::testing::Values(
        Interruption{"CaptureTakenByAnotherWindow", [](WPARAM) { SetCapture(GetParent(g_held)); }},
        Interruption{"CaptureReleased", [](WPARAM) { ReleaseCapture(); }},
        Interruption{"ReleasedOverAnotherWindow",
                     [](WPARAM) {
                         ReleaseCapture();
                         PostMessageA(GetParent(g_held), WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
                     }},
        Interruption{"WindowDeactivated",
                     [](WPARAM) {
                         g_other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0,
                                                   0, 10, 10, nullptr, nullptr, nullptr, nullptr);
                         SetForegroundWindow(g_other);
                     }},
        Interruption{"ButtonDisabled", [](WPARAM) { EnableWindow(g_held, FALSE); }},
        Interruption{"ButtonDestroyed", [](WPARAM) { DestroyWindow(g_held); }}),
    [](const ::testing::TestParamInfo<Interruption>& test) { return test.param.name; });

// ---- meters -------------------------------------------------------------

TEST(CellRowTest, LevelRuleOfBarsAndSingleCells) {
    ItemHarness harness;
    auto* bar =
        harness.Add<skin::CellRow>("107=CellRow,0,0,0,1,16,8," + F().lit + "," + F().dark + ",");
    auto* single = harness.Add<skin::CellRow>("105=CellRow,0,10,0,0,17,8," + F().lit + "," +
                                              F().dark + "," + F().mark);
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(single, nullptr);
    bar->SetLevel(16);
    EXPECT_EQ(bar->Level(), 16);
    bar->SetLevel(17);
    bar->SetLevel(-1);
    EXPECT_EQ(bar->Level(), 16);
    single->SetLevel(17);
    EXPECT_EQ(single->Level(), 8);
    single->SetLevel(16);
    EXPECT_EQ(single->Level(), 16);
}

TEST(CellRowTest, PaintsBarsSingleCellsAndTheCentreMark) {
    ItemHarness harness;
    auto* bar =
        harness.Add<skin::CellRow>("107=CellRow,0,0,0,1,16,3," + F().lit + "," + F().dark + ",");
    auto* single = harness.Add<skin::CellRow>("105=CellRow,0,10,0,0,17,8," + F().lit + "," +
                                              F().dark + "," + F().mark);
    Canvas canvas(17 * 8, 6);
    bar->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(2 * 8 + 4, 3), kLit);
    EXPECT_EQ(canvas.Pixel(3 * 8 + 4, 3), kDark);
    single->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(8 * 8 + 4, 3), kMark);  // centred balance
    EXPECT_EQ(canvas.Pixel(2 * 8 + 4, 3), kDark);
    single->SetLevel(3);
    single->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(3 * 8 + 4, 3), kLit);
    EXPECT_EQ(canvas.Pixel(8 * 8 + 4, 3), kDark);
}

TEST(CellRowTest, VerticalSingleCellStaysInsideTheRow) {
    ItemHarness harness;
    auto* row =
        harness.Add<skin::CellRow>("9=CellRow,0,0,1,0,5,0," + F().lit + "," + F().dark + ",");
    ASSERT_NE(row, nullptr);
    for (int level = 0; level < 5; ++level) {
        row->SetLevel(level);
        Canvas canvas(8, 5 * 6);
        row->Paint(canvas.dc());
        int lit = 0;
        for (int cell = 0; cell < 5; ++cell) {
            lit += canvas.Pixel(4, cell * 6 + 3) == kLit;
        }
        EXPECT_EQ(lit, 1) << level;
        EXPECT_EQ(canvas.Pixel(4, (4 - level) * 6 + 3), kLit) << level;  // counted from the bottom
    }
}

TEST(CellArrayTest, LevelsOutsideTheColumnsAreClipped) {
    ItemHarness harness;
    auto* array =
        harness.Add<skin::CellArray>("102=CellArray,0,0,1,1,3,7," + F().lit + "," + F().dark);
    ASSERT_NE(array, nullptr);
    array->SetLevels({-5, 100, 2, 99});  // one more than the columns: ignored
    Canvas canvas(3 * 8, 7 * 6);
    array->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(4, 6 * 6 + 3), kDark);      // column 0 base
    EXPECT_EQ(canvas.Pixel(8 + 4, 3), kLit);           // column 1 full to the top
    EXPECT_EQ(canvas.Pixel(16 + 4, 5 * 6 + 3), kLit);  // column 2: two from the base
    EXPECT_EQ(canvas.Pixel(16 + 4, 4 * 6 + 3), kDark);
}

TEST(CellArrayTest, SingleCellsOutsideTheColumnShowNothing) {
    ItemHarness harness;
    auto* array =
        harness.Add<skin::CellArray>("102=CellArray,0,0,0,0,3,5," + F().lit + "," + F().dark);
    ASSERT_NE(array, nullptr);
    array->SetLevels({-1, 5, 4});
    Canvas canvas(5 * 8, 3 * 6);
    array->Paint(canvas.dc());
    for (int column = 0; column < 3; ++column) {
        for (int cell = 0; cell < 5; ++cell) {
            const bool lit = column == 2 && cell == 4;
            EXPECT_EQ(canvas.Pixel(cell * 8 + 4, column * 6 + 3), lit ? kLit : kDark)
                << column << "," << cell;
        }
    }
}

// ---- texts --------------------------------------------------------------

TEST(GenTextTest, SizesToItsTextAndRefitsKeepingItsCorner) {
    ItemHarness harness;
    auto* text =
        harness.Add<skin::GenText>("104=GenText,30,40,0,Tahoma,11,0,#FFFFFF,#102030,Balance");
    auto* empty = harness.Add<skin::GenText>("112=GenText,30,60,0,Tahoma,11,1,#FFFFFF,#102030,");
    ASSERT_NE(text, nullptr);
    ASSERT_NE(empty, nullptr);
    RECT r;
    GetClientRect(empty->Window(), &r);
    EXPECT_TRUE(IsRectEmpty(&r));
    GetClientRect(text->Window(), &r);
    const LONG balanceWidth = r.right;
    EXPECT_GT(balanceWidth, 0);
    text->SetText("Balance and much more");
    GetWindowRect(text->Window(), &r);
    MapWindowPoints(nullptr, harness.Parent(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_GT(r.right - r.left, balanceWidth);
    text->SetText("");  // an unmeasurable text leaves the window as it is
    GetClientRect(text->Window(), &r);
    EXPECT_GT(r.right, balanceWidth);
}

TEST(GenTextTest, OpaqueLabelsFillTheirBackgroundTransparentOnesShowTheirParent) {
    ItemHarness harness;
    auto* opaque = harness.Add<skin::GenText>("104=GenText,0,0,0,Tahoma,11,0,#FFFFFF,#102030,iiii");
    auto* clear = harness.Add<skin::GenText>("106=GenText,0,20,1,Tahoma,11,0,#FFFFFF,,iiii");
    Canvas canvas(40, 20);
    const RECT all = {0, 0, 40, 20};
    const auto black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    FillRect(canvas.dc(), &all, black);
    opaque->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0x10, 0x20, 0x30));
    FillRect(canvas.dc(), &all, black);
    clear->Paint(canvas.dc());
    EXPECT_EQ(canvas.Pixel(1, 1), ItemHarness::kFace);
    RECT client;
    GetClientRect(clear->Window(), &client);
    EXPECT_EQ(canvas.Pixel(client.right, 1), RGB(0, 0, 0));  // nothing past its window
}

TEST(GenTextTest, LabelWithoutAFontKeepsAnEmptyWindowAndTakesNoClicks) {
    ItemHarness harness;
    auto* label = harness.Add<skin::GenText>("9=GenText,0,0,1,,0,0,#FFFFFF,,#1016");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Text(), "#1016");
    // String 1016 of the test program's own table.
    EXPECT_EQ(skin::ResolveText(label->Text()), "Balance");
    RECT client;
    GetClientRect(label->Window(), &client);
    EXPECT_TRUE(IsRectEmpty(&client));  // no font: nothing to measure the text with
    // Painted on its own, it draws its text in the DC's font.
    Canvas canvas(100, 30);
    SendMessageA(label->Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    int text = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) {
            text += canvas.Pixel(x, y) == RGB(255, 255, 255);
        }
    }
    EXPECT_GT(text, 0);
    ItemHarness::Click(label->Window(), {1, 1}, {1, 1});
    EXPECT_TRUE(harness.Received().empty());
}

// What the parent's window shows in rect, against the parent's face with
// the label painted on it afresh.
void ExpectShownAsPaintedAfresh(ItemHarness& harness, const skin::GenText& label, RECT rect) {
    harness.Received();  // lets the windows paint
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    Canvas shown(width, height);
    shown.CopyFrom(harness.Parent(), rect.left, rect.top);
    Canvas afresh(width, height);
    SetViewportOrgEx(afresh.dc(), -rect.left, -rect.top, nullptr);
    SendMessageA(harness.Parent(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(afresh.dc()), 0);
    RECT client;
    GetWindowRect(label.Window(), &client);
    MapWindowPoints(nullptr, harness.Parent(), reinterpret_cast<POINT*>(&client), 1);
    SetViewportOrgEx(afresh.dc(), client.left - rect.left, client.top - rect.top, nullptr);
    SendMessageA(label.Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(afresh.dc()), 0);
    int differing = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            differing += shown.Pixel(x, y) != afresh.Pixel(x, y);
        }
    }
    EXPECT_EQ(differing, 0) << "of " << width * height << " pixels";
}

TEST(GenTextTest, TransparentLabelRepaintsThePanelBeneathANewText) {
    ItemHarness harness;
    auto* label = harness.Add<skin::GenText>("112=GenText,30,40,1,Tahoma,11,1,#FFFFFF,,");
    ASSERT_NE(label, nullptr);
    label->SetText("WWWWWWWWWWWW");
    harness.Received();
    RECT longText;
    GetWindowRect(label->Window(), &longText);
    MapWindowPoints(nullptr, harness.Parent(), reinterpret_cast<POINT*>(&longText), 2);
    ASSERT_FALSE(IsRectEmpty(&longText));
    label->SetText("MMMMMMMMMMMM");  // about as wide: the window may keep its size
    ExpectShownAsPaintedAfresh(harness, *label, longText);
    label->SetText("iii");
    ExpectShownAsPaintedAfresh(harness, *label, longText);
    label->SetText("");
    ExpectShownAsPaintedAfresh(harness, *label, longText);
    Canvas shown(1, 1);
    shown.CopyFrom(harness.Parent(), longText.left + 1, longText.top + 5);
    EXPECT_EQ(shown.Pixel(0, 0), ItemHarness::kFace);
}

}  // namespace

// ---- bad lines ----------------------------------------------------------

namespace {

TEST(BadItemLines, TooFewValuesBuildNothing) {
    ItemHarness harness;
    const char* lines[] = {
        "1=GenText,0,0,0,Tahoma,11,0,#FFFFFF,#000000",
        "2=DIGraphic,0,0",
        "3=DIButton,0,0,0,0,#1",
        "4=CellRow,0,0,0,1,16,8,#1,#2",
        "5=CellArray,0,0,1,1,10,7,#1",
        "6=DISlider,0,0,0,0,16,2,8,#1",
        "7=DITabCtl,0,0,360,22,#1,#2,Tahoma,11,1,#FFFFFF,#000000,#000000",
        "8=DIDropDown,0,0,#1,#2,Tahoma,11,0,#FFFFFF",
    };
    for (const char* line : lines) {
        EXPECT_EQ(harness.Add<skin::DisplayItem>(line), nullptr) << line;
    }
    EXPECT_EQ(testing_support::CountChildren(harness.Parent()), 0);
}

TEST(BadItemLines, MissingBitmapsGiveEmptyItemsThatPaintNothing) {
    ItemHarness harness;
    // Each line, and what a click on its item tells the parent.
    const std::pair<const char*, Messages> lines[] = {
        {"3=DIButton,0,0,1,1,no\\such.bmp,gone.bmp", {}},  // pressed outside its empty window
        {"4=CellRow,0,0,0,0,17,8,#31001,#31002,#31003", {}},
        {"5=CellArray,0,0,1,1,10,7,#31001,#31002", {}},
        {"6=DISlider,0,0,0,0,16,2,8,#31001,#31002,#31003", {Slid(4, 10, 6)}},  // a step
        {"8=DIDropDown,0,0,#31001,#31002,Tahoma,11,0,#FFFFFF,#2FA4E7", {}},
    };
    Canvas canvas(20, 20);
    const RECT all = {0, 0, 20, 20};
    FillRect(canvas.dc(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (const auto& [line, click] : lines) {
        skin::DisplayItem* item = harness.Add<skin::DisplayItem>(line);
        ASSERT_NE(item, nullptr) << line;
        RECT client;
        GetClientRect(item->Window(), &client);
        EXPECT_TRUE(IsRectEmpty(&client)) << line;
        SendMessageA(item->Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
        EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 0, 0)) << line;
        ItemHarness::Click(item->Window(), {1, 1}, {1, 1});
        EXPECT_EQ(harness.Received(), click) << line;
        harness.Clear();
    }
}

TEST(BadItemLines, HugeCountsAreBounded) {
    ItemHarness harness;
    auto* array = harness.Add<skin::CellArray>("5=CellArray,0,0,1,1,99999999,99999999," + F().lit +
                                               "," + F().dark);
    ASSERT_NE(array, nullptr);
    RECT client;
    GetClientRect(array->Window(), &client);
    EXPECT_LE(client.right, 1000 * 8);
    EXPECT_LE(client.bottom, 1000 * 6);
}

// ---- finding an item from its window ------------------------------------

// The frame finds the item behind a notification from its window: a custom
// item's and a standard control's alike, and never once the item is gone,
// whichever of item and window goes first.
// The item built from line at (x, y) of owner, hidden, as a layout builds it.
std::unique_ptr<skin::DisplayItem> BuildHidden(const std::string& line, HWND owner, int x, int y,
                                               skin::BitmapCache& bitmaps) {
    const std::string text = "[P]\r\n" + line + "\r\n";
    const skin::LayoutDoc doc = skin::ReadLayoutText(text);
    return skin::CreateDisplayItem(doc.Sections().at(0).entries.at(0), owner, x, y, bitmaps);
}

RECT PlaceIn(HWND parent, HWND window) {
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TEST(ItemWindows, AHiddenItemTakesItsSizeAndPlaceWhenFirstShown) {
    const testing_support::OwnerWindow parent;
    skin::BitmapCache bitmaps;
    auto button =
        BuildHidden("1=DIButton,0,0,0,0," + F().up + "," + F().down, parent.get(), 10, 20, bitmaps);
    auto label = BuildHidden("2=GenText,0,0,0,Tahoma,11,0,#FFFFFF,#102030,Text", parent.get(), 50,
                             60, bitmaps);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(label, nullptr);
    const RECT made = PlaceIn(parent.get(), button->Window());
    EXPECT_EQ(made.left, 10);
    EXPECT_EQ(made.top, 20);
    EXPECT_TRUE(IsRectEmpty(&made));  // nothing shows it yet
    EXPECT_EQ(button->ItemSize(), (skin::Size{30, 20}));
    // A hidden label given a longer text moves nowhere and keeps the new
    // size for its showing.
    const skin::Size shortText = label->ItemSize();
    static_cast<skin::GenText&>(*label).SetText("A much longer text");
    const skin::Size longText = label->ItemSize();
    EXPECT_GT(longText.width, shortText.width);
    for (int round = 0; round < 2; ++round) {  // shown, hidden and shown again
        button->Show(true);
        label->Show(true);
        const RECT place = PlaceIn(parent.get(), button->Window());
        const RECT expected = {10, 20, 40, 40};
        EXPECT_TRUE(EqualRect(&place, &expected));
        const RECT shown = PlaceIn(parent.get(), label->Window());
        EXPECT_EQ(shown.left, 50);
        EXPECT_EQ(shown.top, 60);
        EXPECT_EQ(shown.right - shown.left, longText.width);
        EXPECT_NE(GetWindowLongA(button->Window(), GWL_STYLE) & WS_VISIBLE, 0);
        button->Show(false);
        label->Show(false);
        EXPECT_EQ(GetWindowLongA(button->Window(), GWL_STYLE) & WS_VISIBLE, 0);
    }
    // Once sized, a new text resizes the window at once.
    static_cast<skin::GenText&>(*label).SetText("Text");
    const RECT refitted = PlaceIn(parent.get(), label->Window());
    EXPECT_EQ(refitted.right - refitted.left, shortText.width);
}

TEST(ItemWindows, AnItemChangedWhileHiddenIsPaintedWhenShown) {
    ItemHarness harness;  // shown, with its items
    auto* row =
        harness.Add<skin::CellRow>("107=CellRow,0,0,0,1,16,8," + F().lit + "," + F().dark + ",");
    ASSERT_NE(row, nullptr);
    harness.Received();  // lets everything paint
    row->SetLevel(3);
    EXPECT_TRUE(GetUpdateRect(row->Window(), nullptr, FALSE));
    harness.Received();
    row->Show(false);
    row->SetLevel(5);  // hidden: it asks for no paint, its showing paints it
    row->Show(true);
    EXPECT_TRUE(GetUpdateRect(row->Window(), nullptr, FALSE));
    harness.Received();
    ShowWindow(harness.Parent(), SW_HIDE);
    row->SetLevel(7);  // likewise while its parent does not show
    ShowWindow(harness.Parent(), SW_SHOW);
    EXPECT_TRUE(GetUpdateRect(row->Window(), nullptr, FALSE));
}

TEST(ItemWindows, AnItemIsFoundFromItsWindowWhileBothLive) {
    const testing_support::OwnerWindow parent;
    skin::BitmapCache bitmaps;
    const std::string lines[] = {"1=DIButton,0,0,0,0," + F().up + "," + F().down,
                                 "2=GenText,0,0,0,Tahoma,11,0,#FFFFFF,#102030,Text"};
    for (const std::string& line : lines) {
        const std::string text = "[P]\r\n" + line + "\r\n";
        const skin::LayoutDoc doc = skin::ReadLayoutText(text);
        const skin::LayoutEntry& entry = doc.Sections().at(0).entries.at(0);
        auto item = skin::CreateDisplayItem(entry, parent.get(), 0, 0, bitmaps);
        ASSERT_NE(item, nullptr) << line;
        const HWND window = item->Window();
        EXPECT_EQ(skin::DisplayItem::FromWindow(window), item.get()) << line;
        item.reset();
        EXPECT_EQ(skin::DisplayItem::FromWindow(window), nullptr) << line;

        item = skin::CreateDisplayItem(entry, parent.get(), 0, 0, bitmaps);
        ASSERT_NE(item, nullptr) << line;
        const HWND destroyedFirst = item->Window();
        DestroyWindow(destroyedFirst);  // as the frame's end takes its children
        item.reset();
        EXPECT_EQ(skin::DisplayItem::FromWindow(destroyedFirst), nullptr) << line;
    }
    EXPECT_EQ(skin::DisplayItem::FromWindow(parent.get()), nullptr);
    EXPECT_EQ(skin::DisplayItem::FromWindow(nullptr), nullptr);
}

}  // namespace
