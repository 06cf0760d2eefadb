#pragma once
// An in-memory print spooler: printers with the jobs they received, byte for byte.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/os/sim/faults.h"
#include "common/os/spooler.h"

namespace varnel::os::sim {

struct SimJob {
  std::string documentName;
  std::string datatype;
  int pages = 0;
  std::vector<uint8_t> bytes;
  std::vector<size_t> writes;  // the size of each WritePrinter call
  bool finished = false;       // EndDocPrinter was called
};

class SimSpooler : public Spooler {
 public:
  // Method names for fault injection: "OpenPrinter", "ClosePrinter", "StartDocPrinter",
  // "StartPagePrinter", "WritePrinter", "EndPagePrinter", "EndDocPrinter".
  Faults faults;

  void AddPrinter(const std::string& name);
  // The jobs a printer received, in order (empty for an unknown printer).
  const std::vector<SimJob>& Jobs(const std::string& printer) const;
  // Handles opened and not yet closed.
  size_t OpenHandles() const { return handles_.size(); }
  // A handle to a printer as the driver would hand it to the plug-in.
  PrinterHandle HandleFor(const std::string& printer);

  Status OpenPrinter(const std::string& name, PrinterHandle& handle) override;
  Status ClosePrinter(PrinterHandle handle) override;
  Status StartDocPrinter(PrinterHandle handle, const DocInfo& doc, uint32_t& jobId) override;
  Status StartPagePrinter(PrinterHandle handle) override;
  Status WritePrinter(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) override;
  Status EndPagePrinter(PrinterHandle handle) override;
  Status EndDocPrinter(PrinterHandle handle) override;

 private:
  struct Printer {
    std::string name;
    std::vector<SimJob> jobs;
  };
  struct Open {
    std::string printerKey;
    bool inDoc = false;
    bool inPage = false;
  };
  Open* Opened(PrinterHandle handle);
  SimJob& CurrentJob(const Open& open);

  std::map<std::string, Printer> printers_;  // by lower-cased name
  std::map<uintptr_t, Open> handles_;
  uintptr_t nextHandle_ = 0x100;
  uint32_t nextJob_ = 1;
};

}  // namespace varnel::os::sim
