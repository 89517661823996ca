// Fuzz target: any byte string as a layout text, through the reader, the
// checker, the dump and every field form of every value.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "layout_check.h"
#include "layout_doc.h"
#include "layout_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const skin::LayoutDoc doc = skin::ReadLayoutText(text);
    for (const skin::LayoutSection& section : doc.sections) {
        for (const skin::LayoutEntry& entry : section.entries) {
            if (entry.key.size() > skin::kMaxLineLength) {
                __builtin_trap();
            }
            const skin::BitmapFields bitmaps(entry.Value(0));
            for (const std::string& value : entry.values) {
                if (value.size() > skin::kMaxLineLength) {
                    __builtin_trap();
                }
                (void)skin::ReadNumber(value);
                (void)skin::ReadColour(value);
                (void)bitmaps.Read(value);
                (void)skin::ReadText(value);
            }
            (void)skin::ReadFont(entry.Value(1), entry.Value(2), entry.Value(3));
        }
    }
    (void)skin::CheckLayout(doc);
    (void)skin::DumpLayout(doc);
    return 0;
}
