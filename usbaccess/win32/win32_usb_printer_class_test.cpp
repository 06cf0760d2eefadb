// The Win32 printer class against the real system: the device list, and overlapped
// transfers on a named pipe standing in for a printer's device (same calls, same
// pending, cancel and completion behaviour).
#include "usbaccess/win32/win32_usb_printer_class.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnel::win32 {
namespace {

using usb::Begun;
using usb::Waited;

TEST(Win32UsbPrinterClass, ListsNoInterfaceOnAMachineWithoutUsbPrinters) {
  Win32UsbPrinterClass system;
  std::unique_ptr<usb::InterfaceList> list;
  ASSERT_TRUE(system.ListInterfaces(list).ok());
  EXPECT_FALSE(list->Next(0));
}

class PipeDevice : public ::testing::Test {
 protected:
  void SetUp() override {
    path = "\\\\.\\pipe\\tolva-adapter-" + std::to_string(GetCurrentProcessId());
    server = CreateNamedPipeA(path.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED, PIPE_TYPE_BYTE, 1,
                              kPipeBuffer, kPipeBuffer, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    ASSERT_TRUE(system.OpenDevice(path, device).ok());
    ASSERT_TRUE(device->NewTransfer(transfer).ok());
  }
  void TearDown() override {
    transfer.reset();
    device.reset();
    if (server != INVALID_HANDLE_VALUE) CloseHandle(server);
  }

  // Reads what the device side wrote, waiting for it.
  std::vector<uint8_t> ServerRead(size_t size) {
    std::vector<uint8_t> bytes(size);
    OVERLAPPED record{};
    record.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD got = 0;
    if (!ReadFile(server, bytes.data(), static_cast<DWORD>(size), &got, &record) && GetLastError() == ERROR_IO_PENDING) {
      GetOverlappedResult(server, &record, &got, TRUE);
    }
    CloseHandle(record.hEvent);
    bytes.resize(got);
    return bytes;
  }

  static constexpr DWORD kPipeBuffer = 4096;
  Win32UsbPrinterClass system;
  std::string path;
  HANDLE server = INVALID_HANDLE_VALUE;
  std::unique_ptr<usb::Device> device;
  std::unique_ptr<usb::Transfer> transfer;
};

TEST_F(PipeDevice, AWriteThatFitsCompletesAndArrives) {
  const std::vector<uint8_t> command = {0x1B, 0x73, 0x42, 0x45, 0x92, 0x9A, 0x01, 0x00, 0x70};
  transfer->Reset();
  uint32_t count = 0;
  switch (transfer->BeginWrite(command, count)) {
    case Begun::kDone:
      break;
    case Begun::kPending:
      ASSERT_EQ(transfer->Wait(5000), Waited::kSignalled);
      count = transfer->Result();
      break;
    case Begun::kFailed:
      FAIL() << "the write was refused with " << GetLastError();
  }
  EXPECT_EQ(count, command.size());
  EXPECT_EQ(ServerRead(64), command);
}

TEST_F(PipeDevice, AReadThatGetsNothingTimesOutAndIsCancelledThenALaterOneCompletes) {
  std::vector<uint8_t> buffer(16);
  transfer->Reset();
  uint32_t count = 99;
  ASSERT_EQ(transfer->BeginRead(buffer, count), Begun::kPending);
  EXPECT_EQ(transfer->Wait(50), Waited::kTimedOut);
  transfer->Cancel();
  EXPECT_EQ(transfer->Result(), 0u);
  transfer.reset();  // must not return while the cancelled read could still touch the buffer

  ASSERT_TRUE(device->NewTransfer(transfer).ok());
  transfer->Reset();
  ASSERT_EQ(transfer->BeginRead(buffer, count), Begun::kPending);
  const uint8_t status[4] = {0x12, 0x00, 0x00, 0x0F};
  DWORD put = 0;
  OVERLAPPED record{};
  record.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!WriteFile(server, status, sizeof(status), &put, &record) && GetLastError() == ERROR_IO_PENDING) {
    GetOverlappedResult(server, &record, &put, TRUE);
  }
  CloseHandle(record.hEvent);
  ASSERT_EQ(transfer->Wait(5000), Waited::kSignalled);
  EXPECT_EQ(transfer->Result(), 4u);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 4), std::vector<uint8_t>(status, status + 4));
}

TEST_F(PipeDevice, AWriteThatStallsIsCancelledWithItsPartialCount) {
  // Nobody reads the pipe, so a write beyond its buffer cannot finish.
  const std::vector<uint8_t> block(4 * kPipeBuffer, 0x55);
  transfer->Reset();
  uint32_t count = 0;
  ASSERT_EQ(transfer->BeginWrite(block, count), Begun::kPending);
  EXPECT_EQ(transfer->Wait(50), Waited::kTimedOut);
  transfer->Cancel();
  EXPECT_LT(transfer->Result(), block.size());
  transfer.reset();
  EXPECT_TRUE(device->Close());
  EXPECT_FALSE(device->Close()) << "a second close has nothing to release";
}

}  // namespace
}  // namespace varnel::win32
