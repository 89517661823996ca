// Helpers for tests of windows: an owner window, a message pump, a bitmap
// file written on the fly, and rendering into a DIB to read pixels back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// A plain top-level window to own display items.
class OwnerWindow {
public:
    OwnerWindow();
    ~OwnerWindow();
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

// Dispatches the thread's pending messages.
void PumpMessages();

// Dispatches this thread's messages until done() holds or a generous safety
// limit passes (so that a hang fails its test rather than the run); done()'s
// last answer.
bool WaitPumping(const std::function<bool()>& done);

// The first visible dialog of this thread; null when none shows.
HWND ShownDialog();

// A window's text; empty for no window.
std::string WindowText(HWND window);

// The first top-level window of process processId whose class is windowClass
// (null: any) and caption title (null: any), visible ones only when asked.
HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* title,
                       bool visibleOnly);

// The number of child windows of parent.
int CountChildren(HWND parent);

// Writes a 24-bit BMP of one colour (0x00BBGGRR) to a file in the temp folder.
std::string WriteBitmapFile(const char* name, int width, int height, COLORREF colour);

// A 32-bit top-down DIB section with a memory DC, for painting into.
class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return dc_; }
    // The pixel as 0x00BBGGRR.
    COLORREF Pixel(int x, int y) const;
    // Copies what window shows from (x, y) of its client area onward, read
    // back from its window DC (which keeps its pixels under the null driver).
    void CopyFrom(HWND window, int x, int y);

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    std::uint32_t* bits_ = nullptr;
};

}  // namespace testing_support
