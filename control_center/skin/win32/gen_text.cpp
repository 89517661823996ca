#include "gen_text.h"

#include "item_text.h"

namespace skin {

std::unique_ptr<DisplayItem> GenText::Create(const LayoutEntry& entry, HWND owner, int x, int y) {
    std::unique_ptr<GenText> item(new GenText(ReadNumber(entry.Key())));
    item->transparent_ = ReadFlag(entry.Value(3));
    item->font_ = ReadFont(entry.Value(4), entry.Value(5), entry.Value(6));
    item->textColour_ = ReadColour(entry.Value(7));
    item->backColour_ = ReadColour(entry.Value(8));
    item->written_ = entry.Value(9);
    if (!item->CreateItemWindow(owner, x, y, item->Measure())) {
        return nullptr;
    }
    return item;
}

Size GenText::Measure() const {
    const std::string text = ResolveText(written_);
    if (text.empty() || !font_.HasFont()) {
        return {};
    }
    const tavimo::WindowDC screen(nullptr);
    const ScopedFont selected(screen.get(), font_);
    SIZE extent = {};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx, extent.cy};
}

void GenText::Refit() {
    const Size size = Measure();
    if (size.IsEmpty()) {
        return;
    }
    RECT rect;
    GetWindowRect(m_hWnd, &rect);
    MapWindowPoints(nullptr, GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 1);
    MoveWindow(m_hWnd, rect.left, rect.top, size.width, size.height, TRUE);
}

void GenText::SetText(std::string_view written) {
    written_ = written;
    Refit();
    InvalidateRect(m_hWnd, nullptr, FALSE);
}

void GenText::Paint(HDC dc) const {
    const std::string text = ResolveText(written_);
    if (text.empty()) {
        return;
    }
    const ScopedFont selected(dc, font_);
    const COLORREF previousText = SetTextColor(dc, textColour_);
    const COLORREF previousBack = SetBkColor(dc, backColour_);
    const int previousMode = SetBkMode(dc, transparent_ ? TRANSPARENT : OPAQUE);
    TextOutA(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
    SetBkMode(dc, previousMode);
    SetBkColor(dc, previousBack);
    SetTextColor(dc, previousText);
}

LRESULT GenText::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kItemsRefresh) {
        Refit();
        return 0;
    }
    return DisplayItem::WindowProc(message, wParam, lParam);
}

}  // namespace skin
