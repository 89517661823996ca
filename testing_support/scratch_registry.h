// Redirects a predefined registry key (HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER) of this process to an empty scratch key for the life of
// the object, so that a test sees only what it wrote itself.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

class ScratchRegistry {
public:
    explicit ScratchRegistry(HKEY predefined);
    ~ScratchRegistry();
    ScratchRegistry(const ScratchRegistry&) = delete;
    ScratchRegistry& operator=(const ScratchRegistry&) = delete;

    // Writes a value of any type below the redirected key, creating the key.
    void Set(const std::string& path, const char* name, DWORD type, const void* data,
             DWORD size) const;
    void SetString(const std::string& path, const char* name, const std::string& text) const;
    void CreateKey(const std::string& path) const;
    void DeleteKey(const std::string& path) const;

private:
    HKEY predefined_;
    std::string scratchPath_;
    HKEY scratch_ = nullptr;
};

}  // namespace testing_support
