// Every problem the loader would meet in a layout text, with its line, for
// skin authors (the loader itself stops at the first one that fails it).
#pragma once

#include <string>
#include <vector>

#include "layout_doc.h"

namespace skin {

struct LayoutProblem {
    int line;  // 0 when the problem is the absence of something
    std::string text;
};

std::vector<LayoutProblem> CheckLayout(const LayoutDoc& doc);

// The parsed sections and entries, one per line, in a stable form: the
// section name in brackets, then each entry's key and every value in
// brackets (so empty values show). Control characters are escaped.
std::string DumpLayout(const LayoutDoc& doc);

}  // namespace skin
