#include "subclass_wnd.h"

#include <map>

namespace tray {
namespace {

// Each hooked window's newest hook. Made on first use; it lives until the
// process ends.
std::map<HWND, CSubclassWnd*>& HookMap() {
    static std::map<HWND, CSubclassWnd*> hooks;
    return hooks;
}

}  // namespace

bool CSubclassWnd::Hook(HWND window) {
    if (window == nullptr || window_ != nullptr) {
        return false;
    }
    auto& hooks = HookMap();
    const auto found = hooks.find(window);
    if (found != hooks.end()) {
        next_ = found->second;
        windowProcedure_ = next_->windowProcedure_;
    } else {
        windowProcedure_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProcedure)));
        if (windowProcedure_ == nullptr) {
            return false;
        }
    }
    hooks[window] = this;
    window_ = window;
    return true;
}

void CSubclassWnd::Unhook() {
    if (window_ == nullptr) {
        return;
    }
    auto& hooks = HookMap();
    const auto found = hooks.find(window_);
    if (found != hooks.end() && found->second == this) {
        if (next_ != nullptr) {
            found->second = next_;
        } else {
            hooks.erase(found);
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProcedure_));
        }
    } else if (found != hooks.end()) {
        for (CSubclassWnd* hook = found->second; hook != nullptr; hook = hook->next_) {
            if (hook->next_ == this) {
                hook->next_ = next_;
                break;
            }
        }
    }
    window_ = nullptr;
    next_ = nullptr;
}

LRESULT CSubclassWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOn(message, wParam, lParam);
}

LRESULT CSubclassWnd::PassOn(UINT message, WPARAM wParam, LPARAM lParam) {
    if (next_ != nullptr) {
        return next_->HandleMessage(message, wParam, lParam);
    }
    if (window_ == nullptr) {
        return 0;
    }
    return CallWindowProcA(windowProcedure_, window_, message, wParam, lParam);
}

LRESULT CALLBACK CSubclassWnd::HookProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    auto& hooks = HookMap();
    const auto found = hooks.find(window);
    if (found == hooks.end()) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        // The window's last message: every hook comes off before the
        // window's own procedure sees it.
        const WNDPROC own = found->second->windowProcedure_;
        for (auto hook = found; hook != hooks.end(); hook = hooks.find(window)) {
            hook->second->Unhook();
        }
        return CallWindowProcA(own, window, message, wParam, lParam);
    }
    return found->second->HandleMessage(message, wParam, lParam);
}

}  // namespace tray
