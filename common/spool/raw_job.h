#pragma once
// Raw jobs: bytes for the printer that pass the spooler unchanged. Every job the
// plug-in sends (logos, clearing, self-test, barcode test prints, file download) is one.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/base/status.h"
#include "common/os/files.h"
#include "common/os/spooler.h"

namespace varnel {

struct RawJob {
  std::string documentName;
  // Each entry goes to the printer in one WritePrinter call, in order.
  std::vector<std::vector<uint8_t>> writes;

  void Write(std::span<const uint8_t> bytes) { writes.emplace_back(bytes.begin(), bytes.end()); }
  void Write(std::initializer_list<uint8_t> bytes) { writes.emplace_back(bytes); }
};

// Sends the job on an open printer handle as one document of one page with the
// datatype "RAW". A failing call ends what was started (page, then document) and the
// Status names it; a write that takes fewer bytes than given counts as failed.
Status SendRawJob(os::Spooler& spooler, os::PrinterHandle printer, const RawJob& job);

// Sends a whole file, unchanged, in a single write as a raw job named documentName.
// Nothing is sent when the file cannot be read.
Status SendFileAsRawJob(os::Files& files, os::Spooler& spooler, os::PrinterHandle printer,
                        const std::string& documentName, const std::string& path);

}  // namespace varnel
