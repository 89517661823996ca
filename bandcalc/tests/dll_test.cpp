// BANDCALC.DLL as the control center meets it: loaded by file name, bound by
// decorated name, one band store per load.
#include <windows.h>

#include <string>

#include "bindings.h"

namespace {

TEST(BandcalcDll, BindsEveryExportByItsDecoratedName) {
    EXPECT_NO_THROW(DllBinding());
}

TEST(BandcalcDll, AnswersUnderItsOwnFileName) {
    DllBinding lib;
    HMODULE module = GetModuleHandleA(bandcalc_abi::kLibraryName);
    ASSERT_NE(module, nullptr);
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(module, path, MAX_PATH), 0u);
    std::string name = path;
    name = name.substr(name.find_last_of('\\') + 1);
    EXPECT_EQ(
        CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, name.c_str(), -1, "bandcalc.dll", -1),
        CSTR_EQUAL)
        << path;
}

TEST(BandcalcDll, UndecoratedNamesAreNotExported) {
    DllBinding lib;
    HMODULE module = GetModuleHandleA(bandcalc_abi::kLibraryName);
    for (const char* name : {"BandCalc", "BandCalc@28", "GetCof", "GetScal", "DllMain"}) {
        EXPECT_EQ(GetProcAddress(module, name), nullptr) << name;
    }
}

TEST(BandcalcDll, StoreIsSharedWithinALoadAndFreshAfterUnload) {
    {
        DllBinding first;
        ASSERT_EQ(first.BandCalc(1, 1000, 6, 1.0), 0);
        DllBinding second;  // the same loaded module, the same store
        int word = 0;
        ASSERT_EQ(second.GetScal(&word), 0);
        EXPECT_EQ(word, -32846);
    }
    DllBinding reloaded;
    int word = 0;
    ASSERT_EQ(reloaded.GetScal(&word), 0);
    EXPECT_EQ(word, -65536);
}

}  // namespace
