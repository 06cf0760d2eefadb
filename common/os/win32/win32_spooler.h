#pragma once
// The real print spooler (winspool).

#include "common/os/spooler.h"

namespace varnel::win32 {

class Win32Spooler : public os::Spooler {
 public:
  Status OpenPrinter(const std::string& name, os::PrinterHandle& handle) override;
  Status ClosePrinter(os::PrinterHandle handle) override;
  Status StartDocPrinter(os::PrinterHandle handle, const os::DocInfo& doc, uint32_t& jobId) override;
  Status StartPagePrinter(os::PrinterHandle handle) override;
  Status WritePrinter(os::PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) override;
  Status EndPagePrinter(os::PrinterHandle handle) override;
  Status EndDocPrinter(os::PrinterHandle handle) override;
};

}  // namespace varnel::win32
