#include "plugin/pages/download_model.h"

#include <new>

#include "plugin/logo/bitmap.h"
#include "plugin/logo/halftone.h"
#include "plugin/logo/logo_pack.h"

namespace varnel::plugin {

namespace {

constexpr uint8_t kOpening[] = {0x1B, 0x63, 0x3B, 0x01};
constexpr uint8_t kClosing[] = {0x1B, 0x63, 0x3B, 0x00};
constexpr uint8_t kMonoLogos = 0x71;  // 1C 71: define non-volatile bit images
constexpr uint8_t kGrayLogos = 0x72;  // 1C 72: the same in four gray levels
constexpr size_t kLogoHeaderBytes = 62;  // what Add reads of a chosen file

bool CannotOpen(const Status& st) {
  return st.code() == err::kFileNotFound || st.code() == err::kPathNotFound || st.code() == err::kAccessDenied ||
         st.code() == 32 /* sharing violation */;
}

LogoEntry DefaultEntry(PreviewType type) {
  return LogoEntry{type == PreviewType::kTransformation ? 1u : 0u, 0, 0};
}

void WriteLe16(RawJob& job, std::initializer_list<uint16_t> values, std::initializer_list<uint8_t> prefix = {}) {
  std::vector<uint8_t> bytes(prefix);
  for (uint16_t v : values) {
    bytes.push_back(uint8_t(v));
    bytes.push_back(uint8_t(v >> 8));
  }
  job.writes.push_back(std::move(bytes));
}

}  // namespace

LogoSettings& ProcessLogoSettings() {
  static LogoSettings settings;
  return settings;
}

MessageText TextOf(DownloadMessage message) {
  switch (message) {
    case DownloadMessage::kOpenFailed: return {"Fail to open the selected file!", "Error", false};
    case DownloadMessage::kSizeFailed: return {"Failed to get the size of the selected file!", "Error", false};
    case DownloadMessage::kAllocFailed: return {"Failed to Alloc the required memory!", "Error", false};
    case DownloadMessage::kReadFailed: return {"Failed to get data from the file!", "Error", false};
    case DownloadMessage::kTooManyLogos:
      return {"The total counts of the logos is 9,\nplease delete some logos before selecting another logo!", "ok",
              false};
    case DownloadMessage::kTooBig:
      return {"The image is too big to be selected.\nthe width must be less than 1024 Byte,and the height must be "
              "less than 768 Byte!",
              "Error", false};
    case DownloadMessage::kTransformFailed: return {"Transform bitmap failed!", "Error", true};
    case DownloadMessage::kLogoSizeFailed: return {"Failed to get the size of logo!", "Error", false};
    case DownloadMessage::kTotalTooBig: return {"The total sizes of all the logos is greater 96K!", "Error", false};
    case DownloadMessage::kNoLogos: return {"Please select logos first!", "Error", false};
  }
  return {"", "Error", false};
}

ChooseRequest FirmwareChoice() {
  return {{{"*.JK(Firmware)", "*.JK"},
           {"*.DAT(Data)", "*.DAT"},
           {"*.FNT(Font)", "*.FNT"},
           {"*.ZK(Font)", "*.ZK"},
           {"*.EEP(EEPROM)", "*.EEP"},
           {"*.*(All)", "*.*"}},
          "Please select a file"};
}

ChooseRequest LogoChoice() { return {{{"*.bmp", "*.bmp"}}, "Please Select a Logo file"}; }

std::string WorkingCopyName(const std::string& tempFolder, const std::string& name) {
  return tempFolder + name.substr(0, name.rfind('.')) + ".bmp";
}

int64_t FileSizeOf(os::Files& files, const std::string& path) {
  uint64_t size = 0;
  if (!files.FileSize(path, size)) return -1;
  return int64_t(size);
}

RawJob ClearLogosJob() {
  RawJob job{"SELFTEST", {}};
  job.Write(kOpening);
  job.Write({0x1C, kMonoLogos, 0x00, 0x00, 0x0A});
  job.Write(kClosing);
  return job;
}

DownloadModel::DownloadModel(os::Files& files, os::Spooler& spooler, os::PrinterHandle printer,
                             logo::BitmapLibrary& library, std::string tempFolder, LogoSettings& settings)
    : files_(files),
      spooler_(spooler),
      printer_(printer),
      library_(library),
      tempFolder_(std::move(tempFolder)),
      settings_(settings) {}

std::optional<DownloadMessage> DownloadModel::DownloadFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  RawJob job{"FIRMWARE", {{}}};
  Status st;
  try {
    st = files_.ReadFile(path, job.writes.front());
  } catch (const std::bad_alloc&) {
    return DownloadMessage::kAllocFailed;  // the whole file is held for its one write
  }
  if (!st) {
    if (st.code() == err::kNotEnoughMemory) return DownloadMessage::kAllocFailed;
    return CannotOpen(st) ? DownloadMessage::kOpenFailed : DownloadMessage::kReadFailed;
  }
  SendRawJob(spooler_, printer_, job);  // spooler failures are silent
  return std::nullopt;
}

std::optional<DownloadMessage> DownloadModel::Add(FileChooser& chooser) {
  if (logos_.size() >= kMaxLogos) return DownloadMessage::kTooManyLogos;
  std::string chosen, name;
  if (!chooser.Choose(LogoChoice(), chosen, name)) return std::nullopt;

  std::vector<uint8_t> bytes;
  if (!files_.ReadFile(chosen, bytes)) return DownloadMessage::kOpenFailed;
  if (bytes.size() < kLogoHeaderBytes) return DownloadMessage::kReadFailed;
  const LogoRow row{name, WorkingCopyName(tempFolder_, name)};
  if (!files_.WriteFile(row.path, bytes)) return std::nullopt;

  // A negative height is a top-down picture of that many rows: it counts as its size.
  const int64_t width = int32_t(logo::Get32(bytes, 18));
  const int64_t height = int32_t(logo::Get32(bytes, 22));
  if (width > kMaxLogoWidth || height > kMaxLogoHeight || -height > kMaxLogoHeight) return DownloadMessage::kTooBig;

  const LogoEntry entry = DefaultEntry(settings_.type);
  if (settings_.type != PreviewType::kOriginal) {
    if (!StartsWithBM(row.path)) return std::nullopt;
    if (!Convert(row, LogoEntry{1, 0, 0}, settings_.type)) return DownloadMessage::kTransformFailed;
  }
  logos_.push_back(row);
  settings_.entries[logos_.size() - 1] = entry;
  return std::nullopt;
}

void DownloadModel::Delete(size_t index) {
  if (index >= logos_.size()) return;
  files_.Remove(logo::ConvertedFileName(logos_[index].path));
  logos_.erase(logos_.begin() + std::ptrdiff_t(index));
  for (size_t i = index; i < logos_.size(); ++i) settings_.entries[i] = settings_.entries[i + 1];
  settings_.entries[logos_.size()] = LogoEntry{};
}

void DownloadModel::ChooseType(PreviewType type, bool logoSelected) {
  settings_.type = type;
  if (!logoSelected) return;
  for (size_t i = 0; i < logos_.size(); ++i) {
    if (type != PreviewType::kOriginal && !StartsWithBM(logos_[i].path)) return;
    settings_.entries[i] = DefaultEntry(type);
  }
}

void DownloadModel::SetMethod(size_t index, uint32_t method) {
  if (index < logos_.size() && method <= logo::kLastHalftoneMethod) settings_.entries[index].method = method;
}

void DownloadModel::SetTones(size_t index, int32_t contrast, int32_t brightness) {
  if (index >= logos_.size()) return;
  settings_.entries[index].contrast = contrast;
  settings_.entries[index].brightness = brightness;
}

PreviewPlan DownloadModel::Preview(size_t index) {
  PreviewPlan plan;
  if (index >= logos_.size()) return plan;
  const LogoRow& row = logos_[index];
  const LogoEntry& entry = settings_.entries[index];
  switch (settings_.type) {
    case PreviewType::kOriginal:
      plan.draw = row.path;
      return plan;
    case PreviewType::kTransformation: {
      std::vector<uint8_t> bytes;
      if (!StartsWithBM(row.path, &bytes)) return plan;
      if (bytes.size() >= 30 && logo::Get16(bytes, 28) == 1) {
        plan.draw = row.path;
        return plan;
      }
      plan.halftoneEnabled = plan.tonesEnabled = true;
      if (Convert(row, entry, PreviewType::kTransformation)) {
        plan.draw = logo::ConvertedFileName(row.path);
      } else {
        plan.message = DownloadMessage::kTransformFailed;
      }
      return plan;
    }
    case PreviewType::kGray:
      if (!StartsWithBM(row.path)) return plan;
      plan.tonesEnabled = true;
      if (!Convert(row, entry, PreviewType::kGray)) plan.message = DownloadMessage::kTransformFailed;
      plan.draw = logo::ConvertedFileName(row.path);  // as it stands on disk
      return plan;
  }
  return plan;
}

std::optional<DownloadMessage> DownloadModel::DownloadAll() {
  if (logos_.empty()) return DownloadMessage::kNoLogos;
  if (settings_.type == PreviewType::kOriginal) return std::nullopt;
  int64_t total = 0;
  for (const LogoRow& row : logos_) {
    int64_t size = FileSizeOf(files_, logo::ConvertedFileName(row.path));
    if (size < 0) size = FileSizeOf(files_, row.path);
    if (size < 0) return DownloadMessage::kLogoSizeFailed;
    total += size;
  }
  if (total >= kMaxLogoBytes) return DownloadMessage::kTotalTooBig;

  RawJob job;
  // A logo that cannot be packed stops the download before the printer gets a partial
  // definition that would replace its stored logos.
  if (!BuildLogoJob(job)) return std::nullopt;
  SendRawJob(spooler_, printer_, job);
  return std::nullopt;
}

bool DownloadModel::BuildLogoJob(RawJob& job) {
  const bool mono = settings_.type == PreviewType::kTransformation;
  job.documentName = "LOGO";
  job.Write(kOpening);
  job.Write({0x1C, mono ? kMonoLogos : kGrayLogos, uint8_t(logos_.size())});
  logo::LogoData data;
  for (const LogoRow& row : logos_) {
    std::vector<uint8_t> bytes;
    if (mono) {
      // A 1-bit working copy is packed itself, anything else through its converted file.
      const bool monoCopy = StartsWithBM(row.path, &bytes) && bytes.size() >= 30 && logo::Get16(bytes, 28) == 1;
      if (!monoCopy && !files_.ReadFile(logo::ConvertedFileName(row.path), bytes)) return false;
      if (!logo::PackMonoLogo(bytes, settings_.invert, data)) return false;
      WriteLe16(job, {data.x, data.y});
    } else {
      if (!files_.ReadFile(logo::ConvertedFileName(row.path), bytes)) return false;
      if (!logo::PackGrayLogo(bytes, data)) return false;
      WriteLe16(job, {data.x, data.y}, {0x01, 0x00});
    }
    job.Write(data.bytes);
  }
  job.Write({0x0A});
  job.Write(kClosing);
  return true;
}

void DownloadModel::ClearLogos() { SendRawJob(spooler_, printer_, ClearLogosJob()); }

void DownloadModel::RemoveConvertedFiles() {
  for (const LogoRow& row : logos_) files_.Remove(logo::ConvertedFileName(row.path));
}

bool DownloadModel::StartsWithBM(const std::string& path, std::vector<uint8_t>* bytes) {
  std::vector<uint8_t> local;
  std::vector<uint8_t>& contents = bytes ? *bytes : local;
  return files_.ReadFile(path, contents) && contents.size() >= 2 && contents[0] == 'B' && contents[1] == 'M';
}

bool DownloadModel::Convert(const LogoRow& row, const LogoEntry& entry, PreviewType type) {
  std::string destination;
  if (type == PreviewType::kGray) return logo::GrayToFile(library_, row.path, entry.contrast, entry.brightness, destination);
  return logo::HalftoneToFile(library_, row.path, entry.method, entry.contrast, entry.brightness, destination);
}

}  // namespace varnel::plugin
