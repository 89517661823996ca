#include "test_window.h"

#include <fstream>

namespace testing_support {

OwnerWindow::OwnerWindow()
    : window_(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr)) {}

OwnerWindow::~OwnerWindow() {
    DestroyWindow(window_);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

namespace {

BOOL CALLBACK NoteShownDialog(HWND window, LPARAM found) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND ShownDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), NoteShownDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string WindowText(HWND window) {
    char text[2048] = {};
    if (window != nullptr) {
        GetWindowTextA(window, text, sizeof text);
    }
    return text;
}

bool WaitPumping(const std::function<bool()>& done) {
    constexpr DWORD kSafetyLimitMs = 20000;
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > kSafetyLimitMs) {
            return done();
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

namespace {

struct WindowSearch {
    DWORD processId;
    const char* windowClass;
    const char* title;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    if (processId == search.processId &&
        (search.windowClass == nullptr || std::string(className) == search.windowClass) &&
        (search.title == nullptr || std::string(title) == search.title) &&
        (!search.visibleOnly || IsWindowVisible(window))) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const char* windowClass, const char* title,
                       bool visibleOnly) {
    WindowSearch search = {processId, windowClass, title, visibleOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {
BOOL CALLBACK CountOne(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}
}  // namespace

int CountChildren(HWND parent) {
    int count = 0;
    EnumChildWindows(parent, CountOne, reinterpret_cast<LPARAM>(&count));
    return count;
}

std::string WriteBitmapFile(const char* name, int width, int height, COLORREF colour) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + name;
    const int stride = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height);
    std::vector<char> row(static_cast<std::size_t>(stride), 0);
    for (int x = 0; x < width; ++x) {
        row[static_cast<std::size_t>(x * 3)] = static_cast<char>(GetBValue(colour));
        row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>(GetGValue(colour));
        row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(GetRValue(colour));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = 0; y < height; ++y) {
        out.write(row.data(), stride);
    }
    return path;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void Canvas::CopyFrom(HWND window, int x, int y) {
    const HDC source = GetDC(window);
    BitBlt(dc_, 0, 0, width_, height_, source, x, y, SRCCOPY);
    ReleaseDC(window, source);
}

COLORREF Canvas::Pixel(int x, int y) const {
    GdiFlush();
    const std::uint32_t bgrx = bits_[y * width_ + x];
    return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
}

}  // namespace testing_support
