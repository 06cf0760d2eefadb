// The access library against a simulated USB printer class: what is listed, what opens,
// how writes are cut and bounded, how reads are retried.
#include "usbaccess/usb_printer_access.h"

#include <gtest/gtest.h>

#include <numeric>

#include "usbaccess/sim/sim_usb_printer_class.h"

namespace varnel::usb {
namespace {

using sim::SimPrinter;
using sim::SimUsbPrinterClass;
using sim::Step;

std::string PrinterPath(int n) { return "\\\\?\\usb#vid_5e91&pid_0001#" + std::to_string(n) + "#{28d78fad}"; }

std::vector<uint8_t> Pattern(size_t size) {
  std::vector<uint8_t> bytes(size);
  std::iota(bytes.begin(), bytes.end(), uint8_t{1});
  return bytes;
}

class UsbPrinterAccessTest : public ::testing::Test {
 protected:
  // Adds a vendor printer and returns it.
  SimPrinter& AddPrinter(int n) { return system.AddInterface(PrinterPath(n), {"USB\\VID_5E91&PID_0001&REV_0100", "USB\\VID_5E91&PID_0001"}); }
  // Adds one printer and opens it.
  SimPrinter& OpenOnePrinter() {
    SimPrinter& printer = AddPrinter(0);
    EXPECT_EQ(access.Open(1), 1);
    return printer;
  }

  SimUsbPrinterClass system;
  UsbPrinterAccess access{system};
};

TEST(VendorMatch, OnlyTheFirstHardwareIdCountsWhateverItsCase) {
  struct Case {
    std::string ids;
    bool matches;
  } cases[] = {
      {std::string("USB\\VID_5E91&PID_0E15\0\0", 24), true},
      {std::string("usb\\vid_03f0&pid_1017\0\0", 24), true},
      {std::string("USB\\VID_1234&PID_0001\0USB\\VID_5E91\0\0", 36), false},
      {std::string("USBPRINT\\VarnelT80\0\0", 20), false},
      {"", false},
      {"USB\\VID_5E91", true},  // no terminating NUL: bounded by the property
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(IsVendorPrinter(cases[i].ids), cases[i].matches) << "case " << i;
  }
}

TEST_F(UsbPrinterAccessTest, ListsMatchingPrintersInSystemOrderWithoutGaps) {
  system.AddInterface("\\\\?\\a", {"usb\\vid_5e91&pid_0001"});
  system.AddInterface("\\\\?\\other", {"USB\\VID_1111&PID_0001", "USB\\VID_5E91"});
  system.AddInterface("\\\\?\\b", {"USB\\VID_03F0&PID_0002"});
  EXPECT_EQ(access.Enumerate(), 2);
  EXPECT_EQ(access.Paths(), (std::vector<std::string>{"\\\\?\\a", "\\\\?\\b"}));
}

TEST_F(UsbPrinterAccessTest, NoMatchingPrinterListsNoneAndOpensNone) {
  system.AddInterface("\\\\?\\other", {"USB\\VID_1111&PID_0001"});
  EXPECT_EQ(access.Enumerate(), 0);
  EXPECT_EQ(access.Open(1), 0);
  EXPECT_EQ(system.Printer("\\\\?\\other").opens, 0);
}

TEST_F(UsbPrinterAccessTest, TableHoldsTheFirstTenPrintersAndSkipsPathsTooLongForAnEntry) {
  system.AddInterface("\\\\?\\" + std::string(251, 'x'), {"USB\\VID_5E91"});  // 255 characters
  system.AddInterface("\\\\?\\" + std::string(250, 'y'), {"USB\\VID_5E91"});  // 254 characters: fits
  for (int n = 1; n <= 11; ++n) AddPrinter(n);
  EXPECT_EQ(access.Enumerate(), 10);
  ASSERT_EQ(access.Paths().size(), 10u);
  EXPECT_EQ(access.Paths()[0].size(), 254u);
  EXPECT_EQ(access.Paths()[9], PrinterPath(9));
  EXPECT_EQ(access.Open(11), 0);
  EXPECT_EQ(access.Open(10), 1);
  EXPECT_TRUE(system.Printer(PrinterPath(9)).open);
}

TEST_F(UsbPrinterAccessTest, FailuresEndTheListingWithThePrintersFoundSoFar) {
  for (int n = 0; n < 4; ++n) AddPrinter(n);
  system.faults.FailOnce("ListInterfaces", 13);
  EXPECT_EQ(access.Enumerate(), 0);
  system.faults.FailOnce("DevicePath", 8, 3);
  EXPECT_EQ(access.Enumerate(), 2);
  system.faults.FailOnce("HardwareIds", 13, 2);
  EXPECT_EQ(access.Enumerate(), 1);
  system.AddInterface("\\\\?\\long-ids", {std::string(300, 'V')});  // does not fit the property buffer
  AddPrinter(9);
  EXPECT_EQ(access.Enumerate(), 4);
}

TEST_F(UsbPrinterAccessTest, PositionsOutsideTheListOpenNothing) {
  AddPrinter(0);
  AddPrinter(1);
  for (int position : {0, -1, 3}) {
    EXPECT_EQ(access.Open(position), 0) << position;
    EXPECT_EQ(access.Write(Pattern(9)), 0u) << "no device is open after open(" << position << ")";
  }
  system.faults.FailOnce("OpenDevice", 5);
  EXPECT_EQ(access.Open(1), 0);
  EXPECT_EQ(access.Close(), 0);
}

TEST_F(UsbPrinterAccessTest, SecondOpenWithoutCloseLeavesOnlyTheSecondPrinterOpen) {
  SimPrinter& first = AddPrinter(0);
  SimPrinter& second = AddPrinter(1);
  ASSERT_EQ(access.Open(1), 1);
  ASSERT_EQ(access.Open(2), 1);
  EXPECT_FALSE(first.open);
  EXPECT_TRUE(second.open);
  ASSERT_EQ(access.Open(2), 1) << "the same printer opens again: the open released it first";
  EXPECT_EQ(access.Write(Pattern(3)), 3u);
  EXPECT_EQ(second.received.size(), 3u);
  EXPECT_TRUE(first.received.empty());
  EXPECT_EQ(access.Close(), 1);
  EXPECT_FALSE(second.open);
  EXPECT_EQ(access.Close(), 0);
}

TEST_F(UsbPrinterAccessTest, WritesAreCutIntoBlocksWithATrailingTransfer) {
  struct Case {
    size_t length;
    std::vector<uint32_t> transfers;
  } cases[] = {
      {0, {0}},
      {9, {9}},
      {4096, {4096}},
      {4097, {4096, 1}},
      {8192, {4096, 4096, 0}},
      {10000, {4096, 4096, 1808}},
  };
  SimPrinter& printer = OpenOnePrinter();
  for (const Case& c : cases) {
    printer.writeSizes.clear();
    printer.received.clear();
    const std::vector<uint8_t> data = Pattern(c.length);
    EXPECT_EQ(access.Write(data), c.length);
    EXPECT_EQ(printer.writeSizes, c.transfers) << c.length;
    EXPECT_EQ(printer.received, data) << c.length;
    EXPECT_EQ(printer.resets, static_cast<int>(c.transfers.size())) << "the event is reset before each transfer";
    printer.resets = 0;
    EXPECT_EQ(system.LiveTransfers(), 0);
  }
}

TEST_F(UsbPrinterAccessTest, ABlockThatTimesOutEndsTheWriteWithItsPartialCount) {
  SimPrinter& printer = OpenOnePrinter();
  printer.writeSteps = {{Step::kDone, 4096}, {Step::kPending, 4096}, {Step::kStall, 1000}};
  EXPECT_EQ(access.Write(Pattern(4 * 4096 + 100)), 8192u + 1000u);
  EXPECT_EQ(printer.writeSizes, (std::vector<uint32_t>{4096, 4096, 4096})) << "blocks four and five are not sent";
  EXPECT_EQ(printer.waits, (std::vector<uint32_t>{kWriteLimitMs, kWriteLimitMs}));
  EXPECT_EQ(printer.cancels, 1);
  EXPECT_EQ(system.LiveTransfers(), 0);

  printer.writeSteps = {{Step::kWaitFails, 7}};
  EXPECT_EQ(access.Write(Pattern(4097)), 7u);
  EXPECT_EQ(printer.cancels, 2);
}

TEST_F(UsbPrinterAccessTest, ARefusedOrShortBlockCountsWhatWentAndTheNextBlockFollows) {
  SimPrinter& printer = OpenOnePrinter();
  printer.writeSteps = {{Step::kDone, 4096}, {Step::kRefused, 0}, {Step::kPending, 50}};
  EXPECT_EQ(access.Write(Pattern(2 * 4096 + 100)), 4096u + 50u);
  EXPECT_EQ(printer.writeSizes, (std::vector<uint32_t>{4096, 4096, 100}));
  EXPECT_EQ(printer.cancels, 0);

  system.faults.FailOnce("NewTransfer", 8);
  EXPECT_EQ(access.Write(Pattern(9)), 0u);
}

TEST_F(UsbPrinterAccessTest, AReadThatEndsEmptyIsTriedOnceMore) {
  struct Case {
    std::vector<Step> steps;
    uint32_t received;
    int attempts;
    std::vector<uint32_t> waits;
  } cases[] = {
      {{{Step::kDone, 4}}, 4, 1, {}},
      {{{Step::kDone, 0}}, 0, 1, {}},
      {{{Step::kRefused, 0}}, 0, 1, {}},
      {{{Step::kPending, 3}}, 3, 1, {kReadLimitMs}},
      {{{Step::kPending, 0}, {Step::kPending, 4}}, 4, 2, {kReadLimitMs, kReadLimitMs}},
      {{{Step::kPending, 0}, {Step::kPending, 0}, {Step::kPending, 4}}, 0, 2, {kReadLimitMs, kReadLimitMs}},
      {{{Step::kPending, 0}, {Step::kDone, 2}}, 2, 2, {kReadLimitMs}},
      {{{Step::kStall, 0}}, 0, 1, {kReadLimitMs}},
      {{{Step::kPending, 0}, {Step::kStall, 1}}, 1, 2, {kReadLimitMs, kReadLimitMs}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SimUsbPrinterClass system;
    UsbPrinterAccess access(system);
    SimPrinter& printer = system.AddInterface("p", {"USB\\VID_5E91"});
    ASSERT_EQ(access.Open(1), 1);
    printer.reply = {0x12, 0x34, 0x56, 0x78};
    printer.readSteps.assign(cases[i].steps.begin(), cases[i].steps.end());
    std::vector<uint8_t> buffer(16);
    EXPECT_EQ(access.Read(buffer), cases[i].received) << "case " << i;
    EXPECT_EQ(printer.readsBegun, cases[i].attempts) << "case " << i;
    EXPECT_EQ(printer.waits, cases[i].waits) << "case " << i;
    EXPECT_EQ(printer.resets, 1) << "case " << i << ": the event is reset before the first attempt only";
    EXPECT_EQ(system.LiveTransfers(), 0) << "case " << i;
    if (cases[i].received == 4) {
      EXPECT_EQ(buffer[3], 0x78) << "case " << i;
    }
  }
}

TEST_F(UsbPrinterAccessTest, WithoutAnOpenDeviceNothingMoves) {
  AddPrinter(0);
  std::vector<uint8_t> buffer(8);
  EXPECT_EQ(access.Write(Pattern(9)), 0u);
  EXPECT_EQ(access.Read(buffer), 0u);
  EXPECT_EQ(access.Close(), 0);
  EXPECT_EQ(system.LiveTransfers(), 0);
}

}  // namespace
}  // namespace varnel::usb
