#include "common/os/sim/sim_spooler.h"

#include "common/base/text.h"

namespace varnel::os::sim {

void SimSpooler::AddPrinter(const std::string& name) {
  printers_.try_emplace(AsciiLower(name), Printer{name, {}});
}

const std::vector<SimJob>& SimSpooler::Jobs(const std::string& printer) const {
  static const std::vector<SimJob> none;
  auto found = printers_.find(AsciiLower(printer));
  return found == printers_.end() ? none : found->second.jobs;
}

PrinterHandle SimSpooler::HandleFor(const std::string& printer) {
  PrinterHandle handle = nullptr;
  Open(printer, handle);
  return handle;
}

SimSpooler::OpenHandle* SimSpooler::Opened(PrinterHandle handle) {
  auto found = handles_.find(reinterpret_cast<uintptr_t>(handle));
  return found == handles_.end() ? nullptr : &found->second;
}

SimJob& SimSpooler::CurrentJob(const OpenHandle& open) { return printers_.at(open.printerKey).jobs.back(); }

Status SimSpooler::Open(const std::string& name, PrinterHandle& handle) {
  if (Status st = faults.Enter("Open"); !st) return st;
  const std::string key = AsciiLower(name);
  if (!printers_.count(key)) return Status::Fail(err::kInvalidPrinterName, name);
  const uintptr_t id = nextHandle_++;
  handles_[id] = OpenHandle{key};
  handle = reinterpret_cast<PrinterHandle>(id);
  return Status::Ok();
}

Status SimSpooler::Close(PrinterHandle handle) {
  if (Status st = faults.Enter("Close"); !st) return st;
  if (handles_.erase(reinterpret_cast<uintptr_t>(handle)) == 0) return Status::Fail(err::kInvalidHandle, "Close");
  return Status::Ok();
}

Status SimSpooler::BeginDocument(PrinterHandle handle, const DocInfo& doc, uint32_t& jobId) {
  if (Status st = faults.Enter("BeginDocument"); !st) return st;
  OpenHandle* open = Opened(handle);
  if (!open) return Status::Fail(err::kInvalidHandle, "BeginDocument");
  if (open->inDoc) return Status::Fail(err::kInvalidParameter, "StartDocPrinter: a job is open");
  printers_.at(open->printerKey).jobs.push_back(SimJob{doc.documentName, doc.datatype, 0, {}, {}, false});
  open->inDoc = true;
  jobId = nextJob_++;
  return Status::Ok();
}

Status SimSpooler::BeginPage(PrinterHandle handle) {
  if (Status st = faults.Enter("BeginPage"); !st) return st;
  OpenHandle* open = Opened(handle);
  if (!open || !open->inDoc) return Status::Fail(err::kInvalidHandle, "BeginPage");
  open->inPage = true;
  CurrentJob(*open).pages++;
  return Status::Ok();
}

Status SimSpooler::Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t& written) {
  written = 0;
  if (Status st = faults.Enter("Write"); !st) return st;
  OpenHandle* open = Opened(handle);
  if (!open || !open->inDoc) return Status::Fail(err::kInvalidHandle, "Write");
  SimJob& job = CurrentJob(*open);
  job.bytes.insert(job.bytes.end(), bytes.begin(), bytes.end());
  job.writes.push_back(bytes.size());
  written = static_cast<uint32_t>(bytes.size());
  return Status::Ok();
}

Status SimSpooler::EndPage(PrinterHandle handle) {
  if (Status st = faults.Enter("EndPage"); !st) return st;
  OpenHandle* open = Opened(handle);
  if (!open || !open->inPage) return Status::Fail(err::kInvalidHandle, "EndPage");
  open->inPage = false;
  return Status::Ok();
}

Status SimSpooler::EndDocument(PrinterHandle handle) {
  if (Status st = faults.Enter("EndDocument"); !st) return st;
  OpenHandle* open = Opened(handle);
  if (!open || !open->inDoc) return Status::Fail(err::kInvalidHandle, "EndDocument");
  CurrentJob(*open).finished = true;
  open->inDoc = false;
  open->inPage = false;
  return Status::Ok();
}

}  // namespace varnel::os::sim
