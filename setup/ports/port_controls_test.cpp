#include "setup/ports/port_controls.h"

#include <gtest/gtest.h>

namespace varnel::setup {
namespace {

TEST(PortControls, FollowTheChosenEntry) {
  const struct {
    const char* entry;
    int system;
    bool advanced;
    const char* installed;
    PortControls expected;
  } rows[] = {
      {"QZCOM3:", 7, true, "0.0.0.0", {true, false, false, false, false, false}},
      {"LPT1:", 7, true, "0.0.0.0", {false, true, true, false, false, false}},
      {"NET:", 3, false, "0.0.0.0", {false, true, true, true, false, false}},
      {"USB_VR-80_1", 7, true, "0.0.0.0", {false, true, true, false, true, true}},
      {"USB_VR-80_1", 7, false, "0.0.0.0", {false, true, true, false, false, true}},
      {"USB_VR-80_2", 7, true, "1.0.0.6", {false, true, true, false, false, false}},
      {"USB_VR-80_1", 0, true, "0.0.0.0", {false, true, true, false, false, false}},
  };
  for (const auto& row : rows) {
    const PortControls got = ControlsFor(row.entry, row.system, row.advanced, row.installed);
    const PortControls& want = row.expected;
    const std::string what = std::string(row.entry) + " system " + std::to_string(row.system) +
                             (row.advanced ? " advanced " : " typical ") + row.installed;
    EXPECT_EQ(got.serialEnabled, want.serialEnabled) << what;
    EXPECT_EQ(got.rasterEnabled, want.rasterEnabled) << what;
    EXPECT_EQ(got.rasterTicked, want.rasterTicked) << what;
    EXPECT_EQ(got.ipEnabled, want.ipEnabled) << what;
    EXPECT_EQ(got.noteShown, want.noteShown) << what;
    EXPECT_EQ(got.noteIsUpdateUsb, want.noteIsUpdateUsb) << what;
  }
  EXPECT_FALSE(RasterBoxVisible(false, 0));
  EXPECT_TRUE(RasterBoxVisible(true, 0));
  EXPECT_FALSE(RasterBoxVisible(true, 1));
}

}  // namespace
}  // namespace varnel::setup
