// The applet object: one per loaded applet library. It answers the Control
// Panel's messages for the one applet the library offers, "Tavimo".
#pragma once

#include <windows.h>

#include <cpl.h>

#include <functional>

#include "applet_rules.h"
#include "hid_api.h"

namespace applet {

class CPanelApp {
public:
    // Resources (icon, texts, dialog) come from resources; the headset is
    // reached through hid; readOsVersion records the system at CPL_INIT.
    CPanelApp(HINSTANCE resources, devices::HidApi& hid,
              std::function<OsVersionRecord()> readOsVersion);

    // One message of the Control Panel, answered as CPlApplet answers it.
    LONG OnMessage(UINT message, LPARAM lParam1, LPARAM lParam2);

private:
    void Inquire(CPLINFO* info) const;
    void NewInquire(NEWCPLINFOA* info) const;
    void RunDialog() const;

    HINSTANCE resources_;
    devices::HidApi& hid_;
    std::function<OsVersionRecord()> readOsVersion_;
    OsVersionRecord os_;
};

}  // namespace applet
