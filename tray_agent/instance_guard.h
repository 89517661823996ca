// CInstanceGuard: one running agent per session. The first instance holds
// a named mutex and registers a window class of the same name; a later
// instance finds the mutex taken, brings forward a window of that class if
// there is one, and gives up.
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

namespace tray {

class CInstanceGuard {
public:
    // The name is the first line of string resourceId of the program's own
    // file (or "Tavimo tray app") and the agent's class suffix.
    explicit CInstanceGuard(UINT resourceId);
    ~CInstanceGuard();
    CInstanceGuard(const CInstanceGuard&) = delete;
    CInstanceGuard& operator=(const CInstanceGuard&) = delete;

    // true when this is the only instance. A failed class registration is
    // reported in a message box and fails too.
    bool Guard();
    // Lets a new instance start: the mutex is released and the class
    // unregistered.
    void Release();

private:
    std::string name_;
    tavimo::UniqueHandle mutex_;
    bool registered_ = false;
};

}  // namespace tray
