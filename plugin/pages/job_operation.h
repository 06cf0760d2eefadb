#pragma once
// The settings of one job point (start and end of document and page) as the four
// JobOperation blocks of the private settings record hold them.

#include <cstdint>
#include <span>

#include "plugin/codec/command_text.h"

namespace varnel::plugin {

// Job points in the order of the Operation page's buttons. Not the order of the blocks in
// the record: there the end-of-document block lies before the end-of-page block.
enum class JobPoint : int { kStartDocument = 0, kStartPage = 1, kEndPage = 2, kEndDocument = 3 };
inline constexpr JobPoint kJobPoints[] = {JobPoint::kStartDocument, JobPoint::kStartPage,
                                          JobPoint::kEndPage, JobPoint::kEndDocument};

struct JobOperation {
  uint8_t SendCommand = 0;
  uint8_t FeedToCutPosition = 0;
  CommandBuffer Command{};
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

JobOperation DefaultJobOperation(JobPoint point);

// The record is the whole private settings record (1464 bytes). Writing touches the
// block's fields only, never its padding.
JobOperation ReadJobOperation(std::span<const uint8_t> record, JobPoint point);
void WriteJobOperation(std::span<uint8_t> record, JobPoint point, const JobOperation& block);

}  // namespace varnel::plugin
