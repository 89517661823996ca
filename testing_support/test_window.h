// Helpers for tests of windows: an owner window, a message pump, a bitmap
// file written on the fly, and rendering into a DIB to read pixels back.
#pragma once

#include <windows.h>

#include <cstdint>
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

// The first visible dialog of this thread; null when none shows.
HWND ShownDialog();

// A window's text; empty for no window.
std::string WindowText(HWND window);

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
