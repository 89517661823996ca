// send_command: drives the running control center into a view, for
// screenshots, then prints the rectangle around its visible windows (the
// frame, an open drop-down list, a dialog; not the demo's "Virtual headset"
// window) as an X geometry WIDTHxHEIGHT+LEFT+TOP.
//   send_command [ID | c:ID | d:ID | h:ID | esc]...
//   send_command --headset-window
//   send_command --dialog TITLE
// ID sends WM_COMMAND with that id to the frame; c:ID clicks the item with
// that element id, d:ID double-clicks it, h:ID moves the mouse over it; esc
// cancels the control center's open dialogs. --headset-window prints the
// demo's "Virtual headset" window's rectangle instead, --dialog that of the
// dialog titled TITLE (such as the Control Panel applet's).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "demo_command.h"

namespace {

constexpr char kTitle[] = "Tavimo Audio Control Center";

struct Bounds {
    DWORD thread;
    RECT rect;
};

bool IsClass(HWND window, const char* name) {
    char className[64] = {};
    return GetClassNameA(window, className, sizeof className) > 0 &&
           std::strcmp(className, name) == 0;
}

BOOL CALLBACK AddVisibleWindow(HWND window, LPARAM bounds) {
    auto& b = *reinterpret_cast<Bounds*>(bounds);
    RECT r;
    if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) == b.thread &&
        !IsClass(window, demo::kHeadsetWindowClass) && GetWindowRect(window, &r) &&
        !IsRectEmpty(&r)) {
        UnionRect(&b.rect, &b.rect, &r);
    }
    return TRUE;
}

// Cancels every dialog (class "#32770") of the frame's thread.
BOOL CALLBACK CancelDialog(HWND window, LPARAM thread) {
    if (GetWindowThreadProcessId(window, nullptr) == static_cast<DWORD>(thread) &&
        IsClass(window, "#32770")) {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
    return TRUE;
}

void PrintGeometry(const RECT& r) {
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
}

bool Drive(HWND frame, const char* arg) {
    if (std::strcmp(arg, "esc") == 0) {
        EnumWindows(CancelDialog, static_cast<LPARAM>(GetWindowThreadProcessId(frame, nullptr)));
        return true;
    }
    const bool click = std::strncmp(arg, "c:", 2) == 0;
    const bool doubleClick = std::strncmp(arg, "d:", 2) == 0;
    const bool hover = std::strncmp(arg, "h:", 2) == 0;
    const bool onItem = click || doubleClick || hover;
    const long id = std::strtol(onItem ? arg + 2 : arg, nullptr, 10);
    if (id <= 0 || id > 0xFFFF) {
        return false;
    }
    if (!onItem) {
        SendMessageA(frame, WM_COMMAND, static_cast<WPARAM>(id), 0);
        return true;
    }
    HWND item = GetDlgItem(frame, static_cast<int>(id));
    if (item == nullptr) {
        return false;
    }
    const LPARAM point = MAKELPARAM(4, 4);
    SendMessageA(item, WM_MOUSEMOVE, 0, point);
    if (click) {
        PostMessageA(item, WM_LBUTTONDOWN, MK_LBUTTON, point);
        PostMessageA(item, WM_LBUTTONUP, 0, point);
    } else if (doubleClick) {
        PostMessageA(item, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    }
    return true;
}

// Prints the window's rectangle; 1 when there is no such window.
int PrintWindowGeometry(HWND window) {
    RECT r;
    if (window == nullptr || !GetWindowRect(window, &r)) {
        return 1;
    }
    PrintGeometry(r);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--headset-window") == 0) {
        return PrintWindowGeometry(
            FindWindowA(demo::kHeadsetWindowClass, demo::kHeadsetWindowTitle));
    }
    if (argc == 3 && std::strcmp(argv[1], "--dialog") == 0) {
        return PrintWindowGeometry(FindWindowA("#32770", argv[2]));
    }
    HWND frame = FindWindowA(nullptr, kTitle);
    if (frame == nullptr) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        if (!Drive(frame, argv[i])) {
            return 2;
        }
        Sleep(200);  // posted clicks are handled after this program's next send
    }
    Bounds bounds = {GetWindowThreadProcessId(frame, nullptr), {}};
    if (!IsWindow(frame) || !GetWindowRect(frame, &bounds.rect)) {
        return 0;  // closed by one of the commands
    }
    EnumWindows(AddVisibleWindow, reinterpret_cast<LPARAM>(&bounds));
    PrintGeometry(bounds.rect);
    return 0;
}
