#include "cell_meters.h"

#include <algorithm>

#include "saturating.h"
#include "skin_bitmap.h"

namespace skin {
namespace {

// Counts from the layout are bounded, which keeps painting short; a count
// times a cell size saturates.
constexpr int kMaxCells = 1000;

int ReadCount(std::string_view field) {
    return std::clamp(ReadNumber(field), 0, kMaxCells);
}

}  // namespace

std::unique_ptr<DisplayItem> CellRow::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                             BitmapCache& bitmaps) {
    std::unique_ptr<CellRow> item(new CellRow(ReadNumber(entry.Key())));
    item->vertical_ = ReadFlag(entry.Value(3));
    item->bar_ = ReadFlag(entry.Value(4));
    item->count_ = ReadCount(entry.Value(5));
    const BitmapFields fields(entry.Value(7));
    item->lit_ = bitmaps.Get(fields.Read(entry.Value(7)));
    item->dark_ = bitmaps.Get(fields.Read(entry.Value(8)));
    item->mark_ = bitmaps.Get(fields.Read(entry.Value(9)));
    if (const int level = ReadNumber(entry.Value(6)); item->Accepts(level)) {
        item->level_ = level;
    }
    const Size cell = BitmapSize(item->dark_);
    const Size size = item->vertical_
                          ? Size{cell.width, SaturatingMultiply(cell.height, item->count_)}
                          : Size{SaturatingMultiply(cell.width, item->count_), cell.height};
    if (!item->CreateItemWindow(owner, x, y, size)) {
        return nullptr;
    }
    return item;
}

bool CellRow::Accepts(int level) const {
    return (level >= 0 && level < count_) || (bar_ && level == count_);
}

void CellRow::SetLevel(int level) {
    if (Accepts(level) && level != level_) {
        level_ = level;
        Redraw();
    }
}

void CellRow::Paint(HDC dc) const {
    if (lit_ == nullptr || dark_ == nullptr) {
        return;
    }
    const Size cell = BitmapSize(dark_);
    // Cell i's top-left corner; bars fill a column from the bottom up.
    const auto at = [&](int i) {
        return vertical_ ? POINT{0, SaturatingMultiply(i, cell.height)}
                         : POINT{SaturatingMultiply(i, cell.width), 0};
    };
    for (int i = 0; i < count_; ++i) {
        DrawBitmap(dc, dark_, at(i).x, at(i).y);
    }
    if (bar_) {
        for (int i = 0; i < level_; ++i) {
            const POINT p = vertical_ ? at(count_ - 1 - i) : at(i);
            DrawBitmap(dc, lit_, p.x, p.y);
        }
        return;
    }
    // Single cell. Vertical rows count from the bottom, like bars, so that
    // every accepted level lights a cell inside the row.
    const POINT p = vertical_ ? at(count_ - 1 - level_) : at(level_);
    if (mark_ != nullptr && level_ == count_ / 2) {
        // The mark's right (bottom) edge lines up with the cell's.
        const Size mark = BitmapSize(mark_);
        DrawBitmap(dc, mark_, vertical_ ? p.x : p.x - (mark.width - cell.width),
                   vertical_ ? p.y - (mark.height - cell.height) : p.y);
    } else {
        DrawBitmap(dc, lit_, p.x, p.y);
    }
}

std::unique_ptr<DisplayItem> CellArray::Create(const LayoutEntry& entry, HWND owner, int x, int y,
                                               BitmapCache& bitmaps) {
    std::unique_ptr<CellArray> item(new CellArray(ReadNumber(entry.Key())));
    item->vertical_ = ReadFlag(entry.Value(3));
    item->bar_ = ReadFlag(entry.Value(4));
    item->columns_ = ReadCount(entry.Value(5));
    item->cells_ = ReadCount(entry.Value(6));
    item->levels_.assign(static_cast<std::size_t>(item->columns_), 0);
    const BitmapFields fields(entry.Value(7));
    item->lit_ = bitmaps.Get(fields.Read(entry.Value(7)));
    item->dark_ = bitmaps.Get(fields.Read(entry.Value(8)));
    const Size cell = BitmapSize(item->dark_);
    const Size size = item->vertical_ ? Size{SaturatingMultiply(cell.width, item->columns_),
                                             SaturatingMultiply(cell.height, item->cells_)}
                                      : Size{SaturatingMultiply(cell.width, item->cells_),
                                             SaturatingMultiply(cell.height, item->columns_)};
    if (!item->CreateItemWindow(owner, x, y, size)) {
        return nullptr;
    }
    return item;
}

void CellArray::SetLevels(const std::vector<int>& levels) {
    for (std::size_t c = 0; c < levels_.size() && c < levels.size(); ++c) {
        levels_[c] = levels[c];
    }
    Redraw();
}

void CellArray::Paint(HDC dc) const {
    if (lit_ == nullptr || dark_ == nullptr) {
        return;
    }
    const Size cell = BitmapSize(dark_);
    for (int c = 0; c < columns_; ++c) {
        // Cell i of column c, counted from the column's base.
        const auto at = [&](int i) {
            return vertical_ ? POINT{SaturatingMultiply(c, cell.width),
                                     SaturatingMultiply(cells_ - 1 - i, cell.height)}
                             : POINT{SaturatingMultiply(i, cell.width),
                                     SaturatingMultiply(c, cell.height)};
        };
        for (int i = 0; i < cells_; ++i) {
            DrawBitmap(dc, dark_, at(i).x, at(i).y);
        }
        // Levels outside the column are clipped to it: a bar fills at most
        // the column, a single cell outside it shows nothing.
        const int level = levels_[static_cast<std::size_t>(c)];
        if (bar_) {
            for (int i = 0; i < std::min(level, cells_); ++i) {
                DrawBitmap(dc, lit_, at(i).x, at(i).y);
            }
        } else if (level >= 0 && level < cells_) {
            DrawBitmap(dc, lit_, at(level).x, at(level).y);
        }
    }
}

}  // namespace skin
