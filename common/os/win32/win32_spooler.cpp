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

Status Win32Spooler::Open(const std::string& name, os::PrinterHandle& handle) {
  std::wstring wide = Widen(name);
  HANDLE opened = nullptr;
  Status st = Checked(::OpenPrinterW(wide.data(), &opened, nullptr), "Open");
  if (st) handle = opened;
  return st;
}

Status Win32Spooler::Close(os::PrinterHandle handle) { return Checked(::ClosePrinter(handle), "Close"); }

Status Win32Spooler::BeginDocument(os::PrinterHandle handle, const os::DocInfo& doc, uint32_t& jobId) {
  std::wstring name = Widen(doc.documentName);
  std::wstring datatype = Widen(doc.datatype);
  DOC_INFO_1W info{};
  info.pDocName = name.data();
  info.pOutputFile = nullptr;
  info.pDatatype = datatype.empty() ? nullptr : datatype.data();
  const DWORD id = ::StartDocPrinterW(handle, 1, reinterpret_cast<BYTE*>(&info));
  if (id == 0) return Checked(FALSE, "BeginDocument");
  jobId = id;
  return Status::Ok();
}

Status Win32Spooler::BeginPage(os::PrinterHandle handle) {
  return Checked(::StartPagePrinter(handle), "BeginPage");
}

Status Win32Spooler::Write(os::PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) {
  DWORD put = 0;
  Status st = Checked(::WritePrinter(handle, const_cast<uint8_t*>(bytes.data()), static_cast<DWORD>(bytes.size()), &put),
                      "Write");
  written = put;
  return st;
}

Status Win32Spooler::EndPage(os::PrinterHandle handle) { return Checked(::EndPagePrinter(handle), "EndPage"); }

Status Win32Spooler::EndDocument(os::PrinterHandle handle) { return Checked(::EndDocPrinter(handle), "EndDocument"); }

}  // namespace varnel::win32
