#pragma once
// What the "Download" page does, apart from its window: the file download, the list of
// up to 9 logos with their working copies and converted files, the halftone settings
// of each logo, the preview plan, and the raw jobs that store or clear the logos.
// The page's window shows the list and the messages; every rule lives here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/os/files.h"
#include "common/os/spooler.h"
#include "common/spool/raw_job.h"
#include "plugin/logo/convert.h"

namespace varnel::plugin {

inline constexpr size_t kMaxLogos = 9;
inline constexpr int64_t kMaxLogoWidth = 1024;
inline constexpr int64_t kMaxLogoHeight = 768;
inline constexpr int64_t kMaxLogoBytes = 98304;  // all logos' files together stay below "96K"

enum class PreviewType { kOriginal = 0, kTransformation = 1, kGray = 2 };

// The halftone settings of one list position.
struct LogoEntry {
  uint32_t method = 0;     // 0 None, 1 Dither M3, 2 Dither M4, 3 Error Diffuse
  int32_t contrast = 0;    // -100 ... 100
  int32_t brightness = 0;  // -100 ... 100
  bool operator==(const LogoEntry&) const = default;
};

// What belongs to the loaded plug-in rather than to one page: the entries, the preview
// type and the polarity decision of the monochrome packing.
struct LogoSettings {
  std::array<LogoEntry, kMaxLogos> entries{};
  PreviewType type = PreviewType::kOriginal;
  bool invert = true;
};
LogoSettings& ProcessLogoSettings();

// The page's messages: text, caption and whether the box has the error icon.
enum class DownloadMessage {
  kOpenFailed,
  kSizeFailed,
  kAllocFailed,
  kReadFailed,
  kTooManyLogos,
  kTooBig,
  kTransformFailed,
  kLogoSizeFailed,
  kTotalTooBig,
  kNoLogos,
};
struct MessageText {
  const char* text;
  const char* caption;
  bool errorIcon;
};
MessageText TextOf(DownloadMessage message);

// The open-file dialog, so tests can hand the page a path.
struct ChooseRequest {
  std::vector<std::pair<std::string, std::string>> filter;  // description, pattern
  std::string title;
};
class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // The chosen file's full path and its name as the dialog gives it; false on cancel.
  virtual bool Choose(const ChooseRequest& request, std::string& path, std::string& name) = 0;
};
ChooseRequest FirmwareChoice();
ChooseRequest LogoChoice();

// One row of the logo list.
struct LogoRow {
  std::string name;  // the chosen file's name
  std::string path;  // its working copy in the temporary folder
};

// What the preview frame shows for the selected logo.
struct PreviewPlan {
  std::optional<std::string> draw;  // the file to draw; none leaves the frame as it is
  bool halftoneEnabled = false;     // the four halftone buttons
  bool tonesEnabled = false;        // the two trackbars
  std::optional<DownloadMessage> message;
};

// The working copy of a chosen file: the temporary folder, the name cut at its last ".",
// then ".bmp".
std::string WorkingCopyName(const std::string& tempFolder, const std::string& name);
// The size of a file as the 96K rule counts it: -1 when it cannot be read.
int64_t FileSizeOf(os::Files& files, const std::string& path);

// The jobs, byte for byte.
RawJob ClearLogosJob();

class DownloadModel {
 public:
  DownloadModel(os::Files& files, os::Spooler& spooler, os::PrinterHandle printer, logo::BitmapLibrary& library,
                std::string tempFolder, LogoSettings& settings = ProcessLogoSettings());

  const std::vector<LogoRow>& logos() const { return logos_; }
  LogoSettings& settings() { return settings_; }
  PreviewType type() const { return settings_.type; }

  // "Download": sends the file unchanged as the job "FIRMWARE". An empty path does nothing.
  std::optional<DownloadMessage> DownloadFile(const std::string& path);
  // "Add": the limit, the chooser, the working copy, the size limits, the conversion of
  // the current type, then the new row with its entry.
  std::optional<DownloadMessage> Add(FileChooser& chooser);
  // "Delete" of the logo at index: its converted file goes, the rows below move up with
  // their entries, the freed last entry is cleared.
  void Delete(size_t index);
  // A preview type button: sets the type; with a selected logo, resets the entries of all
  // logos for the type (Transformation: Dither M3, else None; 0, 0). Stops at the first
  // logo whose working copy is not a bitmap file, as the page does.
  void ChooseType(PreviewType type, bool logoSelected);
  // The halftone buttons and trackbars of the selected logo.
  void SetMethod(size_t index, uint32_t method);
  void SetTones(size_t index, int32_t contrast, int32_t brightness);
  // Converts as the type needs and says what to draw for the logo at index.
  PreviewPlan Preview(size_t index);
  // "Download all": checks, packs every logo, then sends the job "LOGO". A logo that
  // cannot be packed stops it before anything is sent.
  std::optional<DownloadMessage> DownloadAll();
  // "Clear All Logos".
  void ClearLogos();
  // Apply and cancel: the converted files of all listed logos go; working copies stay.
  void RemoveConvertedFiles();

 private:
  bool StartsWithBM(const std::string& path, std::vector<uint8_t>* bytes = nullptr);
  bool Convert(const LogoRow& row, const LogoEntry& entry, PreviewType type);
  bool BuildLogoJob(RawJob& job);

  os::Files& files_;
  os::Spooler& spooler_;
  os::PrinterHandle printer_;
  logo::BitmapLibrary& library_;
  std::string tempFolder_;
  LogoSettings& settings_;
  std::vector<LogoRow> logos_;
};

}  // namespace varnel::plugin
