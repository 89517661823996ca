#include "item_text.h"

#include "language_table.h"

namespace skin {

std::string ResolveText(std::string_view written) {
    const TextRef ref = ReadText(written);
    return ref.isStringId ? tavimo::Languages().Text(ref.stringId) : std::string(ref.literal);
}

ScopedFont::ScopedFont(HDC dc, const FontSpec& spec) : dc_(dc) {
    if (!spec.HasFont()) {
        return;
    }
    font_.reset(CreateFontA(-spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_DONTCARE, FALSE, FALSE,
                            FALSE, 0, 0, 0, 0, 0, spec.face.c_str()));
    if (font_) {
        previous_ = SelectObject(dc_, font_.get());
    }
}

ScopedFont::~ScopedFont() {
    if (previous_ != nullptr) {
        SelectObject(dc_, previous_);
    }
}

Size MeasureText(const std::string& text, const FontSpec& font) {
    if (text.empty()) {
        return {};
    }
    const tavimo::WindowDC screen(nullptr);
    const ScopedFont selected(screen.get(), font);
    SIZE extent = {};
    GetTextExtentPoint32A(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return {extent.cx, extent.cy};
}

void DrawCentredText(HDC dc, const RECT& rect, const std::string& text, COLORREF colour,
                     const FontSpec& font) {
    if (text.empty()) {
        return;
    }
    const ScopedFont selected(dc, font);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const COLORREF previousColour = SetTextColor(dc, colour);
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, rect.left + (rect.right - rect.left - extent.cx) / 2,
             rect.top + (rect.bottom - rect.top - extent.cy) / 2, text.c_str(),
             static_cast<int>(text.size()));
    SetBkMode(dc, previousMode);
    if (previousColour != CLR_INVALID) {
        SetTextColor(dc, previousColour);
    }
}

}  // namespace skin
