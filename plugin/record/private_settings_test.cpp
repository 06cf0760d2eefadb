#include "plugin/record/private_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace varnel::plugin {
namespace {

// Records live on the heap at exactly their size, so that AddressSanitizer reports any
// access outside the 1464 bytes.
struct Record {
  std::unique_ptr<uint8_t[]> bytes = std::make_unique<uint8_t[]>(kSettingsSize);
  PrivateSettings* get() { return reinterpret_cast<PrivateSettings*>(bytes.get()); }
  uint8_t at(size_t offset) const { return bytes[offset]; }
  uint32_t u32(size_t offset) const {
    uint32_t value;
    std::memcpy(&value, &bytes[offset], 4);
    return value;
  }
  void put_u32(size_t offset, uint32_t value) { std::memcpy(&bytes[offset], &value, 4); }
  std::vector<uint8_t> copy() const { return {bytes.get(), bytes.get() + kSettingsSize}; }
};

Record DefaultRecord() {
  Record record;
  FillDefaultSettings(*record.get());
  return record;
}

// A record of this plug-in whose every byte after the signature differs from the defaults.
Record PatternRecord(uint32_t size) {
  Record record;
  for (size_t i = 0; i < kSettingsSize; ++i) record.bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  record.put_u32(0, size);
  std::memcpy(&record.bytes[4], "VROK", 4);
  record.put_u32(8, 77);
  return record;
}

TEST(PrivateSettingsDefault, HoldsTheBindingValuesAtTheirOffsets) {
  const Record record = DefaultRecord();
  EXPECT_EQ(record.u32(0), 1464u);
  EXPECT_EQ(std::memcmp(&record.bytes[4], "VROK", 4), 0);
  EXPECT_EQ(record.u32(8), 1u);
  EXPECT_EQ(record.u32(4), kSettingsSignature);

  struct { size_t offset; uint8_t value; } bytes[] = {
      {147, 12}, {309, 1}, {440, 1},                                        // job operations
      {596, 0}, {632, 1}, {668, 3}, {704, 4}, {740, 5}, {776, 6}, {812, 7}, {848, 8},  // 1D types
      {597, 3}, {616, 2}, {628, 1}, {629, 1}, {630, 1},                     // 1D entry 0
      {885, 3}, {886, 3}, {887, 3}, {888, 3}, {889, 5}, {890, 2}, {900, 2}, {901, 4},
      {902, 1}, {903, 1}, {904, 3}, {906, 1}, {907, 1}, {909, 3}, {931, 1},  // 2D entries
      {1384, 50}, {1392, 4}, {1393, 100}, {1394, 50}, {1395, 100},
      {998, 0}, {1250, 0}, {1396, 0}, {1462, 0}, {932, 0},
  };
  for (const auto& expected : bytes) {
    EXPECT_EQ(record.at(expected.offset), expected.value) << "byte at " << expected.offset;
  }
  struct { size_t offset; uint32_t value; } words[] = {
      {12, 0}, {600, 163}, {608, 24}, {612, 163}, {620, 100}, {624, 2},
      {848 + 4, 163}, {892, 100}, {896, 2}, {1388, 45}, {152, 0}, {300, 0}, {444, 0}, {588, 0},
  };
  for (const auto& expected : words) {
    EXPECT_EQ(record.u32(expected.offset), expected.value) << "word at " << expected.offset;
  }
  // Commands and texts are cleared.
  for (size_t offset : {18u, 163u, 310u, 454u, 934u, 966u, 1000u, 1252u, 1284u, 1398u}) {
    EXPECT_EQ(record.at(offset), 0) << "byte at " << offset;
  }
}

TEST(PrivateSettingsJobOperation, EachJobPointUsesItsOwnLayout) {
  // Offsets of UseHerald, BuzzerVolume and LogoPosition of each block.
  struct Case { JobPoint point; size_t use_herald, volume, logo_position, command; } cases[] = {
      {JobPoint::kStartDocument, 152, 156, 160, 18},
      {JobPoint::kStartPage, 300, 295, 307, 163},
      {JobPoint::kEndPage, 588, 586, 595, 454},
      {JobPoint::kEndDocument, 444, 442, 451, 310},
  };
  for (const Case& c : cases) {
    Record record = DefaultRecord();
    JobOperation op = ReadJobOperation(*record.get(), c.point);
    EXPECT_EQ(op, DefaultJobOperation(c.point));
    op.UseHerald = 0x01020304;
    op.BuzzerVolume = 0xAB;
    op.LogoPosition = 1;
    op.Command[127] = 0x5A;
    const std::vector<uint8_t> before = record.copy();
    WriteJobOperation(*record.get(), c.point, op);
    EXPECT_EQ(record.u32(c.use_herald), 0x01020304u) << static_cast<int>(c.point);
    EXPECT_EQ(record.at(c.volume), 0xAB) << static_cast<int>(c.point);
    EXPECT_EQ(record.at(c.logo_position), 1) << static_cast<int>(c.point);
    EXPECT_EQ(record.at(c.command + 127), 0x5A) << static_cast<int>(c.point);
    // Exactly those bytes changed: nothing leaks into a neighbouring block.
    size_t changed = 0;
    for (size_t i = 0; i < kSettingsSize; ++i) changed += before[i] != record.at(i);
    EXPECT_EQ(changed, 4u + 1 + 1 + 1) << static_cast<int>(c.point);
    EXPECT_EQ(ReadJobOperation(*record.get(), c.point), op);
  }
}

TEST(PrivateSettingsService, SizeQueryAnswers1464AndTouchesNoRecord) {
  Record input = PatternRecord(1464);
  Record output = PatternRecord(1464);
  const auto input_before = input.copy();
  const auto output_before = output.copy();
  for (uint32_t start : {0u, 12u, 1464u, 0xFFFFFFFFu}) {
    uint32_t size = start;
    EXPECT_TRUE(ServeSettings(kSettingsSizeQuery, input.get(), output.get(), size));
    EXPECT_EQ(size, 1464u);
  }
  EXPECT_EQ(input.copy(), input_before);
  EXPECT_EQ(output.copy(), output_before);
}

TEST(PrivateSettingsService, UnknownModeWritesNothing) {
  Record output = PatternRecord(1464);
  const auto before = output.copy();
  for (uint32_t mode : {0u, 5u, 0xFFFFFFFFu}) {
    uint32_t size = 7;
    EXPECT_FALSE(ServeSettings(mode, output.get(), output.get(), size)) << mode;
    EXPECT_EQ(size, 7u);
  }
  EXPECT_EQ(output.copy(), before);
}

TEST(PrivateSettingsService, MissingRecordsChangeNothing) {
  Record record = PatternRecord(1464);
  const auto before = record.copy();
  uint32_t size = kSettingsSize;
  for (uint32_t mode : {kSettingsConvert, kSettingsMerge}) {
    EXPECT_TRUE(ServeSettings(mode, record.get(), nullptr, size));
    EXPECT_TRUE(ServeSettings(mode, nullptr, nullptr, size));
  }
  EXPECT_TRUE(ServeSettings(kSettingsConvert, nullptr, record.get(), size));
  EXPECT_TRUE(ServeSettings(kSettingsDefault, nullptr, nullptr, size));
  EXPECT_EQ(record.copy(), before);

  // A merge without input still gives the output this plug-in's header.
  EXPECT_TRUE(ServeSettings(kSettingsMerge, nullptr, record.get(), size));
  EXPECT_EQ(record.u32(8), 1u);
  EXPECT_EQ(record.u32(12), 0u);  // ReservedValue was above 100
  EXPECT_TRUE(std::equal(before.begin() + 16, before.end(), record.bytes.get() + 16));
}

// The driver says how large the output buffer is; a record never goes beyond it. The
// buffer is exactly that size on the heap, so AddressSanitizer sees any write past it.
TEST(PrivateSettingsService, OutputBufferSmallerThanTheRecordIsRefusedUntouched) {
  Record input = PatternRecord(1464);
  for (const uint32_t buffer_size : {0u, 12u, 600u, kSettingsSize - 1}) {
    const size_t bytes = std::max<size_t>(buffer_size, 1);
    auto buffer = std::make_unique<uint8_t[]>(bytes);
    std::memset(buffer.get(), 0x5A, bytes);
    if (buffer_size >= 12) std::memcpy(&buffer[4], "VROK", 4);  // the same signature: a conversion copies
    const std::vector<uint8_t> before(buffer.get(), buffer.get() + bytes);
    auto* output = reinterpret_cast<PrivateSettings*>(buffer.get());
    for (uint32_t mode : {kSettingsDefault, kSettingsConvert, kSettingsMerge}) {
      uint32_t size = buffer_size;
      EXPECT_FALSE(ServeSettings(mode, input.get(), output, size)) << mode << " into " << buffer_size;
      EXPECT_EQ(size, buffer_size);
      EXPECT_EQ(std::vector<uint8_t>(buffer.get(), buffer.get() + bytes), before) << mode << " into " << buffer_size;
    }
  }
}

TEST(PrivateSettingsMerge, ForeignSignatureGivesExactlyADefaultRecord) {
  const auto expected = DefaultRecord().copy();
  for (const char* signature : {"ABCD", "vrok", "\0\0\0\0"}) {
    Record input = PatternRecord(1464);
    std::memcpy(&input.bytes[4], signature, 4);
    Record output = PatternRecord(1464);
    MergeSettings(input.get(), output.get());
    EXPECT_EQ(output.copy(), expected) << signature;
  }
}

TEST(PrivateSettingsMerge, EqualForeignSignaturesStillGiveThisPluginsRecord) {
  // Whatever the plug-in writes carries its own signature, also when both sides agree on
  // another one.
  Record input = PatternRecord(1464);
  Record output = PatternRecord(1464);
  std::memcpy(&input.bytes[4], "XXXX", 4);
  std::memcpy(&output.bytes[4], "XXXX", 4);
  ConvertSettings(input.get(), output.get());
  EXPECT_EQ(output.copy(), DefaultRecord().copy());
}

TEST(PrivateSettingsMerge, ShorterRecordKeepsItsBytesAndDefaultsTheRest) {
  Record input = PatternRecord(600);
  Record output = DefaultRecord();
  MergeSettings(input.get(), output.get());
  const Record defaults = DefaultRecord();
  EXPECT_EQ(output.u32(0), 1464u);
  EXPECT_EQ(output.u32(8), 1u);
  for (size_t i = 16; i < 600; ++i) ASSERT_EQ(output.at(i), input.at(i)) << "byte " << i;
  for (size_t i = 600; i < kSettingsSize; ++i) ASSERT_EQ(output.at(i), defaults.at(i)) << "byte " << i;
}

TEST(PrivateSettingsMerge, ReservedValueAbove100IsResetOnlyByMerge) {
  struct Case { int32_t value; bool merge; int32_t expected; } cases[] = {
      {101, true, 0}, {100, true, 100}, {0x7FFFFFFF, true, 0}, {-5, true, -5}, {101, false, 101},
  };
  for (const Case& c : cases) {
    Record input = PatternRecord(1464);
    input.put_u32(12, static_cast<uint32_t>(c.value));
    Record output = DefaultRecord();
    if (c.merge) {
      MergeSettings(input.get(), output.get());
    } else {
      ConvertSettings(input.get(), output.get());
    }
    EXPECT_EQ(static_cast<int32_t>(output.u32(12)), c.expected) << c.value << (c.merge ? " merge" : " convert");
  }
}

TEST(PrivateSettingsMerge, ConvertingARecordOntoItselfKeepsIt) {
  Record record = PatternRecord(1464);
  const auto before = record.copy();
  ConvertSettings(record.get(), record.get());
  auto expected = before;
  const uint32_t version = 1;
  std::memcpy(&expected[8], &version, 4);
  EXPECT_EQ(record.copy(), expected);
}

// Sizes taken from the records themselves can be anything: the copy never leaves the 1464
// bytes on either side, and the result holds the input's bytes up to the smaller size.
TEST(PrivateSettingsMerge, CorruptedSizesStayInsideTheRecord) {
  const uint32_t sizes[] = {0, 11, 12, 600, 1463, 1464, 1465, 70000, 0xFFFFFFFF};
  const Record defaults = DefaultRecord();
  for (uint32_t input_size : sizes) {
    for (uint32_t output_size : sizes) {
      for (bool merge : {false, true}) {
        Record input = PatternRecord(input_size);
        Record output = PatternRecord(output_size);
        std::memset(&output.bytes[12], 0xEE, kSettingsSize - 12);
        if (merge) {
          MergeSettings(input.get(), output.get());
        } else {
          ConvertSettings(input.get(), output.get());
        }
        const uint32_t kept = std::min({input_size, output_size, kSettingsSize});
        SCOPED_TRACE(testing::Message() << "input " << input_size << " output " << output_size
                                        << (merge ? " merge" : " convert"));
        ASSERT_EQ(output.u32(0), 1464u);
        ASSERT_EQ(output.u32(4), kSettingsSignature);
        ASSERT_EQ(output.u32(8), 1u);
        for (size_t i = 12; i < kSettingsSize; ++i) {
          const uint8_t expected = i < kept ? input.at(i) : defaults.at(i);
          if (merge && i >= 12 && i < 16) continue;  // ReservedValue may be reset
          ASSERT_EQ(output.at(i), expected) << "byte " << i;
        }
      }
    }
  }
}

TEST(PrivateSettingsText, CopyTextStopsInsideTheField) {
  Record record = DefaultRecord();
  PrivateSettings& settings = *record.get();
  CopyText(settings.WatermarkText, u"A text much longer than sixteen units");
  EXPECT_EQ(settings.WatermarkText[14], u'n');
  EXPECT_EQ(settings.WatermarkText[15], u'\0');
  EXPECT_EQ(record.at(1284), 0);  // WatermarkFont untouched
  CopyText(settings.WatermarkText, u"DRAFT");
  EXPECT_EQ(std::u16string(settings.WatermarkText), u"DRAFT");
  EXPECT_EQ(settings.WatermarkText[15], u'\0');
}

}  // namespace
}  // namespace varnel::plugin
