#include "plugin/pages/win32_file_chooser.h"

#include <commdlg.h>

#include <string>

#include "common/os/win32/wide.h"
#include "plugin/frame/module.h"

namespace varnel::plugin {

namespace {

constexpr DWORD kFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_EXTENSIONDIFFERENT | OFN_PATHMUSTEXIST |
                         OFN_CREATEPROMPT | OFN_LONGNAMES;
static_assert(kFlags == 0x202C06);
constexpr DWORD kBufferChars = 1024;

// Description and pattern pairs, each ended by a null, the list by another.
std::wstring FilterText(const ChooseRequest& request) {
  std::wstring filter;
  for (const auto& [description, pattern] : request.filter) {
    filter += win32::Widen(description) + L'\0' + win32::Widen(pattern) + L'\0';
  }
  return filter + L'\0';
}

}  // namespace

Win32FileChooser::~Win32FileChooser() {
  if (dialogs_) FreeLibrary(dialogs_);
}

bool Win32FileChooser::Choose(const ChooseRequest& request, std::string& path, std::string& name) {
  ActivationScope scope;
  if (!dialogs_) dialogs_ = LoadLibraryW(L"Comdlg32.dll");
  if (!dialogs_) return false;
  using OpenProc = BOOL(WINAPI*)(OPENFILENAMEW*);
  auto open = reinterpret_cast<OpenProc>(reinterpret_cast<void*>(GetProcAddress(dialogs_, "GetOpenFileNameW")));

  const std::wstring filter = FilterText(request);
  const std::wstring title = win32::Widen(request.title);
  std::wstring file(kBufferChars, L'\0'), fileTitle(kBufferChars, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner_;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kBufferChars;
  dialog.lpstrFileTitle = fileTitle.data();
  dialog.nMaxFileTitle = kBufferChars;
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = kFlags;
  const bool chosen = open && open(&dialog);
  if (!chosen) return false;
  path = win32::Narrow(file.c_str());
  name = win32::Narrow(fileTitle.c_str());
  return true;
}

}  // namespace varnel::plugin
