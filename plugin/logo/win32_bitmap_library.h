#pragma once
// Pixmill.dll from the system folder, loaded for each conversion under the plug-in's
// activation context.

#include <windows.h>

#include "plugin/logo/convert.h"

namespace varnel::win32 {

class Win32BitmapLibrary : public logo::BitmapLibrary {
 public:
  // activationContext: the plug-in's, or INVALID_HANDLE_VALUE to load without one.
  explicit Win32BitmapLibrary(HANDLE activationContext = INVALID_HANDLE_VALUE) : context_(activationContext) {}
  ~Win32BitmapLibrary() override { Unload(); }
  Win32BitmapLibrary(const Win32BitmapLibrary&) = delete;
  Win32BitmapLibrary& operator=(const Win32BitmapLibrary&) = delete;

  Status Load() override;
  int32_t Halftone(const std::string& source, uint32_t method, int32_t contrast, int32_t brightness,
                   const std::string& destination) override;
  int32_t Gray(const std::string& source, int32_t contrast, int32_t brightness,
               const std::string& destination) override;
  void Unload() override;

  // What Halftone and Gray return when a path cannot be handed to the library: it does
  // not fit the library's buffers or has characters the system code page lacks.
  static constexpr int32_t kPathNotPassable = -1;

 private:
  using HalftoneProc = int32_t(__stdcall*)(const char*, uint32_t, int32_t, int32_t, const char*);
  using GrayProc = int32_t(__stdcall*)(const char*, int32_t, int32_t, const char*);

  HANDLE context_;
  HMODULE module_ = nullptr;
  HalftoneProc halftone_ = nullptr;
  GrayProc gray_ = nullptr;
};

}  // namespace varnel::win32
