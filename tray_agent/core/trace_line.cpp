#include "trace_line.h"

#include <array>
#include <cstdio>

namespace tray {
namespace {

constexpr std::uint32_t kFirstMouseEvent = 0x200;
constexpr std::array<const char*, 10> kMouseEvents = {
    "WM_MOUSEMOVE", "WM_LBUTTONDOWN",   "WM_LBUTTONUP",   "WM_LBUTTONDBLCLK", "WM_RBUTTONDOWN",
    "WM_RBUTTONUP", "WM_RBUTTONDBLCLK", "WM_MBUTTONDOWN", "WM_MBUTTONUP",     "WM_MBUTTONDBLCLK"};

}  // namespace

const char* MouseEventName(std::uint32_t event) {
    if (event < kFirstMouseEvent || event - kFirstMouseEvent >= kMouseEvents.size()) {
        return "(Unknown)";
    }
    return kMouseEvents[event - kFirstMouseEvent];
}

std::string TraceLine(int id, std::uint32_t event) {
    char hex[16] = {};
    std::snprintf(hex, sizeof hex, "%04x", static_cast<unsigned>(event));
    return "Tray notification: ID=" + std::to_string(id) + ", lEvent=0x" + hex + " " +
           MouseEventName(event) + "\r\n";
}

}  // namespace tray
