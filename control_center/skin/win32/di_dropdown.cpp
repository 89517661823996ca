#include "di_dropdown.h"

#include "item_text.h"
#include "skin_bitmap.h"

namespace skin {

// ---- list ---------------------------------------------------------------

DropDownList::DropDownList(DIDropDown& box, HBITMAP entryBitmap, COLORREF text, COLORREF highlight)
    : box_(box),
      entryBitmap_(entryBitmap),
      textColour_(text),
      highlightColour_(highlight),
      screenHeight_(GetSystemMetrics(SM_CYSCREEN)) {}

bool DropDownList::Create(HWND boxWindow) {
    RECT box;
    GetWindowRect(boxWindow, &box);
    return CreateEx(WS_EX_TOOLWINDOW, "TavimoDropDownList", "DropDown", WS_POPUP, box.left,
                    box.bottom, 1, 1, boxWindow, nullptr);
}

void DropDownList::Open(const RECT& boxOnScreen) {
    hover_ = -1;
    const Size entry = BitmapSize(entryBitmap_);
    int top = 0;
    for (DropDownItem& item : items_) {
        item.rect = {0, top, entry.width, top + entry.height};
        top += entry.height;
    }
    const int y =
        boxOnScreen.bottom + top < screenHeight_ - 1 ? boxOnScreen.bottom : boxOnScreen.top - top;
    MoveWindow(m_hWnd, boxOnScreen.left, y, entry.width, top, TRUE);
    ShowWindow(m_hWnd, SW_SHOW);
    if (GetCapture() != m_hWnd) {
        SetCapture(m_hWnd);
    }
}

void DropDownList::Close() {
    ShowWindow(m_hWnd, SW_HIDE);
    ReleaseMouse();
    hover_ = -1;
    pressed_ = -1;
}

Size DropDownList::TextExtent(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) {
        return {};
    }
    const DropDownItem& item = items_[static_cast<std::size_t>(index)];
    return MeasureText(ResolveText(item.written), item.font);
}

int DropDownList::EntryAt(POINT point) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (PtInRect(&items_[i].rect, point)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void DropDownList::DrawEntryText(HDC dc, int index) const {
    const DropDownItem& item = items_[static_cast<std::size_t>(index)];
    DrawCentredText(dc, item.rect, ResolveText(item.written),
                    index == hover_ ? highlightColour_ : textColour_, item.font);
}

void DropDownList::Paint(HDC dc) const {
    if (entryBitmap_ == nullptr) {
        return;
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        DrawBitmap(dc, entryBitmap_, items_[i].rect.left, items_[i].rect.top);
        DrawEntryText(dc, static_cast<int>(i));
    }
}

void DropDownList::OnMouseMove(POINT point) {
    const int now = EntryAt(point);
    if (now == hover_) {
        return;
    }
    const int old = hover_;
    hover_ = now;
    // Only the two texts change: they are drawn over the entries directly.
    const tavimo::WindowDC dc(m_hWnd);
    for (int index : {old, now}) {
        if (index >= 0) {
            DrawEntryText(dc.get(), index);
        }
    }
}

void DropDownList::ReleaseMouse() const {
    if (GetCapture() == m_hWnd) {
        ReleaseCapture();
    }
}

void DropDownList::OnButtonDown(POINT point) {
    pressed_ = EntryAt(point);
    if (pressed_ < 0) {
        // The list holds the mouse, so this is a click anywhere else: cancel.
        PostMessageA(box_.Window(), kDropDownPicked, static_cast<WPARAM>(-1), 0);
        ReleaseMouse();
    }
}

void DropDownList::OnButtonUp(POINT point) {
    if (pressed_ < 0) {
        return;
    }
    if (EntryAt(point) == pressed_) {
        const DropDownItem& item = items_[static_cast<std::size_t>(pressed_)];
        PostMessageA(box_.Window(), kDropDownPicked, static_cast<WPARAM>(item.elementId), 0);
        selected_ = pressed_;
        InvalidateRect(box_.Window(), nullptr, FALSE);
    }
    ReleaseMouse();
    pressed_ = -1;
}

LRESULT DropDownList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_MOUSEMOVE:
            OnMouseMove(point);
            return 0;
        case WM_LBUTTONDOWN:
            OnButtonDown(point);
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(point);
            return 0;
        default:
            return CPaintedWnd::WindowProc(message, wParam, lParam);
    }
}

// ---- box ----------------------------------------------------------------

std::unique_ptr<DisplayItem> DIDropDown::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                                BitmapCache& bitmaps) {
    std::unique_ptr<DIDropDown> item(new DIDropDown(ReadNumber(entry.Key())));
    const BitmapFields fields(entry.Value(3));
    item->box_ = bitmaps.Get(fields.Read(entry.Value(3)));
    item->entryBitmap_ = bitmaps.Get(fields.Read(entry.Value(4)));
    item->font_ = ReadFont(entry.Value(5), entry.Value(6), entry.Value(7));
    item->textColour_ = ReadColour(entry.Value(8));
    item->highlightColour_ = ReadColour(entry.Value(9));
    if (!item->CreateItemWindow(owner, x, y, BitmapSize(item->box_))) {
        return nullptr;
    }
    return item;
}

// The list goes first: its window is owned by the box's.
DIDropDown::~DIDropDown() {
    list_.reset();
}

void DIDropDown::AttachEntry(const LayoutEntry& entry) {
    if (!list_) {
        auto list =
            std::make_unique<DropDownList>(*this, entryBitmap_, textColour_, highlightColour_);
        if (!list->Create(m_hWnd)) {
            return;  // the entry is dropped, and the box never opens
        }
        list_ = std::move(list);
    }
    // The box's font, which draws nothing of its own without a face and height.
    list_->Add({ReadNumber(entry.Key()), std::string(entry.Value(1)), {}, font_});
}

int DIDropDown::SelectEntry(int index) {
    if (!list_) {
        return -1;
    }
    if (index >= 0 && static_cast<std::size_t>(index) < list_->Items().size()) {
        list_->Select(index);
    }
    Redraw();
    return list_->Selected();
}

std::string DIDropDown::CurrentText() const {
    if (!list_ || list_->Selected() < 0) {
        return {};
    }
    return list_->Items()[static_cast<std::size_t>(list_->Selected())].written;
}

Size DIDropDown::TextExtent() const {
    return MeasureText(ResolveText(CurrentText()), font_);
}

void DIDropDown::Close() {
    open_ = false;
    list_->Close();
    Redraw();
}

void DIDropDown::Paint(HDC dc) const {
    DrawBitmap(dc, box_, 0, 0);
    const std::string text = CurrentText();
    if (!text.empty()) {
        DrawCentredText(dc, Area(), ResolveText(text), textColour_, font_);
    }
}

LRESULT DIDropDown::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            if (list_ && !open_) {
                open_ = true;
                RECT box;
                GetWindowRect(m_hWnd, &box);
                list_->Open(box);
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (list_ && open_) {
                Close();
            }
            break;
        case WM_CANCELMODE:
            // Sent when the box is disabled (the frame does so while the
            // presets cannot be used): an open list goes with its capture.
            if (list_ && open_) {
                Close();
            }
            break;
        case kDropDownPicked:
            if (static_cast<int>(wParam) != -1) {
                PostToParent(WM_COMMAND, LOWORD(wParam), 0);
            }
            if (list_) {
                Close();
            }
            return 0;
        default:
            break;
    }
    return DisplayItem::WindowProc(message, wParam, lParam);
}

}  // namespace skin
