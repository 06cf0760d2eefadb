#pragma once
// The real print spooler (winspool).

#include "common/os/spooler.h"

namespace varnel::win32 {

class Win32Spooler : public os::Spooler {
 public:
  Status Open(const std::string& name, os::PrinterHandle& handle) override;
  Status Close(os::PrinterHandle handle) override;
  Status BeginDocument(os::PrinterHandle handle, const os::DocInfo& doc, uint32_t& jobId) override;
  Status BeginPage(os::PrinterHandle handle) override;
  Status Write(os::PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) override;
  Status EndPage(os::PrinterHandle handle) override;
  Status EndDocument(os::PrinterHandle handle) override;
};

}  // namespace varnel::win32
