#include "common/os/win32/win32_spooler.h"

#include <windows.h>
#include <winspool.h>

#include "common/os/win32/wide.h"

namespace varnel::win32 {

namespace {

// The one place where this adapter turns the platform's error into a Status.
Status Checked(BOOL ok, const char* what) {
  if (ok) return Status::Ok();
  const DWORD code = GetLastError();
  return Status::Fail(code ? code : err::kWriteFault, what);
}

}  // namespace

Status Win32Spooler::OpenPrinter(const std::string& name, os::PrinterHandle& handle) {
  std::wstring wide = Widen(name);
  HANDLE opened = nullptr;
  Status st = Checked(::OpenPrinterW(wide.data(), &opened, nullptr), "OpenPrinter");
  if (st) handle = opened;
  return st;
}

Status Win32Spooler::ClosePrinter(os::PrinterHandle handle) { return Checked(::ClosePrinter(handle), "ClosePrinter"); }

Status Win32Spooler::StartDocPrinter(os::PrinterHandle handle, const os::DocInfo& doc, uint32_t& jobId) {
  std::wstring name = Widen(doc.documentName);
  std::wstring datatype = Widen(doc.datatype);
  DOC_INFO_1W info{};
  info.pDocName = name.data();
  info.pOutputFile = nullptr;
  info.pDatatype = datatype.empty() ? nullptr : datatype.data();
  const DWORD id = ::StartDocPrinterW(handle, 1, reinterpret_cast<BYTE*>(&info));
  if (id == 0) return Checked(FALSE, "StartDocPrinter");
  jobId = id;
  return Status::Ok();
}

Status Win32Spooler::StartPagePrinter(os::PrinterHandle handle) {
  return Checked(::StartPagePrinter(handle), "StartPagePrinter");
}

Status Win32Spooler::WritePrinter(os::PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) {
  DWORD put = 0;
  Status st = Checked(::WritePrinter(handle, const_cast<uint8_t*>(bytes.data()), static_cast<DWORD>(bytes.size()), &put),
                      "WritePrinter");
  written = put;
  return st;
}

Status Win32Spooler::EndPagePrinter(os::PrinterHandle handle) { return Checked(::EndPagePrinter(handle), "EndPagePrinter"); }

Status Win32Spooler::EndDocPrinter(os::PrinterHandle handle) { return Checked(::EndDocPrinter(handle), "EndDocPrinter"); }

}  // namespace varnel::win32
