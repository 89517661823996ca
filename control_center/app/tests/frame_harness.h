// The control center's frame in a test, as the program starts and ends it.
#pragma once

#include "main_frame.h"

namespace frame_tests {

// Creates the frame's window with the common controls loaded, and lets it
// settle; false when the frame could not be built.
bool OpenFrame(tavimo::CMainFrame& frame);
// Destroys the frame's window, if it has one, and lets the messages settle.
void CloseFrame(tavimo::CMainFrame& frame);

}  // namespace frame_tests
