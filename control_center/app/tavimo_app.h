// The control center's application object: one running control center per
// desktop.
#pragma once

#include "app.h"

namespace tavimo {

// Caption by which the running control center is found (string 57344).
inline constexpr UINT kApplicationTitleId = 57344;

class CTavimoApp : public framework::CWinApp {
public:
    BOOL InitInstance() override;
};

}  // namespace tavimo
