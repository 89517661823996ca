// Captions by which the suite's programs find each other's windows, and the
// private messages they send across processes.
#pragma once

namespace tavimo {

// The control center's frame.
inline constexpr char kControlCenterTitle[] = "Tavimo Audio Control Center";
// Tells the control center that the stored language changed (WM_USER + 100),
// wParam and lParam 0.
inline constexpr unsigned kLanguageChangedMessage = 0x0400 + 100;

// The Control Panel applet's dialog (its caption for any headset but the
// "Pro" model).
inline constexpr char kAppletTitle[] = "Tavimo USB Audio Controls";

// The tray agent's hidden window.
inline constexpr char kTrayAgentTitle[] = "Quorvel System Tray Icon";
// Asks the tray agent to close itself (WM_APP + 8), wParam and lParam 0.
inline constexpr unsigned kTrayCloseMessage = 0x8000 + 8;

}  // namespace tavimo
