#include "plugin/pages/job_operation.h"

#include <algorithm>
#include <cassert>

namespace varnel::plugin {
namespace {

// Absolute offsets of each block's fields in the record. The blocks differ in where the
// 32-bit UseHerald and BuzzerVolume lie, and the start-of-page block carries padding
// that aligns UseHerald to four bytes.
struct BlockOffsets {
  size_t SendCommand, FeedToCutPosition, Command, CommandLength, CashDrawer, PaperCut, PaperFeed,
      HeraldSetting, UseHerald, BuzzerVolume, BuzzerCount, LogoNumber, LogoAlign, LogoPosition;
};

// Indexed by JobPoint.
constexpr BlockOffsets kBlocks[] = {
    /* StartDocument */ {16, 17, 18, 146, 147, 148, 149, 150, 152, 156, 157, 158, 159, 160},
    /* StartPage     */ {161, 162, 163, 291, 292, 293, 294, 296, 300, 295, 304, 305, 306, 307},
    /* EndPage       */ {452, 453, 454, 582, 583, 584, 585, 587, 588, 586, 592, 593, 594, 595},
    /* EndDocument   */ {308, 309, 310, 438, 439, 440, 441, 443, 444, 442, 448, 449, 450, 451},
};
constexpr size_t kRecordEnd = 596;  // the first byte after the last block

const BlockOffsets& OffsetsOf(JobPoint point) { return kBlocks[static_cast<int>(point)]; }

uint32_t ReadU32(std::span<const uint8_t> record, size_t at) {
  return uint32_t{record[at]} | uint32_t{record[at + 1]} << 8 | uint32_t{record[at + 2]} << 16 |
         uint32_t{record[at + 3]} << 24;
}

void WriteU32(std::span<uint8_t> record, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) record[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

JobOperation DefaultJobOperation(JobPoint point) {
  JobOperation block;
  if (point == JobPoint::kStartDocument) block.CashDrawer = 12;  // drawers #1 and #2, 60 ms
  if (point == JobPoint::kEndDocument) {
    block.FeedToCutPosition = 1;
    block.PaperCut = 1;  // partial cut
  }
  return block;
}

JobOperation ReadJobOperation(std::span<const uint8_t> record, JobPoint point) {
  assert(record.size() >= kRecordEnd);
  const BlockOffsets& at = OffsetsOf(point);
  JobOperation block;
  block.SendCommand = record[at.SendCommand];
  block.FeedToCutPosition = record[at.FeedToCutPosition];
  std::copy_n(record.begin() + at.Command, block.Command.size(), block.Command.begin());
  block.CommandLength = record[at.CommandLength];
  block.CashDrawer = record[at.CashDrawer];
  block.PaperCut = record[at.PaperCut];
  block.PaperFeed = record[at.PaperFeed];
  block.HeraldSetting = record[at.HeraldSetting];
  block.UseHerald = ReadU32(record, at.UseHerald);
  block.BuzzerVolume = record[at.BuzzerVolume];
  block.BuzzerCount = record[at.BuzzerCount];
  block.LogoNumber = record[at.LogoNumber];
  block.LogoAlign = record[at.LogoAlign];
  block.LogoPosition = record[at.LogoPosition];
  return block;
}

void WriteJobOperation(std::span<uint8_t> record, JobPoint point, const JobOperation& block) {
  assert(record.size() >= kRecordEnd);
  const BlockOffsets& at = OffsetsOf(point);
  record[at.SendCommand] = block.SendCommand;
  record[at.FeedToCutPosition] = block.FeedToCutPosition;
  std::copy(block.Command.begin(), block.Command.end(), record.begin() + at.Command);
  record[at.CommandLength] = block.CommandLength;
  record[at.CashDrawer] = block.CashDrawer;
  record[at.PaperCut] = block.PaperCut;
  record[at.PaperFeed] = block.PaperFeed;
  record[at.HeraldSetting] = block.HeraldSetting;
  WriteU32(record, at.UseHerald, block.UseHerald);
  record[at.BuzzerVolume] = block.BuzzerVolume;
  record[at.BuzzerCount] = block.BuzzerCount;
  record[at.LogoNumber] = block.LogoNumber;
  record[at.LogoAlign] = block.LogoAlign;
  record[at.LogoPosition] = block.LogoPosition;
}

}  // namespace varnel::plugin
