// CTrayAgentApp: the tray agent's application object. One agent runs per
// session; started with /U (or -U) it asks the running agent to close
// instead.
#pragma once

#include "app.h"
#include "headset_restore.h"
#include "instance_guard.h"
#include "language_library.h"

namespace tray {

class CTrayAgentApp : public framework::CWinApp {
public:
    explicit CTrayAgentApp(const RestoreDevices& devices);

    BOOL InitInstance() override;

private:
    RestoreDevices devices_;
    // Released last: the guard outlives the language library.
    CInstanceGuard guard_;
    LanguageLibrary language_;
};

}  // namespace tray
