#include "item_harness.h"

#include "layout_doc.h"
#include "layout_fields.h"
#include "test_window.h"
#include "unique_handle.h"

namespace skin_testing {
namespace {
constexpr char kParentClass[] = "TavimoItemHarness";
}

void PrintTo(const Posted& posted, std::ostream* out) {
    *out << "{0x" << std::hex << posted.message << ", 0x" << posted.wParam << ", " << std::dec
         << posted.lParam << "}";
}

ItemHarness::ItemHarness() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kParentClass;
    RegisterClassA(&windowClass);
    parent_ = CreateWindowExA(0, kParentClass, "harness", WS_POPUP | WS_VISIBLE, 0, 0, 600, 400,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    SetWindowLongPtrA(parent_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

ItemHarness::~ItemHarness() {
    items_.clear();
    DestroyWindow(parent_);
}

std::unique_ptr<skin::DisplayItem> ItemHarness::Build(const std::string& line) {
    const std::string text = "[P]\r\n" + line + "\r\n";
    const skin::LayoutDoc doc = skin::ReadLayoutText(text);
    const skin::LayoutEntry& entry = doc.Sections().at(0).entries.at(0);
    auto item = skin::CreateDisplayItem(entry, parent_, skin::ReadNumber(entry.Value(1)),
                                        skin::ReadNumber(entry.Value(2)), bitmaps_);
    if (item) {
        item->Show(true);
    }
    return item;
}

const std::vector<Posted>& ItemHarness::Received() {
    testing_support::PumpMessages();
    return received_;
}

void ItemHarness::Click(HWND window, POINT press, POINT release) {
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    testing_support::PumpMessages();
}

void ItemHarness::PaintFace(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    const tavimo::Unique<HBRUSH, &DeleteObject> face(CreateSolidBrush(kFace));
    FillRect(dc, &client, face.get());
}

LRESULT CALLBACK ItemHarness::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ItemHarness*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        PaintFace(window, BeginPaint(window, &paint));
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_PRINTCLIENT) {
        PaintFace(window, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    if (message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (auto* item = skin::DisplayItem::FromWindow(draw->hwndItem)) {
            return item->OnDrawItem(*draw);
        }
    }
    if (message == WM_COMMAND && lParam != 0) {
        if (auto* item = skin::DisplayItem::FromWindow(reinterpret_cast<HWND>(lParam));
            item != nullptr && HIWORD(wParam) == BN_CLICKED) {
            item->OnClicked();
        }
        return 0;
    }
    if (message == WM_COMMAND || (message >= WM_USER && message < 0x8000)) {
        self->received_.push_back({message, wParam, lParam});
        if (message == WM_COMMAND && self->onCommand != nullptr) {
            self->onCommand(wParam);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace skin_testing
