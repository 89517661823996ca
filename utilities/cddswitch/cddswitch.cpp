// cddswitch: switches digital CD audio playback on (-e) or off (-d) for every
// CD-ROM drive that Windows 98 and Me have recorded. It has no visible
// window: the work happens while its window is being created, and the
// creation is then refused.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "cd_audio_switch.h"
#include "unique_handle.h"

namespace {

constexpr char kClassName[] = "CDDAudioClass";
constexpr char kTitle[] = "CDDAudio";
constexpr char kValueName[] = "DigitalAudioPlay";

// Writes the byte to drive keys 0000, 0001, ... and stops at the first key
// that is missing or cannot be written.
void SwitchEveryDrive(std::uint8_t value) {
    for (unsigned index = 0; index <= cddswitch::kMaxDriveIndex; ++index) {
        // Opened for setting the value: a key opened for reading refuses writes.
        HKEY opened = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, cddswitch::DriveKeyPath(index).c_str(), 0,
                          KEY_SET_VALUE, &opened) != ERROR_SUCCESS) {
            return;
        }
        const tavimo::UniqueKey key(opened);
        if (RegSetValueExA(key.get(), kValueName, 0, REG_BINARY, &value, 1) != ERROR_SUCCESS) {
            return;
        }
    }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            if (const std::optional<std::uint8_t> value =
                    cddswitch::ParseSwitch(GetCommandLineA())) {
                SwitchEveryDrive(*value);
            }
            return -1;  // refuse the window: the work is done
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_NCDESTROY:
            // The last message of every window, also of one whose creation
            // was refused (which may never see WM_DESTROY).
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR /*commandLine*/, int showCommand) {
    if (previous == nullptr) {
        WNDCLASSA windowClass = {};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
    }
    HWND window = CreateWindowExA(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, 0, 0, CW_USEDEFAULT,
                                  0, nullptr, nullptr, instance, nullptr);
    if (window != nullptr) {
        ShowWindow(window, showCommand);
        UpdateWindow(window);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
