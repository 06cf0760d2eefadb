#pragma once
// The preview of a logo: a bitmap file drawn stretched over a window's client area.

#include <windows.h>

#include <string>

namespace varnel::win32 {

// Draws the file over the whole client rectangle of target (the aspect ratio is not
// kept). A file the bitmap reader refuses is not drawn; false then.
bool DrawBitmapFile(const std::string& path, HWND target);

}  // namespace varnel::win32
