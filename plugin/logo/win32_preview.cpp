#include "plugin/logo/win32_preview.h"

#include <vector>

#include "common/os/win32/wide.h"
#include "common/os/win32/win32_files.h"
#include "plugin/logo/bitmap.h"

namespace varnel::win32 {

bool DrawBitmapFile(const std::string& path, HWND target) {
  // The platform's loader gets only files the careful reader accepts.
  std::vector<uint8_t> bytes;
  logo::BitmapInfo info;
  Win32Files files;
  if (!files.ReadFile(path, bytes) || !logo::ReadBitmap(bytes, info)) return false;

  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, Widen(path).c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
  if (!bitmap) return false;
  BITMAP size{};
  GetObjectW(bitmap, sizeof(size), &size);
  RECT client{};
  GetClientRect(target, &client);
  HDC window = GetDC(target);
  HDC memory = CreateCompatibleDC(window);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SetStretchBltMode(window, COLORONCOLOR);
  StretchBlt(window, 0, 0, client.right, client.bottom, memory, 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(target, window);
  DeleteObject(bitmap);
  return true;
}

}  // namespace varnel::win32
