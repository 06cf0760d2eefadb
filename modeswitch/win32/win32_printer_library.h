#pragma once
// The USB printer access library bound at run time by file name.

#include <memory>

#include "modeswitch/printer_library.h"

namespace varnel::win32 {

// Loads the library (the system's search order decides the folder) and resolves its five
// entries in order. Null when the file cannot be loaded. The library is never unloaded.
std::unique_ptr<modeswitch::PrinterLibrary> LoadPrinterLibrary(const char* fileName);

}  // namespace varnel::win32
