#pragma once
// A printer in Wine's real spooler whose port writes every finished job to a file, so a
// test can read the bytes a raw job delivered. Wine keeps only the last job in the file.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::winetest {

class FilePrinter {
 public:
  // Registers the print processor, maps the port to a file in the temporary folder, adds
  // a test driver (dummy files in the driver folder) and a RAW printer of that name.
  // On failure returns false with the failing step and its error in `error`.
  bool Install(const std::wstring& printerName, const std::wstring& port, std::string& error);

  const std::wstring& name() const { return name_; }
  // Forgets the last job, so the next Output() waits for a new one.
  void ClearOutput();
  // The bytes of the last finished job; waits up to timeoutMs for the file to appear
  // and stop growing. Empty when no job arrived.
  std::vector<uint8_t> Output(DWORD timeoutMs = 5000) const;

 private:
  std::wstring name_;
  std::wstring outputPath_;
};

// The bytes as "1B 63 3B 01" for failure messages.
std::string Hex(const std::vector<uint8_t>& bytes);

}  // namespace varnel::winetest
