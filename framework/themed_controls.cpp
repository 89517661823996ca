#include "themed_controls.h"

#include "unique_handle.h"

namespace framework {
namespace {

// The manifest resource that a program or library carries for activation
// contexts of its own (ISOLATIONAWARE_MANIFEST_RESOURCE_ID).
constexpr WORD kControlsManifestId = 2;

using UniqueActivationContext = tavimo::Unique<HANDLE, &ReleaseActCtx>;

UniqueActivationContext MakeControlsContext() {
    const HMODULE program = GetModuleHandleA(nullptr);
    if (FindResourceA(program, MAKEINTRESOURCEA(kControlsManifestId), RT_MANIFEST) == nullptr) {
        return UniqueActivationContext();
    }
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(program, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return UniqueActivationContext();
    }
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.lpSource = path;
    request.lpResourceName = MAKEINTRESOURCEA(kControlsManifestId);
    request.hModule = program;
    const HANDLE context = CreateActCtxA(&request);
    return UniqueActivationContext(context != INVALID_HANDLE_VALUE ? context : nullptr);
}

// Made at the first scope and kept until the program ends.
HANDLE ControlsContext() {
    static const UniqueActivationContext context = MakeControlsContext();
    return context.get();
}

}  // namespace

ThemedControls::ThemedControls() {
    if (const HANDLE context = ControlsContext()) {
        active_ = ActivateActCtx(context, &cookie_) != FALSE;
    }
}

ThemedControls::~ThemedControls() {
    if (active_) {
        DeactivateActCtx(0, cookie_);
    }
}

}  // namespace framework
