// CTrayIcon: the agent's icon in the notification area of the taskbar, its
// tooltip and menu, and its return when the taskbar is made anew. Icons,
// tooltips and the menu come from the framework's resource source.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "subclass_wnd.h"

namespace tray {

class CTrayIcon {
public:
    // The tooltip starts as string id (the icon's id names its menu too).
    explicit CTrayIcon(UINT id);
    // Removes the icon and both hooks.
    virtual ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The window that receives the icon's mouse events as message (wParam:
    // the icon's id, lParam: the mouse message); it and its top-level parent
    // are hooked.
    void SetNotifyWindow(HWND window, UINT message);
    // Shows icon resourceId with string resourceId as its tooltip; 0 removes
    // the icon. An icon that cannot be loaded changes nothing (FALSE).
    BOOL ShowIcon(UINT resourceId);
    // Shows icon (null: removes it) with tooltip when there is one. The icon
    // asked for is kept even when the shell refuses it, so that the next
    // show, or a new taskbar, adds it.
    BOOL ShowIcon(HICON icon, const char* tooltip);

    bool Shown() const { return shown_; }
    HICON Icon() const { return record_.hIcon; }
    const char* Tooltip() const { return record_.szTip; }

    // "TaskbarCreated", which the shell broadcasts when it makes the taskbar.
    static UINT TaskbarCreatedMessage();

protected:
    // A mouse event on the icon: the menu for a right click, its first item
    // for a double click. 1 when it was handled, else 0.
    virtual LRESULT HandleNotification(WPARAM id, LPARAM event);
    // Adds the icon to a new taskbar. 0.
    virtual LRESULT HandleTaskbarRecreated(WPARAM wParam, LPARAM lParam);

private:
    class IconHook : public CSubclassWnd {
    public:
        explicit IconHook(CTrayIcon& icon) : icon_(icon) {}

    protected:
        LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        CTrayIcon& icon_;
    };

    void ShowMenu(HMENU menu) const;

    // The first-version record: the layout every shell understands.
    NOTIFYICONDATAA record_ = {};
    bool shown_ = false;
    IconHook windowHook_{*this};
    IconHook parentHook_{*this};
};

}  // namespace tray
