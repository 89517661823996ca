// A parent window for display items under test: it paints a plain face,
// reflects control notifications to the items as the frame does, and
// records every message the items post to it.
#pragma once

#include <windows.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "display_item.h"

namespace skin_testing {

struct Posted {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Posted&) const = default;
};
// How a test failure shows a message.
void PrintTo(const Posted& posted, std::ostream* out);

class ItemHarness {
public:
    // The colour the parent paints its whole client area with.
    static constexpr COLORREF kFace = RGB(0, 0, 128);

    ItemHarness();
    ~ItemHarness();
    ItemHarness(const ItemHarness&) = delete;
    ItemHarness& operator=(const ItemHarness&) = delete;

    HWND Parent() const { return parent_; }
    // Builds an item from one element line, shown, at its layout position.
    template <typename Item>
    Item* Add(const std::string& line) {
        auto item = Build(line);
        auto* typed = dynamic_cast<Item*>(item.get());
        if (typed != nullptr) {
            items_.push_back(std::move(item));
        }
        return typed;
    }
    // Messages posted to the parent so far (after dispatching what is queued).
    const std::vector<Posted>& Received();
    void Clear() { received_.clear(); }

    // A called-back hook for every WM_COMMAND that reaches the parent.
    void (*onCommand)(WPARAM) = nullptr;

    // The left button pressed at point of window and released at release
    // (both in window coordinates), as the mouse would.
    static void Click(HWND window, POINT press, POINT release);

private:
    std::unique_ptr<skin::DisplayItem> Build(const std::string& line);
    static LRESULT CALLBACK ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void PaintFace(HWND window, HDC dc);

    HWND parent_;
    skin::BitmapCache bitmaps_;  // outlives the items
    std::vector<std::unique_ptr<skin::DisplayItem>> items_;
    std::vector<Posted> received_;
};

}  // namespace skin_testing
