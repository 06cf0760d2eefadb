#pragma once
// The USB printer access library as the mode switcher binds it at run time: which of its
// entries were found, and calls to them. Win32 adapter: win32/win32_printer_library.h.

#include <cstdint>
#include <span>

namespace varnel::modeswitch {

// In the order in which they are resolved.
enum class LibraryEntry { kEnumerate, kOpen, kWrite, kRead, kClose };

class PrinterLibrary {
 public:
  virtual ~PrinterLibrary() = default;
  virtual bool Has(LibraryEntry entry) const = 0;
  // Only entries that Has reports may be called.
  virtual int32_t Enumerate() = 0;
  virtual int32_t Open(int32_t position) = 0;
  virtual uint32_t Write(std::span<const uint8_t> bytes) = 0;
  virtual int32_t Close() = 0;
};

}  // namespace varnel::modeswitch
