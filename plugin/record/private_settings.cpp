#include "plugin/record/private_settings.h"

#include <algorithm>
#include <cstring>

namespace varnel::plugin {
namespace {

// The fields of a job operation carry the same names in every layout and in the plain
// value, so one copy serves both directions.
template <typename To, typename From>
void CopyJobOperation(To& to, const From& from) {
  to.SendCommand = from.SendCommand;
  to.FeedToCutPosition = from.FeedToCutPosition;
  std::memcpy(to.Command, from.Command, kCommandCapacity);
  to.CommandLength = from.CommandLength;
  to.CashDrawer = from.CashDrawer;
  to.PaperCut = from.PaperCut;
  to.PaperFeed = from.PaperFeed;
  to.HeraldSetting = from.HeraldSetting;
  to.UseHerald = from.UseHerald;
  to.BuzzerVolume = from.BuzzerVolume;
  to.BuzzerCount = from.BuzzerCount;
  to.LogoNumber = from.LogoNumber;
  to.LogoAlign = from.LogoAlign;
  to.LogoPosition = from.LogoPosition;
}

template <typename Block>
JobOperation ReadBlock(const Block& block) {
  JobOperation op;
  CopyJobOperation(op, block);
  return op;
}

template <typename Block>
void WriteBlock(Block& block, const JobOperation& op) {
  CopyJobOperation(block, op);
}

void FillDefaultBarcodeFont1D(BarcodeFont1D& font, uint8_t type) {
  font = {};
  font.Type = type;
  font.ElementWidth = 3;
  font.ElementHeight = 163;
  font.CharWidth = 24;
  font.CharHeight = 163;
  font.Gs1ElementWidth = 2;
  font.Gs1RowHeight = 100;
  font.Gs1Row2DHeight = 2;
  font.Gs1SeparatorHeight = 1;
  font.Gs1Hri = 1;
  font.Gs1ApplyAi = 1;
}

void FillDefaultBarcodeFont2D(BarcodeFont2D& font) {
  font = {};
  font.Pdf417ElementWidth = 3;
  font.Pdf417ElementHeight = 3;
  font.Pdf417Columns = 3;
  font.Pdf417Rows = 3;
  font.Pdf417ErrorLevel = 5;
  font.Gs1ElementWidth = 2;
  font.Gs1RowHeight = 100;
  font.Gs1Row2DHeight = 2;
  font.Gs1SeparatorHeight = 2;
  font.Gs1SegmentCount = 4;
  font.Gs1Hri = 1;
  font.Gs1ApplyAi = 1;
  font.QrElementWidth = 3;
  font.QrModel = 1;
  font.QrErrorLevel = 1;
}

void SetHeader(PrivateSettings& settings) {
  settings.Header.dwSize = kSettingsSize;
  settings.Header.dwSignature = kSettingsSignature;
  settings.Header.dwVersion = kSettingsVersion;
}

}  // namespace

JobOperation ReadJobOperation(const PrivateSettings& settings, JobPoint point) {
  switch (point) {
    case JobPoint::kStartDocument: return ReadBlock(settings.StartDocument);
    case JobPoint::kStartPage: return ReadBlock(settings.StartPage);
    case JobPoint::kEndPage: return ReadBlock(settings.EndPage);
    case JobPoint::kEndDocument: return ReadBlock(settings.EndDocument);
  }
  return {};
}

void WriteJobOperation(PrivateSettings& settings, JobPoint point, const JobOperation& operation) {
  switch (point) {
    case JobPoint::kStartDocument: WriteBlock(settings.StartDocument, operation); break;
    case JobPoint::kStartPage: WriteBlock(settings.StartPage, operation); break;
    case JobPoint::kEndPage: WriteBlock(settings.EndPage, operation); break;
    case JobPoint::kEndDocument: WriteBlock(settings.EndDocument, operation); break;
  }
}

JobOperation DefaultJobOperation(JobPoint point) {
  JobOperation op;
  if (point == JobPoint::kStartDocument) op.CashDrawer = 12;  // drawers #1 and #2, 60 ms
  if (point == JobPoint::kEndDocument) {
    op.FeedToCutPosition = 1;
    op.PaperCut = 1;  // partial cut
  }
  return op;
}

void FillDefaultSettings(PrivateSettings& settings) {
  std::memset(&settings, 0, sizeof settings);
  SetHeader(settings);
  for (JobPoint point : {JobPoint::kStartDocument, JobPoint::kStartPage, JobPoint::kEndPage, JobPoint::kEndDocument}) {
    WriteJobOperation(settings, point, DefaultJobOperation(point));
  }
  static constexpr uint8_t kDefault1DTypes[8] = {0, 1, 3, 4, 5, 6, 7, 8};
  for (size_t i = 0; i < 8; ++i) FillDefaultBarcodeFont1D(settings.BarcodeFont1D[i], kDefault1DTypes[i]);
  for (auto& font : settings.BarcodeFont2D) FillDefaultBarcodeFont2D(font);
  settings.WatermarkFontSize = 50;
  settings.WatermarkAngle = 45;
  settings.WatermarkPosition = 4;  // Center-Middle
  settings.WatermarkSize = 100;
  settings.WatermarkBrightness = 50;
  settings.ZoomScale = 100;
}

void ConvertSettings(const PrivateSettings* input, PrivateSettings* output) {
  if (input == nullptr || output == nullptr) return;
  // Only a record of this plug-in on both sides is kept: whatever the plug-in writes
  // carries its own signature.
  if (input->Header.dwSignature != output->Header.dwSignature || input->Header.dwSignature != kSettingsSignature) {
    FillDefaultSettings(*output);
    return;
  }
  // The sizes come from the records themselves and may be garbage: never more than this
  // layout. The input is copied aside first, since it may be the output itself.
  const uint32_t count = std::min({input->Header.dwSize, output->Header.dwSize, kSettingsSize});
  PrivateSettings kept;
  std::memcpy(&kept, input, count);
  FillDefaultSettings(*output);
  std::memcpy(output, &kept, count);
  output->Header.dwSize = kSettingsSize;
  output->Header.dwVersion = kSettingsVersion;
}

void MergeSettings(const PrivateSettings* input, PrivateSettings* output) {
  ConvertSettings(input, output);
  if (output == nullptr) return;
  SetHeader(*output);
  if (output->ReservedValue > 100) output->ReservedValue = 0;
}

bool ServeSettings(uint32_t mode, const PrivateSettings* input, PrivateSettings* output, uint32_t& buffer_size) {
  // The driver's buffer size is the only bound it gives on the output: a whole record
  // must fit before anything is written into it.
  const bool writes = mode == kSettingsDefault || mode == kSettingsMerge || (mode == kSettingsConvert && input != nullptr);
  if (writes && output != nullptr && buffer_size < kSettingsSize) return false;
  switch (mode) {
    case kSettingsSizeQuery: buffer_size = kSettingsSize; return true;
    case kSettingsDefault:
      if (output != nullptr) FillDefaultSettings(*output);
      return true;
    case kSettingsConvert: ConvertSettings(input, output); return true;
    case kSettingsMerge: MergeSettings(input, output); return true;
    default: return false;
  }
}

}  // namespace varnel::plugin
