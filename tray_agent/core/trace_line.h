// The line the hidden window's trace shows for each notification of the
// tray icon.
#pragma once

#include <cstdint>
#include <string>

namespace tray {

// "WM_MOUSEMOVE" ... "WM_MBUTTONDBLCLK" for the mouse messages 0x200 to
// 0x209, "(Unknown)" for any other event.
const char* MouseEventName(std::uint32_t event);

// "Tray notification: ID=<id>, lEvent=0x<event, at least four hex digits>
// <name>" and CR LF.
std::string TraceLine(int id, std::uint32_t event);

}  // namespace tray
