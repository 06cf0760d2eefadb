#include "plugin/logo/win32_bitmap_library.h"

#include <string>

#include "common/os/win32/wide.h"

namespace varnel::win32 {

namespace {

// The library's path buffers: 256 bytes for the source, 260 for the destination.
constexpr size_t kSourceBytes = 256;
constexpr size_t kDestinationBytes = MAX_PATH;

Status LastError(const std::string& what) {
  const DWORD code = GetLastError();
  return Status::Fail(code ? code : ERROR_MOD_NOT_FOUND, what);
}

// A path in the system code page, or false when it does not fit or would lose characters.
bool ToSystemCodePage(const std::string& utf8, size_t buffer, std::string& ansi) {
  const std::wstring wide = Widen(utf8);
  BOOL lossy = FALSE;
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
  if (length <= 1 || size_t(length) > buffer || lossy) return false;
  ansi.assign(size_t(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), length, nullptr, nullptr);
  ansi.resize(size_t(length) - 1);
  return true;
}

}  // namespace

Status Win32BitmapLibrary::Load() {
  Unload();
  char windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return LastError("GetWindowsDirectory");
  const std::string path = std::string(windows) + "\\System32\\" + "Pixmill.dll";

  ULONG_PTR cookie = 0;
  const bool activated = context_ != INVALID_HANDLE_VALUE && context_ && ActivateActCtx(context_, &cookie);
  module_ = LoadLibraryA(path.c_str());
  const Status loaded = module_ ? Status::Ok() : LastError("LoadLibrary " + path);
  if (activated) DeactivateActCtx(0, cookie);
  if (!loaded) return loaded;

  halftone_ = reinterpret_cast<HalftoneProc>(reinterpret_cast<void*>(GetProcAddress(module_, "BmpHalftoneProc")));
  gray_ = reinterpret_cast<GrayProc>(reinterpret_cast<void*>(GetProcAddress(module_, "BmpGrayProc")));
  if (!halftone_ || !gray_) {
    Unload();
    return Status::Fail(ERROR_PROC_NOT_FOUND, "GetProcAddress " + path);
  }
  return Status::Ok();
}

int32_t Win32BitmapLibrary::Halftone(const std::string& source, uint32_t method, int32_t contrast,
                                     int32_t brightness, const std::string& destination) {
  std::string from, to;
  if (!halftone_) return ERROR_INVALID_FUNCTION;
  if (!ToSystemCodePage(source, kSourceBytes, from) || !ToSystemCodePage(destination, kDestinationBytes, to)) {
    return kPathNotPassable;
  }
  return halftone_(from.c_str(), method, contrast, brightness, to.c_str());
}

int32_t Win32BitmapLibrary::Gray(const std::string& source, int32_t contrast, int32_t brightness,
                                 const std::string& destination) {
  std::string from, to;
  if (!gray_) return ERROR_INVALID_FUNCTION;
  if (!ToSystemCodePage(source, kSourceBytes, from) || !ToSystemCodePage(destination, kDestinationBytes, to)) {
    return kPathNotPassable;
  }
  return gray_(from.c_str(), contrast, brightness, to.c_str());
}

void Win32BitmapLibrary::Unload() {
  if (module_) FreeLibrary(module_);
  module_ = nullptr;
  halftone_ = nullptr;
  gray_ = nullptr;
}

}  // namespace varnel::win32
