// DISlider: the skin's bitmap slider. Reports moves to the frame while the
// thumb is dragged (code 5) and on release or after a step click (code 4).
#pragma once

#include "display_item.h"
#include "slider_math.h"

namespace skin {

class DISlider : public DisplayItem {
public:
    static constexpr WORD kCodeTrack = 5;     // SB_THUMBTRACK
    static constexpr WORD kCodePosition = 4;  // SB_THUMBPOSITION

    // Values: type, x, y, vertical, minimum, maximum, step, position, track
    // bitmap, thumb bitmap, optional fill bitmap.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    int Position() const { return position_; }
    // Ignored while dragging, outside the range or when unchanged; returns
    // the position.
    int SetPosition(int value);
    // Rejected when maximum < minimum; clamps the position.
    void SetRange(int minimum, int maximum);
    // An inactive slider ignores the mouse; a drag in progress ends as if
    // released.
    void SetActive(bool active);
    RECT ThumbRect() const { return thumb_; }

    void Paint(HDC dc) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using DisplayItem::DisplayItem;
    void OnButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void EndDrag();
    void MoveThumbTo(int offset);
    int ThumbOffset() const { return range_.vertical ? thumb_.top : thumb_.left; }
    void Notify(WORD code);

    SliderRange range_;
    int step_ = 0;
    int position_ = 0;
    bool active_ = true;
    bool dragging_ = false;
    SliderDrag drag_ = {};
    RECT thumb_ = {};
    HBITMAP track_ = nullptr;
    HBITMAP thumbBitmap_ = nullptr;
    HBITMAP fill_ = nullptr;
};

}  // namespace skin
