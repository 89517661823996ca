// layout_check: reports every problem that the control center's layout
// loader would meet in a layout text, one per line with its line number.
//
//   layout_check [--dump] FILE...
//
// --dump also prints the parsed sections and entries. Exit code 0 when no
// file has a problem, 1 when one has, 2 when a file cannot be read.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "layout_check.h"
#include "layout_doc.h"

namespace {

// The checked texts are resources of at most a few kilobytes.
constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

bool ReadFile(const char* path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad() && text.size() <= kMaxFileSize;
}

}  // namespace

int main(int argc, char** argv) {
    bool dump = false;
    int status = 0;
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dump") == 0) {
            dump = true;
            continue;
        }
        ++files;
        std::string text;
        if (!ReadFile(argv[i], text)) {
            std::fprintf(stderr, "%s: cannot read\n", argv[i]);
            status = 2;
            continue;
        }
        const skin::LayoutDoc doc = skin::ReadLayoutText(text);
        if (dump) {
            std::fputs(skin::DumpLayout(doc).c_str(), stdout);
        }
        for (const skin::LayoutProblem& problem : skin::CheckLayout(doc)) {
            std::printf("%s:%d: %s\n", argv[i], problem.line, problem.text.c_str());
            status = status == 0 ? 1 : status;
        }
    }
    if (files == 0) {
        std::fprintf(stderr, "usage: layout_check [--dump] FILE...\n");
        return 2;
    }
    return status;
}
