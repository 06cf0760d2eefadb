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
  // Method names for fault injection: "Open", "Close", "BeginDocument",
  // "BeginPage", "Write", "EndPage", "EndDocument".
  Faults faults;

  void AddPrinter(const std::string& name);
  // The jobs a printer received, in order (empty for an unknown printer).
  const std::vector<SimJob>& Jobs(const std::string& printer) const;
  // Handles opened and not yet closed.
  size_t OpenHandles() const { return handles_.size(); }
  // A handle to a printer as the driver would hand it to the plug-in.
  PrinterHandle HandleFor(const std::string& printer);

  Status Open(const std::string& name, PrinterHandle& handle) override;
  Status Close(PrinterHandle handle) override;
  Status BeginDocument(PrinterHandle handle, const DocInfo& doc, uint32_t& jobId) override;
  Status BeginPage(PrinterHandle handle) override;
  Status Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) override;
  Status EndPage(PrinterHandle handle) override;
  Status EndDocument(PrinterHandle handle) override;

 private:
  struct Printer {
    std::string name;
    std::vector<SimJob> jobs;
  };
  struct OpenHandle {
    std::string printerKey;
    bool inDoc = false;
    bool inPage = false;
  };
  OpenHandle* Opened(PrinterHandle handle);
  SimJob& CurrentJob(const OpenHandle& open);

  std::map<std::string, Printer> printers_;  // by lower-cased name
  std::map<uintptr_t, OpenHandle> handles_;
  uintptr_t nextHandle_ = 0x100;
  uint32_t nextJob_ = 1;
};

}  // namespace varnel::os::sim
