// Meters made of cells: CellRow, one row or column lit up to a level (bar) or
// at a single position (with an optional centre mark), and CellArray,
// columns side by side with a level each (the equalizer pictures).
#pragma once

#include <vector>

#include "display_item.h"

namespace skin {

class CellRow : public DisplayItem {
public:
    // Values: type, x, y, vertical, bar, cell count, level, lit bitmap, dark
    // bitmap, centre-mark bitmap.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    int Level() const { return level_; }
    // Accepts 0 <= level < count, or level = count for a bar; repaints on change.
    void SetLevel(int level);
    void Paint(HDC dc) const override;

private:
    using DisplayItem::DisplayItem;
    bool Accepts(int level) const;

    bool vertical_ = false;
    bool bar_ = false;
    int count_ = 0;
    int level_ = 0;
    HBITMAP lit_ = nullptr;
    HBITMAP dark_ = nullptr;
    HBITMAP mark_ = nullptr;
};

class CellArray : public DisplayItem {
public:
    // Values: type, x, y, vertical, bar, columns, cells per column, lit
    // bitmap, dark bitmap.
    static std::unique_ptr<DisplayItem> Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps);

    // One level per column; levels beyond the cells are clipped at paint.
    void SetLevels(const std::vector<int>& levels);
    const std::vector<int>& Levels() const { return levels_; }
    void Paint(HDC dc) const override;

private:
    using DisplayItem::DisplayItem;

    bool vertical_ = false;
    bool bar_ = false;
    int columns_ = 0;
    int cells_ = 0;
    std::vector<int> levels_;
    HBITMAP lit_ = nullptr;
    HBITMAP dark_ = nullptr;
};

}  // namespace skin
