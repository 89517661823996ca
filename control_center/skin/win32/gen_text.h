// GenText: a label that sizes itself to its text (captions, and values the
// program fills in). An opaque label fills its window with its background
// colour; a transparent one shows its parent's face beneath the text.
#pragma once

#include <string>

#include "display_item.h"
#include "layout_fields.h"

namespace skin {

class GenText : public DisplayItem {
public:
    // Values: type, x, y, transparent, face, height, bold, text colour,
    // background colour, text.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    // Replaces the text and fits the window to it.
    void SetText(std::string_view written);
    const std::string& Text() const { return written_; }
    // The text as shown: a "#id" reference in the current language.
    std::string ShownText() const;

    void Paint(HDC dc) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    using DisplayItem::DisplayItem;
    // The text's extent in the item's font; empty when it cannot be measured.
    Size Measure() const;
    void Refit();

    std::string written_;
    FontSpec font_;
    bool transparent_ = false;
    COLORREF textColour_ = 0;
    COLORREF backColour_ = 0;
};

}  // namespace skin
