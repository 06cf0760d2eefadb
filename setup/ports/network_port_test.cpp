#include "setup/ports/network_port.h"

#include <gtest/gtest.h>

namespace varnel::setup {
namespace {

uint32_t At32(const std::array<uint8_t, kNetworkRecordSize>& r, size_t at) {
  return r[at] | r[at + 1] << 8 | r[at + 2] << 16 | static_cast<uint32_t>(r[at + 3]) << 24;
}

std::string TextAt(const std::array<uint8_t, kNetworkRecordSize>& r, size_t at, size_t units) {
  std::string text;
  for (size_t i = 0; i < units; ++i) {
    const uint16_t unit = r[at + 2 * i] | r[at + 2 * i + 1] << 8;
    if (unit == 0) break;
    text.push_back(static_cast<char>(unit));
  }
  return text;
}

TEST(NetworkPort, RefusesAnEmptyAddress) {
  EXPECT_EQ(NetworkPortName({0, 0, 0, 0}, "0.0.0.0"), std::nullopt);
  EXPECT_EQ(NetworkPortName({10, 0, 0, 1}, "10.0.0.1"), "QZIP_10.0.0.1");
}

TEST(NetworkPort, RecordHasEveryFieldAtItsOffset) {
  const auto record = NetworkPortRecord("QZIP_10.0.0.1", "10.0.0.1");
  std::array<uint8_t, kNetworkRecordSize> expected{};
  auto text = [&](size_t at, const char* s) {
    for (size_t i = 0; s[i]; ++i) expected[at + 2 * i] = static_cast<uint8_t>(s[i]);
  };
  auto number = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) expected[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  text(0, "QZIP_10.0.0.1");
  number(128, 1);
  number(132, 1);
  number(136, 964);
  text(144, "10.0.0.1");
  text(242, "public");
  number(308, 1);
  number(952, 9100);
  number(960, 1);
  EXPECT_EQ(record, expected);
  EXPECT_EQ(At32(record, 956), 0u);
}

TEST(NetworkPort, OverlongTextsAreCutInsideTheirFields) {
  const std::string longName(100, 'N'), longHost(80, 'h');
  const auto record = NetworkPortRecord(longName, longHost);
  EXPECT_EQ(TextAt(record, 0, 64), std::string(63, 'N'));
  EXPECT_EQ(At32(record, 128), 1u) << "the name does not run into the version";
  EXPECT_EQ(TextAt(record, 144, 49), std::string(48, 'h'));
  EXPECT_EQ(TextAt(record, 242, 33), "public");
}

}  // namespace
}  // namespace varnel::setup
