#include "plugin/pages/job_operation.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace varnel::plugin {
namespace {

using Record = std::array<uint8_t, 1464>;

// The absolute offsets of every field of the four blocks, as the rendering side reads them.
struct Layout {
  JobPoint point;
  size_t sendCommand, feedToCut, command, commandLength, cashDrawer, paperCut, paperFeed, heraldSetting,
      useHerald, buzzerVolume, buzzerCount, logoNumber, logoAlign, logoPosition;
};
constexpr Layout kLayouts[] = {
    {JobPoint::kStartDocument, 16, 17, 18, 146, 147, 148, 149, 150, 152, 156, 157, 158, 159, 160},
    {JobPoint::kStartPage, 161, 162, 163, 291, 292, 293, 294, 296, 300, 295, 304, 305, 306, 307},
    {JobPoint::kEndDocument, 308, 309, 310, 438, 439, 440, 441, 443, 444, 442, 448, 449, 450, 451},
    {JobPoint::kEndPage, 452, 453, 454, 582, 583, 584, 585, 587, 588, 586, 592, 593, 594, 595},
};

JobOperation DistinctBlock() {
  JobOperation block;
  block.SendCommand = 1;
  block.FeedToCutPosition = 1;
  for (size_t i = 0; i < block.Command.size(); ++i) block.Command[i] = static_cast<uint8_t>(0x80 + i);
  block.CommandLength = 128;
  block.CashDrawer = 7;
  block.PaperCut = 2;
  block.PaperFeed = 99;
  block.HeraldSetting = 1;
  block.UseHerald = 0x04030201;  // every byte distinct, so the width and order show
  block.BuzzerVolume = 254;
  block.BuzzerCount = 5;
  block.LogoNumber = 9;
  block.LogoAlign = 2;
  block.LogoPosition = 1;
  return block;
}

TEST(JobOperationBlocks, EachFieldLandsAtItsOffsetAndNothingElseChanges) {
  for (const Layout& at : kLayouts) {
    SCOPED_TRACE(static_cast<int>(at.point));
    Record record;
    record.fill(0xCC);
    const Record before = record;
    WriteJobOperation(record, at.point, DistinctBlock());

    std::vector<bool> written(record.size(), false);
    auto expect_byte = [&](size_t offset, uint8_t value) {
      EXPECT_EQ(record[offset], value) << "offset " << offset;
      written[offset] = true;
    };
    expect_byte(at.sendCommand, 1);
    expect_byte(at.feedToCut, 1);
    for (size_t i = 0; i < 128; ++i) expect_byte(at.command + i, static_cast<uint8_t>(0x80 + i));
    expect_byte(at.commandLength, 128);
    expect_byte(at.cashDrawer, 7);
    expect_byte(at.paperCut, 2);
    expect_byte(at.paperFeed, 99);
    expect_byte(at.heraldSetting, 1);
    for (size_t i = 0; i < 4; ++i) expect_byte(at.useHerald + i, static_cast<uint8_t>(i + 1));
    expect_byte(at.buzzerVolume, 254);
    expect_byte(at.buzzerCount, 5);
    expect_byte(at.logoNumber, 9);
    expect_byte(at.logoAlign, 2);
    expect_byte(at.logoPosition, 1);
    for (size_t i = 0; i < record.size(); ++i) {
      if (!written[i]) {
        ASSERT_EQ(record[i], before[i]) << "byte " << i << " outside the block's fields";
      }
    }
    EXPECT_EQ(ReadJobOperation(record, at.point), DistinctBlock());
  }
}

TEST(JobOperationBlocks, DefaultRecordReadsAsEachJobPointsDefaults) {
  // The default record's job operation bytes: all zero but the start-of-document cash
  // drawer (12) and the end-of-document feed-to-cut and partial cut.
  Record record{};
  record[147] = 12;
  record[309] = 1;
  record[440] = 1;
  for (const JobPoint point : kJobPoints) {
    EXPECT_EQ(ReadJobOperation(record, point), DefaultJobOperation(point)) << static_cast<int>(point);
  }
  EXPECT_EQ(DefaultJobOperation(JobPoint::kStartDocument).CashDrawer, 12);
  EXPECT_EQ(DefaultJobOperation(JobPoint::kEndDocument).PaperCut, 1);
  EXPECT_EQ(DefaultJobOperation(JobPoint::kEndPage), JobOperation{});
}

}  // namespace
}  // namespace varnel::plugin
