// CMainFrame: the control center's only window, a borderless popup with
// rounded corners whose face is the skin's stacked panels. It chooses the
// layout for the headset, sizes and centres itself, is dragged by its top
// panel, cycles the full, reduced and mini configurations and switches the
// page panel between its four pages.
#pragma once

#include <windows.h>

#include <optional>

#include "controller.h"
#include "desktop.h"
#include "device_notification.h"
#include "device_set.h"
#include "frame_wnd.h"
#include "headset_audio.h"
#include "skin_layout.h"
#include "window_titles.h"

namespace tavimo {

// Resource id of the frame: caption string and icon.
inline constexpr UINT kFrameResourceId = 10128;
// Private messages of the frame.
inline constexpr UINT kTextsChangedMessage = kLanguageChangedMessage;  // from the applet
// Posted at creation to tell what opening the headset found wrong, once the
// frame is shown: wParam the title's string id, lParam the text's.
inline constexpr UINT kShowStartupProblem = WM_APP + 1;
// Posted after the items were told of new texts, to follow them.
inline constexpr UINT kItemTextsRefreshed = WM_APP + 2;

class CMainFrame : public framework::CFrameWnd {
public:
    static constexpr int kTopPanel = 1;
    static constexpr int kPagePanel = 4;

    // The headset is reached through devices: the system's in the product,
    // a virtual headset in tests and demos.
    CMainFrame(devices::DeviceSet devices, Desktop& desktop);

    // Operations the controller and the device handling use.
    void ResizeToLayout();
    bool ReloadLayout();
    void ShowPage(int page);

    int CurrentPage() const { return page_; }
    POINT RememberedPosition() const { return position_; }
    const skin::SkinLayout& Layout() const { return layout_; }
    // The LAYOUT resource shown, chosen by the headset's product and model.
    int LayoutId() const { return layoutId_; }
    headset::HeadsetAudio& Audio() { return audio_; }

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& create) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Re-reads every item from the device, through the controller.
    virtual void FullRefresh();

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
    // The controller's messages; false for any other message.
    bool OnControllerMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Device arrival and removal.
    void OpenMixer();
    // Start-up only: when Windows plays through another card while the
    // headset is ready, the output switch is offered.
    void CheckAudioOutput();
    void ShowStartupProblem(UINT title, UINT text);
    void OnDeviceChange(WPARAM event, LPARAM data);
    void OnAudioDevicesChanged();
    void Rebuild();
    void ShapeWindow(skin::Size size);
    void CreateToolTips();

    devices::DeviceSet devices_;
    headset::HeadsetAudio audio_;
    Desktop& desktop_;
    SettingsStore settings_;
    std::optional<Controller> controller_;  // from creation on
    DeviceNotification deviceNotification_;
    bool arrivalPending_ = false;
    POINT position_ = {0, 0};
    skin::SkinLayout layout_;
    int layoutId_ = 0;
    int page_ = 1;
    skin::Size shape_;         // the size the window region was last made for
    HWND toolTips_ = nullptr;  // made when the mouse first comes over the frame
};

}  // namespace tavimo
