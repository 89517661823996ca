#include "resource_source.h"

namespace framework {
namespace {
HINSTANCE g_source = nullptr;
}

HINSTANCE ResourceSource() {
    return g_source != nullptr ? g_source : GetModuleHandleA(nullptr);
}

void SetResourceSource(HINSTANCE module) {
    g_source = module;
}

}  // namespace framework
