// Every problem the loader would meet in a layout text, with its line, for
// skin authors (the loader itself stops at the first one that fails it).
#pragma once

#include <functional>
#include <string_view>

#include "layout_doc.h"

namespace skin {

// Reports the problems of doc one by one, in the order the loader would meet
// them; what is taken from the layout is shown escaped as DumpLayout shows
// it. The reader's notes (ReadLayoutText's onNote) come before these.
void CheckLayout(const LayoutDoc& doc, const LineReport& report);

// The parsed sections and entries in a stable form, one line (without its
// line end) per call of write: the section name in brackets, then each
// entry's key and every value in brackets (so empty values show). Control
// characters and backslashes are escaped.
void DumpLayout(const LayoutDoc& doc, const std::function<void(std::string_view line)>& write);

}  // namespace skin
