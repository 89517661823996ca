// A folder of the temp directory for a test's files, emptied and removed
// at the end, and recognisable file contents to put in it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace testing_support {

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // The folder with a trailing backslash, as the product's directory is.
    const std::string& Path() const { return path_; }
    void Write(const std::string& name, const std::vector<BYTE>& bytes) const;
    void MakeFolder(const std::string& name) const;

private:
    std::string path_;
};

// size bytes counting up in steps of 7 from seed.
std::vector<BYTE> Pattern(std::size_t size, BYTE seed = 1);

}  // namespace testing_support
