// The messages and commands of the agent's hidden window.
#pragma once

#include <windows.h>

#include "window_titles.h"

namespace tray {

// The tray icon's mouse events (wParam: icon id, lParam: mouse message).
inline constexpr UINT kTrayNotifyMessage = WM_USER;
// Another program asks the agent to end.
inline constexpr UINT kTrayExitMessage = tavimo::kTrayCloseMessage;
// The stored language changed: load the language library again.
inline constexpr UINT kTextsChangedMessage = tavimo::kLanguageChangedMessage;

inline constexpr UINT kToggleIconCommand = 0x8003;
inline constexpr UINT kClearTraceCommand = 0x8005;
inline constexpr UINT kShowNotificationsCommand = 0x8006;
inline constexpr UINT kOpenControlCenterCommand = 0x8007;
inline constexpr UINT kExitCommand = 0x8008;
inline constexpr UINT kAboutCommand = 0xE140;

// Resources of the language library.
inline constexpr UINT kFrameResource = 2;
inline constexpr UINT kTrayIconId = 3;
inline constexpr UINT kAboutDialog = 100;
inline constexpr UINT kFirstIcon = 101;
inline constexpr UINT kSecondIcon = 102;

inline constexpr UINT kStatusBarId = 0xE801;
inline constexpr UINT kTraceEditId = 0xE900;

// Sent by an agent started with the unload switch to the one running:
// close at once.
inline UINT CloseWindowMessage() {
    static const UINT message =
        RegisterWindowMessageA("76154AD6-7554-497d-9A84-E9A9EEB4C585Tavimo Close Window message");
    return message;
}

}  // namespace tray
