#include "common/spool/raw_job.h"

namespace varnel {

namespace {

Status WriteAll(os::Spooler& spooler, os::PrinterHandle printer, const std::vector<uint8_t>& bytes) {
  uint32_t written = 0;
  Status st = spooler.Write(printer, bytes, written);
  if (st && written != bytes.size()) return Status::Fail(err::kWriteFault, "WritePrinter: short write");
  return st;
}

}  // namespace

Status SendRawJob(os::Spooler& spooler, os::PrinterHandle printer, const RawJob& job) {
  uint32_t jobId = 0;
  Status st = spooler.BeginDocument(printer, os::DocInfo{job.documentName, "RAW"}, jobId);
  if (!st) return st;
  st = spooler.BeginPage(printer);
  if (!st) {
    spooler.EndDocument(printer);
    return st;
  }
  for (const auto& bytes : job.writes) {
    st = WriteAll(spooler, printer, bytes);
    if (!st) break;
  }
  // End what was started even after a failed write, and keep the first failure.
  Status ended = spooler.EndPage(printer);
  if (st && !ended) st = ended;
  ended = spooler.EndDocument(printer);
  if (st && !ended) st = ended;
  return st;
}

Status SendFileAsRawJob(os::Files& files, os::Spooler& spooler, os::PrinterHandle printer,
                        const std::string& documentName, const std::string& path) {
  RawJob job{documentName, {}};
  job.writes.emplace_back();
  if (Status st = files.ReadFile(path, job.writes.back()); !st) return st;
  return SendRawJob(spooler, printer, job);
}

}  // namespace varnel
