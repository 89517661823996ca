// The tab strip: DITabCtl lays out its TabItems side by side, keeps one of
// them selected and tells the frame which tab was clicked.
#pragma once

#include <string>
#include <vector>

#include "display_item.h"
#include "layout_fields.h"

namespace skin {

class DITabCtl;

class TabItem : public DisplayItem {
public:
    // Values: type, text.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    bool IsSelected() const { return selected_; }
    COLORREF CurrentColour() const { return colour_; }
    // The tab's text as shown: a "#id" reference in the current language.
    std::string ShownText() const;
    // The extent of the shown text in the tab's font.
    Size TextExtent() const;
    void Paint(HDC dc) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class DITabCtl;
    using DisplayItem::DisplayItem;
    void OnMouseMove(POINT point);
    void OnButtonUp(POINT point);
    bool Inside(POINT point) const;
    void SetColour(COLORREF colour);
    void SetSelected(bool selected);

    std::string written_;
    FontSpec font_;
    DITabCtl* strip_ = nullptr;  // none until attached to a strip with a font
    HBITMAP selectedBitmap_ = nullptr;
    HBITMAP normalBitmap_ = nullptr;
    COLORREF selectedColour_ = 0, normalColour_ = 0, hoverColour_ = 0;
    COLORREF colour_ = 0;  // black until selected or hovered
    bool selected_ = false;
    bool hover_ = false;
    bool pressed_ = false;
};

class DITabCtl : public DisplayItem {
public:
    // Values: type, x, y, width, height, selected bitmap, normal bitmap, face,
    // height, bold, selected colour, normal colour, further colour, hover colour.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    void AttachTab(TabItem& tab);
    void SelectTab(int index);
    // Places the tabs side by side from the strip's corner.
    void LayOutTabs();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using DisplayItem::DisplayItem;

    POINT corner_ = {};
    HBITMAP selectedBitmap_ = nullptr;
    HBITMAP normalBitmap_ = nullptr;
    FontSpec font_;
    COLORREF selectedColour_ = 0, normalColour_ = 0, hoverColour_ = 0;
    std::vector<TabItem*> tabs_;  // owned by the control set
    int current_ = -1;
};

}  // namespace skin
