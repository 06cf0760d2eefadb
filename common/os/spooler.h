#pragma once
// The print spooler as the core sees it. This first part covers raw jobs on a printer
// handle; printers, drivers, monitors, processors, ports and forms join it as the
// setup and removal sequences need them.

#include <cstdint>
#include <span>
#include <string>

#include "common/base/status.h"

namespace varnel::os {

// A printer handle as the platform gives it (the plug-in receives one from the driver).
using PrinterHandle = void*;

struct DocInfo {
  std::string documentName;  // shown in the print queue
  std::string datatype;      // "RAW" for the jobs this package sends
};

class Spooler {
 public:
  virtual ~Spooler() = default;

  // 1801 when no printer has that name.
  virtual Status Open(const std::string& name, PrinterHandle& handle) = 0;
  virtual Status Close(PrinterHandle handle) = 0;

  // A job: BeginDocument, then pages of writes, then EndDocument. 6 for a handle that is not open.
  virtual Status BeginDocument(PrinterHandle handle, const DocInfo& doc, uint32_t& jobId) = 0;
  virtual Status BeginPage(PrinterHandle handle) = 0;
  // Writes the bytes into the current job; written tells how many went.
  virtual Status Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) = 0;
  virtual Status EndPage(PrinterHandle handle) = 0;
  virtual Status EndDocument(PrinterHandle handle) = 0;
};

}  // namespace varnel::os
