#pragma once
// The private settings record: the plug-in's part of every job's printer settings. The
// driver stores it behind its own settings and hands it back for every job; the driver's
// rendering side reads the same bytes when it prints. The layout is therefore a binding
// binary format: little-endian, 1464 bytes, every field at a fixed offset. It only ever
// grows at its end; a field, once placed, keeps its offset.
//
// The structures are byte-packed because the four job operation blocks start at odd
// offsets and the driver gives no alignment guarantee for the record as a whole.

#include <cstddef>
#include <cstdint>

namespace varnel::plugin {

inline constexpr uint32_t kSettingsSize = 1464;
inline constexpr uint32_t kSettingsVersion = 1;
// The four ASCII bytes "VROK" read as a little-endian 32-bit value.
inline constexpr uint32_t kSettingsSignature = 'V' | ('R' << 8) | ('O' << 16) | (uint32_t{'K'} << 24);
inline constexpr uint32_t kCommandCapacity = 128;

#pragma pack(push, 1)

// The driver plug-ins' common header (OEM_DMEXTRAHEADER).
struct SettingsHeader {
  uint32_t dwSize;
  uint32_t dwSignature;
  uint32_t dwVersion;
};

// Job operation block, layout A (start of document, 145 bytes).
struct JobOperationLayoutA {
  uint8_t SendCommand;
  uint8_t FeedToCutPosition;
  uint8_t Command[kCommandCapacity];
  uint8_t CommandLength;
  uint8_t CashDrawer;
  uint8_t PaperCut;
  uint8_t PaperFeed;
  uint8_t HeraldSetting;
  uint8_t Padding1;
  uint32_t UseHerald;
  uint8_t BuzzerVolume;
  uint8_t BuzzerCount;
  uint8_t LogoNumber;
  uint8_t LogoAlign;
  uint8_t LogoPosition;
};

// Job operation block, layout B (the other three job points). `UseHerald` sits on the next
// multiple of four of the record, so the padding before it depends on where the block lies.
template <size_t kPadding>
struct JobOperationLayoutB {
  uint8_t SendCommand;
  uint8_t FeedToCutPosition;
  uint8_t Command[kCommandCapacity];
  uint8_t CommandLength;
  uint8_t CashDrawer;
  uint8_t PaperCut;
  uint8_t PaperFeed;
  uint8_t BuzzerVolume;
  uint8_t HeraldSetting;
  uint8_t Padding1[kPadding];
  uint32_t UseHerald;
  uint8_t BuzzerCount;
  uint8_t LogoNumber;
  uint8_t LogoAlign;
  uint8_t LogoPosition;
};
template <>
struct JobOperationLayoutB<0> {
  uint8_t SendCommand;
  uint8_t FeedToCutPosition;
  uint8_t Command[kCommandCapacity];
  uint8_t CommandLength;
  uint8_t CashDrawer;
  uint8_t PaperCut;
  uint8_t PaperFeed;
  uint8_t BuzzerVolume;
  uint8_t HeraldSetting;
  uint32_t UseHerald;
  uint8_t BuzzerCount;
  uint8_t LogoNumber;
  uint8_t LogoAlign;
  uint8_t LogoPosition;
};

struct BarcodeFont1D {
  uint8_t Type;
  uint8_t ElementWidth;
  uint8_t Padding1[2];
  uint32_t ElementHeight;
  uint8_t HriPosition;
  uint8_t HriFont;
  uint8_t Padding2[2];
  uint32_t CharWidth;
  uint32_t CharHeight;
  uint8_t Gs1ElementWidth;
  uint8_t Padding3[3];
  uint32_t Gs1RowHeight;
  uint32_t Gs1Row2DHeight;
  uint8_t Gs1SeparatorHeight;
  uint8_t Gs1Hri;
  uint8_t Gs1ApplyAi;
  uint8_t Padding4;
};

struct BarcodeFont2D {
  uint8_t Type;
  uint8_t Pdf417ElementWidth;
  uint8_t Pdf417ElementHeight;
  uint8_t Pdf417Columns;
  uint8_t Pdf417Rows;
  uint8_t Pdf417ErrorLevel;
  uint8_t Gs1ElementWidth;
  uint8_t Padding1;
  uint32_t Gs1RowHeight;
  uint32_t Gs1Row2DHeight;
  uint8_t Gs1SeparatorHeight;
  uint8_t Gs1SegmentCount;
  uint8_t Gs1Hri;
  uint8_t Gs1ApplyAi;
  uint8_t QrElementWidth;
  uint8_t QrLanguage;
  uint8_t QrModel;
  uint8_t QrErrorLevel;
};

// Texts are UTF-16LE, NUL-terminated inside their field.
struct PrivateSettings {
  SettingsHeader Header;
  int32_t ReservedValue;
  JobOperationLayoutA StartDocument;
  JobOperationLayoutB<3> StartPage;
  JobOperationLayoutB<0> EndDocument;  // the end of document comes before the end of page
  JobOperationLayoutB<0> EndPage;
  plugin::BarcodeFont1D BarcodeFont1D[8];
  plugin::BarcodeFont2D BarcodeFont2D[2];
  uint8_t ReservedFlag;
  uint8_t Padding1;
  char16_t ReservedName1[16];
  char16_t ReservedName2[16];
  uint8_t TextAsGraphics;
  uint8_t Padding2;
  char16_t WatermarkBitmap[125];
  uint8_t WatermarkType;
  uint8_t Padding3;
  char16_t WatermarkText[16];
  char16_t WatermarkFont[50];
  uint8_t WatermarkFontSize;
  uint8_t WatermarkFontStyle;
  uint8_t Padding4[2];
  int32_t WatermarkAngle;
  uint8_t WatermarkPosition;
  uint8_t WatermarkSize;
  uint8_t WatermarkBrightness;
  uint8_t ZoomScale;
  uint8_t Rotate180;
  uint8_t Padding5;
  char16_t FormName[32];
  uint8_t ZoomPrinting;
  uint8_t Padding6;
};

#pragma pack(pop)

// The layout, checked field by field against the binding offsets.
static_assert(sizeof(SettingsHeader) == 12);
static_assert(sizeof(JobOperationLayoutA) == 145);
static_assert(sizeof(JobOperationLayoutB<3>) == 147);
static_assert(sizeof(JobOperationLayoutB<0>) == 144);
static_assert(sizeof(BarcodeFont1D) == 36);
static_assert(sizeof(BarcodeFont2D) == 24);
static_assert(sizeof(PrivateSettings) == kSettingsSize);

#define VARNEL_AT(field, offset) static_assert(offsetof(PrivateSettings, field) == (offset), #field)
VARNEL_AT(Header.dwSize, 0);
VARNEL_AT(Header.dwSignature, 4);
VARNEL_AT(Header.dwVersion, 8);
VARNEL_AT(ReservedValue, 12);
VARNEL_AT(StartDocument, 16);
VARNEL_AT(StartDocument.FeedToCutPosition, 17);
VARNEL_AT(StartDocument.Command, 18);
VARNEL_AT(StartDocument.CommandLength, 146);
VARNEL_AT(StartDocument.CashDrawer, 147);
VARNEL_AT(StartDocument.PaperCut, 148);
VARNEL_AT(StartDocument.PaperFeed, 149);
VARNEL_AT(StartDocument.HeraldSetting, 150);
VARNEL_AT(StartDocument.UseHerald, 152);
VARNEL_AT(StartDocument.BuzzerVolume, 156);
VARNEL_AT(StartDocument.BuzzerCount, 157);
VARNEL_AT(StartDocument.LogoNumber, 158);
VARNEL_AT(StartDocument.LogoAlign, 159);
VARNEL_AT(StartDocument.LogoPosition, 160);
VARNEL_AT(StartPage, 161);
VARNEL_AT(StartPage.Command, 163);
VARNEL_AT(StartPage.CommandLength, 291);
VARNEL_AT(StartPage.CashDrawer, 292);
VARNEL_AT(StartPage.PaperCut, 293);
VARNEL_AT(StartPage.PaperFeed, 294);
VARNEL_AT(StartPage.BuzzerVolume, 295);
VARNEL_AT(StartPage.HeraldSetting, 296);
VARNEL_AT(StartPage.UseHerald, 300);
VARNEL_AT(StartPage.BuzzerCount, 304);
VARNEL_AT(StartPage.LogoNumber, 305);
VARNEL_AT(StartPage.LogoAlign, 306);
VARNEL_AT(StartPage.LogoPosition, 307);
VARNEL_AT(EndDocument, 308);
VARNEL_AT(EndDocument.FeedToCutPosition, 309);
VARNEL_AT(EndDocument.Command, 310);
VARNEL_AT(EndDocument.CommandLength, 438);
VARNEL_AT(EndDocument.CashDrawer, 439);
VARNEL_AT(EndDocument.PaperCut, 440);
VARNEL_AT(EndDocument.PaperFeed, 441);
VARNEL_AT(EndDocument.BuzzerVolume, 442);
VARNEL_AT(EndDocument.HeraldSetting, 443);
VARNEL_AT(EndDocument.UseHerald, 444);
VARNEL_AT(EndDocument.BuzzerCount, 448);
VARNEL_AT(EndDocument.LogoNumber, 449);
VARNEL_AT(EndDocument.LogoAlign, 450);
VARNEL_AT(EndDocument.LogoPosition, 451);
VARNEL_AT(EndPage, 452);
VARNEL_AT(EndPage.Command, 454);
VARNEL_AT(EndPage.CommandLength, 582);
VARNEL_AT(EndPage.CashDrawer, 583);
VARNEL_AT(EndPage.PaperCut, 584);
VARNEL_AT(EndPage.PaperFeed, 585);
VARNEL_AT(EndPage.BuzzerVolume, 586);
VARNEL_AT(EndPage.HeraldSetting, 587);
VARNEL_AT(EndPage.UseHerald, 588);
VARNEL_AT(EndPage.BuzzerCount, 592);
VARNEL_AT(EndPage.LogoNumber, 593);
VARNEL_AT(EndPage.LogoAlign, 594);
VARNEL_AT(EndPage.LogoPosition, 595);
VARNEL_AT(BarcodeFont1D, 596);
VARNEL_AT(BarcodeFont1D[7], 848);
VARNEL_AT(BarcodeFont1D[0].ElementHeight, 600);
VARNEL_AT(BarcodeFont1D[0].HriPosition, 604);
VARNEL_AT(BarcodeFont1D[0].HriFont, 605);
VARNEL_AT(BarcodeFont1D[0].CharWidth, 608);
VARNEL_AT(BarcodeFont1D[0].CharHeight, 612);
VARNEL_AT(BarcodeFont1D[0].Gs1ElementWidth, 616);
VARNEL_AT(BarcodeFont1D[0].Gs1RowHeight, 620);
VARNEL_AT(BarcodeFont1D[0].Gs1Row2DHeight, 624);
VARNEL_AT(BarcodeFont1D[0].Gs1SeparatorHeight, 628);
VARNEL_AT(BarcodeFont1D[0].Gs1Hri, 629);
VARNEL_AT(BarcodeFont1D[0].Gs1ApplyAi, 630);
VARNEL_AT(BarcodeFont2D, 884);
VARNEL_AT(BarcodeFont2D[1], 908);
VARNEL_AT(BarcodeFont2D[0].Gs1ElementWidth, 890);
VARNEL_AT(BarcodeFont2D[0].Gs1RowHeight, 892);
VARNEL_AT(BarcodeFont2D[0].Gs1Row2DHeight, 896);
VARNEL_AT(BarcodeFont2D[0].Gs1SeparatorHeight, 900);
VARNEL_AT(BarcodeFont2D[0].Gs1SegmentCount, 901);
VARNEL_AT(BarcodeFont2D[0].Gs1Hri, 902);
VARNEL_AT(BarcodeFont2D[0].Gs1ApplyAi, 903);
VARNEL_AT(BarcodeFont2D[0].QrElementWidth, 904);
VARNEL_AT(BarcodeFont2D[0].QrLanguage, 905);
VARNEL_AT(BarcodeFont2D[0].QrModel, 906);
VARNEL_AT(BarcodeFont2D[0].QrErrorLevel, 907);
VARNEL_AT(ReservedFlag, 932);
VARNEL_AT(ReservedName1, 934);
VARNEL_AT(ReservedName2, 966);
VARNEL_AT(TextAsGraphics, 998);
VARNEL_AT(WatermarkBitmap, 1000);
VARNEL_AT(WatermarkType, 1250);
VARNEL_AT(WatermarkText, 1252);
VARNEL_AT(WatermarkFont, 1284);
VARNEL_AT(WatermarkFontSize, 1384);
VARNEL_AT(WatermarkFontStyle, 1385);
VARNEL_AT(WatermarkAngle, 1388);
VARNEL_AT(WatermarkPosition, 1392);
VARNEL_AT(WatermarkSize, 1393);
VARNEL_AT(WatermarkBrightness, 1394);
VARNEL_AT(ZoomScale, 1395);
VARNEL_AT(Rotate180, 1396);
VARNEL_AT(FormName, 1398);
VARNEL_AT(ZoomPrinting, 1462);
#undef VARNEL_AT

// The job points, in the order the Operation page shows them.
enum class JobPoint { kStartDocument = 0, kStartPage = 1, kEndPage = 2, kEndDocument = 3 };

// One job operation block as plain values, whatever its layout in the record.
struct JobOperation {
  uint8_t SendCommand = 0;
  uint8_t FeedToCutPosition = 0;
  uint8_t Command[kCommandCapacity] = {};
  uint8_t CommandLength = 0;
  uint8_t CashDrawer = 0;
  uint8_t PaperCut = 0;
  uint8_t PaperFeed = 0;
  uint8_t HeraldSetting = 0;
  uint32_t UseHerald = 0;
  uint8_t BuzzerVolume = 0;
  uint8_t BuzzerCount = 0;
  uint8_t LogoNumber = 0;
  uint8_t LogoAlign = 0;
  uint8_t LogoPosition = 0;

  bool operator==(const JobOperation&) const = default;
};

JobOperation ReadJobOperation(const PrivateSettings& settings, JobPoint point);
// Writes every field of the block, padding untouched.
void WriteJobOperation(PrivateSettings& settings, JobPoint point, const JobOperation& operation);
// The defaults of one job point.
JobOperation DefaultJobOperation(JobPoint point);

// A default record: header 1464, "VROK", 1 and every field at its default.
void FillDefaultSettings(PrivateSettings& settings);

// Conversion of a record that came from elsewhere. Missing pointers change nothing. When
// the two records do not both carry this plug-in's signature the output becomes a default
// record; otherwise it keeps the input's
// bytes up to the smaller of the two sizes (never more than this layout) and the defaults
// after them. `input` and `output` may be the same record.
void ConvertSettings(const PrivateSettings* input, PrivateSettings* output);
// Conversion, then the header is set anew and `ReservedValue` above 100 is reset to 0.
void MergeSettings(const PrivateSettings* input, PrivateSettings* output);

// The settings operation the driver calls, by its mode: 1 size (sets `buffer_size` to
// 1464), 2 default (fills `output`), 3 convert, 4 merge. Returns false for any other mode,
// and when `output` would be written but `buffer_size` is below 1464, with nothing written.
enum SettingsMode : uint32_t { kSettingsSizeQuery = 1, kSettingsDefault = 2, kSettingsConvert = 3, kSettingsMerge = 4 };
bool ServeSettings(uint32_t mode, const PrivateSettings* input, PrivateSettings* output, uint32_t& buffer_size);

// Fixed-width text fields: `CopyText` writes at most N - 1 units and always terminates.
template <size_t N>
void CopyText(char16_t (&field)[N], const char16_t* text) {
  size_t i = 0;
  for (; text != nullptr && i + 1 < N && text[i] != u'\0'; ++i) field[i] = text[i];
  for (; i < N; ++i) field[i] = u'\0';
}

}  // namespace varnel::plugin
