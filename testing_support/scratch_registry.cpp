#include "scratch_registry.h"

#include <gtest/gtest.h>

#include "test_registry.h"

namespace testing_support {
namespace {

constexpr char kScratchRoot[] = "Software\\TavimoTests\\";

}  // namespace

ScratchRegistry::ScratchRegistry(HKEY predefined)
    : predefined_(predefined),
      scratchPath_(kScratchRoot + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(reinterpret_cast<ULONG_PTR>(predefined))) {
    DeleteKeyTree(HKEY_CURRENT_USER, scratchPath_.c_str());
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, scratchPath_.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &scratch_, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegOverridePredefKey(predefined_, scratch_), ERROR_SUCCESS);
}

ScratchRegistry::~ScratchRegistry() {
    RegOverridePredefKey(predefined_, nullptr);
    RegCloseKey(scratch_);
    DeleteKeyTree(HKEY_CURRENT_USER, scratchPath_.c_str());
}

void ScratchRegistry::Set(const std::string& path, const char* name, DWORD type, const void* data,
                          DWORD size) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(scratch_, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void ScratchRegistry::SetString(const std::string& path, const char* name,
                                const std::string& text) const {
    Set(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void ScratchRegistry::CreateKey(const std::string& path) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(scratch_, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void ScratchRegistry::DeleteKey(const std::string& path) const {
    DeleteKeyTree(scratch_, path.c_str());
}

}  // namespace testing_support
