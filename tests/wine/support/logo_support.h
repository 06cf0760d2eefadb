#pragma once
// What the logo tests share: the temporary folder and Pixmill.dll where the plug-in looks for it.

#include <windows.h>

#include <string>

namespace varnel::winetest {

inline std::string TempFolder() {
  char buffer[MAX_PATH];
  GetTempPathA(MAX_PATH, buffer);
  return buffer;
}

// Copies the built Pixmill.dll (in the working directory) into the system folder, where
// the plug-in loads it from. True when it is there (a copy loaded by another test stays).
inline bool InstallPixmill() {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string target = std::string(system) + "\\Pixmill.dll";
  return CopyFileA("Pixmill.dll", target.c_str(), FALSE) || GetFileAttributesA(target.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace varnel::winetest
