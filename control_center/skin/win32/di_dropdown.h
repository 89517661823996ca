// The drop-down selector: DIDropDown shows the chosen entry in its box; a
// click opens its DropDownList, a popup of DropDownItem entries below the
// box (or above it when there is no room), and a pick is told to the frame.
#pragma once

#include <string>
#include <vector>

#include "display_item.h"
#include "layout_fields.h"

namespace skin {

class DIDropDown;

// One entry: a record drawn by the list, with no window of its own.
struct DropDownItem {
    int elementId;
    std::string written;
    RECT rect;  // in list coordinates
    FontSpec font;
};

class DropDownList : public framework::CPaintedWnd {
public:
    DropDownList(DIDropDown& box, HBITMAP entryBitmap, COLORREF text, COLORREF highlight);
    bool Create(HWND boxWindow);

    void Add(DropDownItem item) { items_.push_back(std::move(item)); }
    const std::vector<DropDownItem>& Items() const { return items_; }
    int Selected() const { return selected_; }
    // The extent of entry index's text, as shown, in the entry's font;
    // empty for an index outside the list.
    Size TextExtent(int index) const;
    void Select(int index) { selected_ = index; }

    // Lays out and shows the list under (or over) the box, holding the mouse.
    void Open(const RECT& boxOnScreen);
    // Hides the list, lets the mouse go and forgets a press or hover.
    void Close();
    void Paint(HDC dc) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int EntryAt(POINT point) const;
    void DrawEntryText(HDC dc, int index) const;
    void OnMouseMove(POINT point);
    void OnButtonDown(POINT point);
    void OnButtonUp(POINT point);
    void ReleaseMouse() const;

    DIDropDown& box_;
    HBITMAP entryBitmap_;
    COLORREF textColour_;
    COLORREF highlightColour_;
    std::vector<DropDownItem> items_;
    int selected_ = -1;
    int hover_ = -1;
    int pressed_ = -1;
    const int screenHeight_;
};

class DIDropDown : public DisplayItem {
public:
    // Values: type, x, y, box bitmap, entry bitmap, face, height, bold, text
    // colour, highlight colour.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);
    ~DIDropDown() override;

    // Adds a DropDownItem line ("id=DropDownItem,text") as an entry.
    void AttachEntry(const LayoutEntry& entry);
    // Selects the entry at index (0-based; ignored out of range) and
    // repaints; the selected index, -1 when there is no list.
    int SelectEntry(int index);
    // The selected entry's text as written; empty when none.
    std::string CurrentText() const;
    // The extent of the selected entry's text, as the box shows it, in the
    // box's font; empty when no entry is selected.
    Size TextExtent() const;
    bool IsOpen() const { return open_; }
    const DropDownList* List() const { return list_.get(); }

    void Paint(HDC dc) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using DisplayItem::DisplayItem;
    void Close();

    HBITMAP box_ = nullptr;
    HBITMAP entryBitmap_ = nullptr;
    FontSpec font_;
    COLORREF textColour_ = 0;
    COLORREF highlightColour_ = 0;
    bool open_ = false;
    std::unique_ptr<DropDownList> list_;
};

}  // namespace skin
