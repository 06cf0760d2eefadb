#pragma once
// The key filter of a command edit box: only hexadecimal digits, the space and a few
// editing characters reach the box, and Tab moves on to the next control. Installed on
// the box when its dialog opens; it removes itself when the box is destroyed.

#include <windows.h>

namespace varnel::plugin {

void InstallCommandEditFilter(HWND edit);

}  // namespace varnel::plugin
