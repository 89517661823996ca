// layout_check: reports every problem that the control center's layout
// loader would meet in a layout text, one per line with its line number.
//
//   layout_check [--dump] FILE...
//
// --dump also prints the parsed sections and entries. Exit code 0 when no
// file has a problem, 1 when one has, 2 when a file cannot be read.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "layout_check.h"
#include "layout_doc.h"

namespace {

// Layout texts are resources of a few kilobytes; this leaves room for
// generated ones while bounding what a wrong argument (a disk image, a
// device) can cost.
constexpr std::size_t kMaxFileSize = 16 * 1024 * 1024;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// The whole file at path in text; false with the reason when it cannot be
// read.
bool ReadFile(const char* path, std::string& text, std::string& reason) {
    const File file(std::fopen(path, "rb"), &std::fclose);
    if (!file) {
        reason = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size <= kMaxFileSize) {
        text.reserve(static_cast<std::size_t>(size));
    }
    // Read one byte past the limit to tell a file that is too large, also
    // where the size is not known in advance (pipes, devices).
    char chunk[64 * 1024];
    while (text.size() <= kMaxFileSize) {
        const std::size_t read = std::fread(chunk, 1, sizeof chunk, file.get());
        text.append(chunk, read);
        if (read < sizeof chunk) {
            break;
        }
    }
    if (std::ferror(file.get())) {
        reason = std::string("cannot read: ") + std::strerror(errno);
        return false;
    }
    if (text.size() > kMaxFileSize) {
        reason = "cannot read: larger than " + std::to_string(kMaxFileSize) + " bytes";
        return false;
    }
    return true;
}

void PrintLine(std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

// Checks one file; its exit code.
int CheckFile(const char* path, bool dump) {
    std::string text;
    std::string reason;
    if (!ReadFile(path, text, reason)) {
        std::fprintf(stderr, "%s: %s\n", path, reason.c_str());
        return 2;
    }
    int status = 0;
    const skin::LineReport report = [&](int line, std::string_view problem) {
        std::printf("%s:%d: ", path, line);
        PrintLine(problem);
        status = 1;
    };
    const skin::LayoutDoc doc = skin::ReadLayoutText(text, nullptr, report);
    if (dump) {
        skin::DumpLayout(doc, PrintLine);
    }
    skin::CheckLayout(doc, report);
    return status;
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
        const int fileStatus = CheckFile(argv[i], dump);
        status = fileStatus > status ? fileStatus : status;
    }
    if (files == 0) {
        std::fprintf(stderr, "usage: layout_check [--dump] FILE...\n");
        return 2;
    }
    return status;
}
