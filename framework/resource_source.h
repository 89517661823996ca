// The module the framework loads its resources from (frame captions and
// icons, dialog templates): the program's own file unless another module
// that holds them was set, such as a language library or a library that
// runs inside another program.
#pragma once

#include <windows.h>

namespace framework {

HINSTANCE ResourceSource();
// Null makes the program's own file the source again. The caller keeps the
// module loaded while it is the source.
void SetResourceSource(HINSTANCE module);

}  // namespace framework
