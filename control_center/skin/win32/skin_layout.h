// A loaded layout: its panels stacked in the main frame, their control sets
// of display items, and the panel configurations (full, reduced, mini).
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "display_item.h"
#include "layout_doc.h"
#include "panel_stack.h"
#include "skin_bitmap.h"

namespace skin {

class DITabCtl;
class DIDropDown;

// The items of one control set; every position is relative to the panel.
struct ControlSet {
    int number = 1;
    std::vector<std::unique_ptr<DisplayItem>> items;
    // The latest tab strip and drop-down, which the following tabs and
    // entries attach to.
    DITabCtl* tabStrip = nullptr;
    DIDropDown* dropDown = nullptr;

    void Show(bool show) const;
};

class SkinPanel {
public:
    // Builds the panel from its section at load-time origin y; false when it
    // has no usable size. Items are created hidden, as children of owner;
    // the background and the items' bitmaps come from the layout's cache.
    bool Build(const LayoutSection& section, int id, HWND owner, int originY, BitmapCache& bitmaps);

    int Id() const { return id_; }
    Size GetSize() const { return size_; }
    HBITMAP Background() const { return background_; }
    bool IsShown() const { return shown_; }
    int CurrentControlSet() const { return currentSet_; }
    // Shows or hides the current set's items when the flag changes.
    void SetShown(bool shown);
    // Hides the current set, shows set number (even while the panel itself
    // is hidden) and makes it current.
    void SwitchControlSet(int number);
    template <typename Visit>
    void ForEachItem(Visit visit) const {
        for (const ControlSet& set : sets_) {
            for (const auto& item : set.items) {
                visit(*item);
            }
        }
    }

private:
    ControlSet* FindSet(int number);
    void AddSet(ControlSet set);
    void AddElement(ControlSet& set, const LayoutEntry& entry, HWND owner, int originY,
                    BitmapCache& bitmaps);

    int id_ = 0;
    Size size_;
    bool shown_ = false;
    int currentSet_ = -1;
    HBITMAP background_ = nullptr;  // none when the panel was sized by "size"
    std::vector<ControlSet> sets_;
};

// The text of the program's LAYOUT resource id; empty when it is missing.
std::string_view LayoutResourceText(int resourceId);

class SkinLayout {
public:
    explicit SkinLayout(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    // Destroys what was loaded and loads LAYOUT resource id of the program;
    // false when the layout cannot be built (the layout is then empty).
    bool Load(int resourceId);
    // Loads a layout text directly (what Load does after finding the resource).
    bool LoadText(std::string_view text);
    void Clear();

    int SelectConfig(int index);
    int NextConfig();
    bool SwitchControlSet(int panelId, int setNumber);
    Size BoundingSize() const { return stack_.BoundingSize(); }
    int HitTest(POINT point) const { return stack_.HitTest(point.x, point.y); }
    void Paint(HDC dc) const;
    // The windows of every item, panel by panel and set by set, in the
    // order in which they were made.
    std::vector<HWND> ItemWindows() const;
    // Tells every item of every set of every panel to re-read its texts.
    void RefreshTexts() const;

    const std::vector<std::unique_ptr<SkinPanel>>& Panels() const { return panels_; }

private:
    void Apply();

    HWND owner_;
    // Declared before the panels, so that it outlives their items.
    BitmapCache bitmaps_;
    std::vector<std::unique_ptr<SkinPanel>> panels_;
    PanelStack stack_;
};

}  // namespace skin
