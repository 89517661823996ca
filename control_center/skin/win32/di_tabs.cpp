#include "di_tabs.h"

#include "item_text.h"
#include "saturating.h"
#include "skin_bitmap.h"

namespace skin {

std::unique_ptr<DisplayItem> TabItem::Create(const LayoutEntry& entry, HWND owner, int, int,
                                             BitmapCache&) {
    std::unique_ptr<TabItem> item(new TabItem(ReadNumber(entry.Key())));
    item->written_ = entry.Value(1);
    if (!item->CreateItemWindow(owner, 0, 0, {})) {
        return nullptr;
    }
    return item;
}

bool TabItem::Inside(POINT point) const {
    const RECT area = Area();
    return PtInRect(&area, point) != FALSE;
}

void TabItem::SetColour(COLORREF colour) {
    colour_ = colour;
    Redraw();
}

// A tab that changes between selected and not is no longer hovered: it
// takes no mouse moves while selected, so the next hover starts afresh.
void TabItem::SetSelected(bool selected) {
    selected_ = selected;
    hover_ = false;
    SetColour(selected ? selectedColour_ : normalColour_);
}

void TabItem::OnMouseMove(POINT point) {
    if (Inside(point)) {
        if (GetCapture() != m_hWnd) {
            SetCapture(m_hWnd);
        }
        if (!hover_) {
            hover_ = true;
            SetColour(hoverColour_);
        }
    } else {
        if (GetCapture() == m_hWnd) {
            ReleaseCapture();
        }
        if (hover_) {
            hover_ = false;
            SetColour(normalColour_);
        }
    }
}

void TabItem::OnButtonUp(POINT point) {
    if (Inside(point) && pressed_) {
        if (strip_ != nullptr) {
            PostMessageA(strip_->Window(), kTabClicked, static_cast<WPARAM>(ElementId()), 0);
        }
        if (GetCapture() == m_hWnd) {
            ReleaseCapture();
        }
    }
    pressed_ = false;
}

LRESULT TabItem::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_MOUSEMOVE:
            if (!selected_) {
                OnMouseMove(point);
            }
            return 0;
        case WM_LBUTTONDOWN:
            if (!selected_) {
                pressed_ = Inside(point);
            }
            return 0;
        case WM_LBUTTONUP:
            OnButtonUp(point);
            return 0;
        default:
            return DisplayItem::WindowProc(message, wParam, lParam);
    }
}

std::string TabItem::ShownText() const {
    return ResolveText(written_);
}

Size TabItem::TextExtent() const {
    return MeasureText(ShownText(), font_);
}

void TabItem::Paint(HDC dc) const {
    if (selectedBitmap_ != nullptr && normalBitmap_ != nullptr) {
        DrawBitmap(dc, selected_ ? selectedBitmap_ : normalBitmap_, 0, 0);
    }
    DrawCentredText(dc, Area(), ShownText(), colour_, font_);
}

std::unique_ptr<DisplayItem> DITabCtl::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                              BitmapCache& bitmaps) {
    std::unique_ptr<DITabCtl> item(new DITabCtl(ReadNumber(entry.Key())));
    item->corner_ = {x, y};
    const BitmapFields fields(entry.Value(5));
    item->selectedBitmap_ = bitmaps.Get(fields.Read(entry.Value(5)));
    item->normalBitmap_ = bitmaps.Get(fields.Read(entry.Value(6)));
    item->font_ = ReadFont(entry.Value(7), entry.Value(8), entry.Value(9));
    item->selectedColour_ = ReadColour(entry.Value(10));
    item->normalColour_ = ReadColour(entry.Value(11));
    item->hoverColour_ = ReadColour(entry.Value(13));
    if (!item->CreateItemWindow(owner, x, y, {})) {
        return nullptr;
    }
    return item;
}

void DITabCtl::AttachTab(TabItem& tab) {
    if (font_.HasFont()) {
        tab.font_ = font_;
        tab.selectedColour_ = selectedColour_;
        tab.normalColour_ = normalColour_;
        tab.hoverColour_ = hoverColour_;
        tab.strip_ = this;
    }
    tabs_.push_back(&tab);
}

void DITabCtl::SelectTab(int index) {
    if (index == current_ || index < 0 || static_cast<std::size_t>(index) >= tabs_.size()) {
        return;
    }
    if (current_ >= 0) {
        tabs_[static_cast<std::size_t>(current_)]->SetSelected(false);
    }
    tabs_[static_cast<std::size_t>(index)]->SetSelected(true);
    current_ = index;
}

void DITabCtl::LayOutTabs() {
    if (selectedBitmap_ == nullptr || normalBitmap_ == nullptr) {
        return;
    }
    int x = 0;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        TabItem& tab = *tabs_[i];
        tab.selectedBitmap_ = selectedBitmap_;
        tab.normalBitmap_ = normalBitmap_;
        const Size size =
            BitmapSize(static_cast<int>(i) == current_ ? selectedBitmap_ : normalBitmap_);
        tab.Place(SaturatingAdd(corner_.x, x), corner_.y, size);
        x = SaturatingAdd(x, size.width);
    }
}

LRESULT DITabCtl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kTabClicked) {
        return DisplayItem::WindowProc(message, wParam, lParam);
    }
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (tabs_[i]->ElementId() == static_cast<int>(wParam)) {
            SelectTab(static_cast<int>(i));
            PostToParent(WM_COMMAND, wParam, 0);
            break;
        }
    }
    return 0;
}

}  // namespace skin
