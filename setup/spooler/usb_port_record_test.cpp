#include "setup/spooler/usb_port_record.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_registry.h"

namespace varnel::setup {
namespace {

using os::RegRoot;
using os::RegView;

TEST(RecordUsbPort, WritesTheNumberAndCreatesBothKeys) {
  os::sim::SimRegistry registry;
  ASSERT_TRUE(RecordUsbPort(registry, "USB_001", 3, RegView::Native).ok());
  uint32_t number = 0;
  ASSERT_TRUE(registry.GetDword(RegRoot::LocalMachine, kPortNameKey, "usb_001", number).ok());
  EXPECT_EQ(number, 3u);
  EXPECT_TRUE(registry.KeyExists(RegRoot::LocalMachine, kPrinterPortKey));
}

TEST(RecordUsbPort, On64BitSystemWritesThe64BitViewOnly) {
  os::sim::SimRegistry registry(/*wow64=*/true);
  ASSERT_TRUE(RecordUsbPort(registry, "USB_002", 7, RegView::Force64).ok());
  EXPECT_TRUE(registry.KeyExists(RegRoot::LocalMachine, kPortNameKey, RegView::Force64));
  EXPECT_FALSE(registry.KeyExists(RegRoot::LocalMachine, kPortNameKey, RegView::Native));
}

TEST(RecordUsbPort, KeepsOtherPortsAndReportsRegistryFailures) {
  os::sim::SimRegistry registry;
  ASSERT_TRUE(RecordUsbPort(registry, "USB_001", 1, RegView::Native).ok());
  registry.faults.FailOnce("CreateKey", 5);
  const Status st = RecordUsbPort(registry, "USB_002", 2, RegView::Native);
  EXPECT_EQ(st.code(), 5u);
  uint32_t first = 0;
  ASSERT_TRUE(registry.GetDword(RegRoot::LocalMachine, kPortNameKey, "USB_001", first).ok());
  EXPECT_EQ(first, 1u);

  registry.faults.FailOnce("SetDword", 5);
  EXPECT_EQ(RecordUsbPort(registry, "USB_003", 3, RegView::Native).code(), 5u);
  EXPECT_EQ(registry.faults.Calls("CreateKey"), 2) << "PRINTERPORT is not touched after a failed write";
}

}  // namespace
}  // namespace varnel::setup
