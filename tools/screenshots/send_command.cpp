// send_command: sends WM_COMMAND with each id given to the running control
// center (for screenshots of its views), then prints the window's rectangle
// as an X geometry, WIDTHxHEIGHT+LEFT+TOP.
//   send_command [ID...]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    HWND center = FindWindowA(nullptr, "Tavimo Audio Control Center");
    if (center == nullptr) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const long id = std::strtol(argv[i], nullptr, 10);
        if (id <= 0 || id > 0xFFFF) {
            return 2;
        }
        SendMessageA(center, WM_COMMAND, static_cast<WPARAM>(id), 0);
    }
    RECT r;
    if (!IsWindow(center) || !GetWindowRect(center, &r)) {
        return 0;  // closed by one of the commands
    }
    std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
    return 0;
}
