#include "di_slider.h"

#include <algorithm>

#include "skin_bitmap.h"

namespace skin {

std::unique_ptr<DisplayItem> DISlider::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                              BitmapCache& bitmaps) {
    std::unique_ptr<DISlider> item(new DISlider(ReadNumber(entry.Key())));
    item->range_.vertical = ReadFlag(entry.Value(3));
    item->step_ = ReadNumber(entry.Value(6));
    const BitmapFields fields(entry.Value(8));
    item->track_ = bitmaps.Get(fields.Read(entry.Value(8)));
    item->thumbBitmap_ = bitmaps.Get(fields.Read(entry.Value(9)));
    item->fill_ = bitmaps.Get(fields.Read(entry.Value(10)));
    const Size track = BitmapSize(item->track_);
    if (item->track_ != nullptr && item->thumbBitmap_ != nullptr) {
        const Size thumb = BitmapSize(item->thumbBitmap_);
        item->thumb_ = {0, 0, std::min(thumb.width, track.width),
                        std::min(thumb.height, track.height)};
        item->range_.travel = item->range_.vertical ? track.height - item->thumb_.bottom
                                                    : track.width - item->thumb_.right;
    }
    if (!item->CreateItemWindow(owner, x, y, track)) {
        return nullptr;
    }
    item->SetRange(ReadNumber(entry.Value(4)), ReadNumber(entry.Value(5)));
    item->SetPosition(ReadNumber(entry.Value(7)));
    return item;
}

void DISlider::MoveThumbTo(int offset) {
    const int along = offset - ThumbOffset();
    OffsetRect(&thumb_, range_.vertical ? 0 : along, range_.vertical ? along : 0);
}

int DISlider::SetPosition(int value) {
    if (dragging_ || value < range_.minimum || value > range_.maximum || value == position_) {
        return position_;
    }
    position_ = value;
    if (!IsRectEmpty(&thumb_) && range_.CanMap()) {
        MoveThumbTo(range_.ThumbOffset(position_));
    }
    Redraw();
    return position_;
}

void DISlider::SetRange(int minimum, int maximum) {
    if (maximum < minimum) {
        return;
    }
    range_.minimum = minimum;
    range_.maximum = maximum;
    position_ = std::clamp(position_, minimum, maximum);
    Redraw();
}

void DISlider::Notify(WORD code) {
    const UINT message = range_.vertical ? kSliderMovedV : kSliderMovedH;
    PostToParent(message, MAKEWPARAM(code, static_cast<WORD>(position_)),
                 static_cast<LPARAM>(ElementId()));
}

void DISlider::OnButtonDown(POINT point) {
    if (PtInRect(&thumb_, point)) {
        drag_ = {(range_.vertical ? point.y : point.x) - ThumbOffset(),
                 range_.vertical ? point.y : point.x};
        if (!dragging_) {
            SetCapture(m_hWnd);
            dragging_ = true;
        }
        return;
    }
    // One step towards the click.
    const bool grow = range_.vertical ? point.y < thumb_.top : point.x >= thumb_.left;
    const long long stepped = static_cast<long long>(position_) + (grow ? step_ : -step_);
    position_ = static_cast<int>(std::clamp<long long>(stepped, range_.minimum, range_.maximum));
    if (!IsRectEmpty(&thumb_) && range_.CanMap()) {
        MoveThumbTo(range_.ThumbOffset(position_));
    }
    Notify(kCodePosition);
    Redraw();
}

void DISlider::OnMouseMove(POINT point) {
    int offset = ThumbOffset();
    if (!drag_.Follow(range_.vertical ? point.y : point.x, range_.travel, offset)) {
        return;
    }
    MoveThumbTo(offset);
    if (range_.CanMap()) {
        position_ = range_.PositionAt(offset);
    }
    Notify(kCodeTrack);
    Redraw();
}

// Ends a drag as the button-up does: on the release itself, when the
// slider loses the mouse to another window and when it is made inactive.
void DISlider::EndDrag() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    if (GetCapture() == m_hWnd) {
        ReleaseCapture();
    }
    if (range_.CanMap()) {
        position_ = range_.PositionAt(ThumbOffset());
    }
    Notify(kCodePosition);
    Redraw();
}

void DISlider::SetActive(bool active) {
    if (!active) {
        EndDrag();
    }
    active_ = active;
}

void DISlider::Paint(HDC dc) const {
    if (track_ == nullptr || thumbBitmap_ == nullptr) {
        return;
    }
    DrawBitmap(dc, track_, 0, 0);
    if (fill_ != nullptr) {
        // The track's part on the minimum side, in the fill bitmap.
        const Size fill = BitmapSize(fill_);
        const tavimo::UniqueMemoryDC memory(CreateCompatibleDC(dc));
        const tavimo::ScopedSelect select(memory.get(), fill_);
        if (range_.vertical) {
            BitBlt(dc, 0, 0, fill.width, thumb_.top, memory.get(), 0, 0, SRCCOPY);
        } else {
            BitBlt(dc, 0, 0, thumb_.left, fill.height, memory.get(), 0, 0, SRCCOPY);
        }
    }
    DrawBitmap(dc, thumbBitmap_, thumb_.left, thumb_.top);
}

LRESULT DISlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_LBUTTONDOWN:
            if (active_) {
                OnButtonDown(point);
            }
            return 0;
        case WM_MOUSEMOVE:
            if (active_ && dragging_) {
                OnMouseMove(point);
            }
            return 0;
        case WM_LBUTTONUP:
            if (active_) {
                EndDrag();
            }
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != m_hWnd) {
                EndDrag();
            }
            return 0;
        default:
            return DisplayItem::WindowProc(message, wParam, lParam);
    }
}

}  // namespace skin
