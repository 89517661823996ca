// Texts and fonts of display items: "#N" resolved in the current language,
// fonts created for one paint or measurement and deleted right after, and
// text drawn centred and transparent.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "layout_fields.h"
#include "panel_stack.h"
#include "unique_handle.h"

namespace skin {

// The text as shown: string N of the current language for "#N", otherwise
// the text as written.
std::string ResolveText(std::string_view written);

// Creates the item's font and selects it for the scope; nothing when the
// face is empty or the height 0 (the DC's current font is used then).
class ScopedFont {
public:
    ScopedFont(HDC dc, const FontSpec& spec);
    ~ScopedFont();
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;

private:
    HDC dc_;
    tavimo::UniqueFont font_;
    HGDIOBJ previous_ = nullptr;
};

// The extent of text drawn with the font (the screen's current font when
// the layout names none), measured on a screen device context; empty for an
// empty text.
Size MeasureText(const std::string& text, const FontSpec& font);

// Draws text centred in rect, transparent, in colour, with the font; the
// DC's text colour and background mode are restored afterwards.
void DrawCentredText(HDC dc, const RECT& rect, const std::string& text, COLORREF colour,
                     const FontSpec& font);

}  // namespace skin
