#include "common/os/win32/win32_registry.h"

#include <windows.h>

#include "common/os/win32/wide.h"

namespace varnel::win32 {

namespace {

// The one place where this adapter turns a registry result into a Status.
Status FromResult(LONG result, const std::string& what) {
  return result == ERROR_SUCCESS ? Status::Ok() : Status::Fail(static_cast<uint32_t>(result), what);
}

HKEY RootKey(os::RegRoot root) { return root == os::RegRoot::LocalMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

REGSAM ViewFlag(os::RegView view) { return view == os::RegView::Force64 ? KEY_WOW64_64KEY : 0; }

class Key {
 public:
  ~Key() { if (h_) RegCloseKey(h_); }
  LONG Open(os::RegRoot root, const std::string& key, REGSAM access, os::RegView view) {
    return RegOpenKeyExW(RootKey(root), Widen(key).c_str(), 0, access | ViewFlag(view), &h_);
  }
  LONG Create(os::RegRoot root, const std::string& key, os::RegView view) {
    return RegCreateKeyExW(RootKey(root), Widen(key).c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE | ViewFlag(view),
                           nullptr, &h_, nullptr);
  }
  HKEY get() const { return h_; }

 private:
  HKEY h_ = nullptr;
};

}  // namespace

Status Win32Registry::CreateKey(os::RegRoot root, const std::string& key, os::RegView view) {
  Key k;
  return FromResult(k.Create(root, key, view), "RegCreateKeyEx " + key);
}

Status Win32Registry::SetString(os::RegRoot root, const std::string& key, const std::string& name,
                                const std::string& value, os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Create(root, key, view), "RegCreateKeyEx " + key); !st) return st;
  const std::wstring text = Widen(value);
  return FromResult(RegSetValueExW(k.get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                    "RegSetValueEx " + name);
}

Status Win32Registry::GetString(os::RegRoot root, const std::string& key, const std::string& name, std::string& value,
                                os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Open(root, key, KEY_READ, view), "RegOpenKeyEx " + key); !st) return st;
  DWORD type = 0, bytes = 0;
  LONG result = RegQueryValueExW(k.get(), Widen(name).c_str(), nullptr, &type, nullptr, &bytes);
  if (result != ERROR_SUCCESS) return FromResult(result, "RegQueryValueEx " + name);
  if (type != REG_SZ && type != REG_EXPAND_SZ) return Status::Fail(ERROR_INVALID_DATA, name);
  std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  result = RegQueryValueExW(k.get(), Widen(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes);
  if (result != ERROR_SUCCESS) return FromResult(result, "RegQueryValueEx " + name);
  text.resize(wcsnlen(text.c_str(), text.size()));
  value = Narrow(text);
  return Status::Ok();
}

Status Win32Registry::SetDword(os::RegRoot root, const std::string& key, const std::string& name, uint32_t value,
                               os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Create(root, key, view), "RegCreateKeyEx " + key); !st) return st;
  const DWORD number = value;
  return FromResult(RegSetValueExW(k.get(), Widen(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                   sizeof(number)),
                    "RegSetValueEx " + name);
}

Status Win32Registry::GetDword(os::RegRoot root, const std::string& key, const std::string& name, uint32_t& value,
                               os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Open(root, key, KEY_READ, view), "RegOpenKeyEx " + key); !st) return st;
  // Ask for the type first: a longer value of another type would answer "more data".
  DWORD type = 0, number = 0, bytes = 0;
  LONG result = RegQueryValueExW(k.get(), Widen(name).c_str(), nullptr, &type, nullptr, &bytes);
  if (result != ERROR_SUCCESS) return FromResult(result, "RegQueryValueEx " + name);
  // A value of another size is no number, though its type says so: its first bytes are not read as one.
  if (type != REG_DWORD || bytes != sizeof(number)) return Status::Fail(ERROR_INVALID_DATA, name);
  bytes = sizeof(number);
  result = RegQueryValueExW(k.get(), Widen(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number), &bytes);
  if (result != ERROR_SUCCESS) return FromResult(result, "RegQueryValueEx " + name);
  value = number;
  return Status::Ok();
}

Status Win32Registry::DeleteValue(os::RegRoot root, const std::string& key, const std::string& name,
                                  os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Open(root, key, KEY_SET_VALUE, view), "RegOpenKeyEx " + key); !st) return st;
  return FromResult(RegDeleteValueW(k.get(), Widen(name).c_str()), "RegDeleteValue " + name);
}

Status Win32Registry::DeleteTree(os::RegRoot root, const std::string& key, os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Open(root, key, KEY_ALL_ACCESS, view), "RegOpenKeyEx " + key); !st) return st;
  if (Status st = FromResult(RegDeleteTreeW(k.get(), nullptr), "RegDeleteTree " + key); !st) return st;
  return FromResult(RegDeleteKeyExW(RootKey(root), Widen(key).c_str(), ViewFlag(view), 0), "RegDeleteKeyEx " + key);
}

Status Win32Registry::ListSubkeys(os::RegRoot root, const std::string& key, std::vector<std::string>& names,
                                  os::RegView view) {
  Key k;
  if (Status st = FromResult(k.Open(root, key, KEY_READ, view), "RegOpenKeyEx " + key); !st) return st;
  names.clear();
  for (DWORD index = 0;; ++index) {
    wchar_t name[256];
    DWORD length = 256;
    const LONG result = RegEnumKeyExW(k.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS) return FromResult(result, "RegEnumKeyEx " + key);
    names.push_back(Narrow(std::wstring_view(name, length)));
  }
  return Status::Ok();
}

}  // namespace varnel::win32
