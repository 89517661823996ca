// CMainFrame: the control center's only window, a borderless popup with
// rounded corners whose face is the skin's stacked panels. It chooses the
// layout for the headset, sizes and centres itself, is dragged by its top
// panel, cycles the full, reduced and mini configurations and switches the
// page panel between its four pages.
#pragma once

#include <windows.h>

#include "device_notification.h"
#include "frame_wnd.h"
#include "skin_layout.h"

namespace tavimo {

// Resource id of the frame: caption string and icon.
inline constexpr UINT kFrameResourceId = 10128;
// Private messages of the frame.
inline constexpr UINT kTextsChangedMessage = WM_USER + 100;

class CMainFrame : public framework::CFrameWnd {
public:
    static constexpr int kTopPanel = 1;
    static constexpr int kPagePanel = 4;

    // Operations the controller and the device handling use.
    void ResizeToLayout();
    bool ReloadLayout();
    void ShowPage(int page);

    int CurrentPage() const { return page_; }
    POINT RememberedPosition() const { return position_; }
    const skin::SkinLayout& Layout() const { return layout_; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& create) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    void OnPaint();
    void PaintClient(HDC dc) const;
    LRESULT OnNcHitTest(LPARAM lParam) const;
    void OnMove(LPARAM lParam);
    bool OnCommand(int id);
    void OnControlNotification(HWND control, UINT code);
    LRESULT OnToolTipText(NMHDR& header) const;
    void OnTextsChanged();

    bool LoadLayoutForHeadset();
    void ShapeWindow(skin::Size size);
    void CreateToolTips();

    DeviceNotification deviceNotification_;
    POINT position_ = {0, 0};
    skin::SkinLayout layout_;
    int page_ = 1;
    skin::Size shape_;         // the size the window region was last made for
    HWND toolTips_ = nullptr;  // made when the mouse first comes over the frame
};

}  // namespace tavimo
