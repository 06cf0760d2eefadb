#include "usbaccess/usb_printer_access.h"

#include <algorithm>

#include "common/base/text.h"

namespace varnel::usb {

namespace {

// Tried in this order against the upper-cased first hardware id.
constexpr std::string_view kVendorMatches[] = {"VID_5E91", "VID_03F0"};

// The first string of a multi-string, bounded by the property even when its NUL is missing.
std::string_view FirstString(std::string_view multi) { return multi.substr(0, multi.find('\0')); }

// A write goes out as one transfer when it fits a block; otherwise as whole blocks
// followed by one transfer of the rest, which is sent even when it is empty.
struct WritePlan {
  explicit WritePlan(size_t length)
      : length(length), transfers(length <= kBlockSize ? 1 : length / kBlockSize + 1) {}
  size_t Offset(size_t i) const { return i * kBlockSize; }
  size_t Size(size_t i) const { return std::min<size_t>(kBlockSize, length - Offset(i)); }
  size_t length;
  size_t transfers;
};

}  // namespace

bool IsVendorPrinter(std::string_view hardwareIds) {
  const std::string id = AsciiUpper(FirstString(hardwareIds));
  return std::any_of(std::begin(kVendorMatches), std::end(kVendorMatches),
                     [&](std::string_view vendor) { return id.find(vendor) != std::string::npos; });
}

int UsbPrinterAccess::Enumerate() {
  paths_.clear();
  std::unique_ptr<InterfaceList> list;
  if (!system_.ListInterfaces(list).ok()) return 0;
  // A failure on one interface ends the listing with the printers found so far.
  for (uint32_t member = 0; paths_.size() < kTableEntries && list->Next(member); ++member) {
    std::string path;
    std::string hardwareIds;
    if (!list->DevicePath(path).ok() || !list->HardwareIds(hardwareIds).ok()) break;
    // A path that cannot fit a table entry is skipped rather than cut.
    if (IsVendorPrinter(hardwareIds) && path.size() <= kMaxPathLength) paths_.push_back(path);
  }
  return static_cast<int>(paths_.size());
}

int UsbPrinterAccess::Open(int position) {
  ReleaseDevice();
  const int count = Enumerate();
  if (position < 1 || position > count) return 0;
  std::unique_ptr<Device> device;
  if (!system_.OpenDevice(paths_[position - 1], device).ok()) return 0;
  device_ = std::move(device);
  return 1;
}

uint32_t UsbPrinterAccess::Write(std::span<const uint8_t> bytes) {
  std::unique_ptr<Transfer> transfer;
  if (!device_ || !device_->NewTransfer(transfer).ok()) return 0;
  const WritePlan plan(bytes.size());
  uint32_t total = 0;
  for (size_t i = 0; i < plan.transfers; ++i) {
    transfer->Reset();
    uint32_t count = 0;
    switch (transfer->BeginWrite(bytes.subspan(plan.Offset(i), plan.Size(i)), count)) {
      case Begun::kDone:
        total += count;
        break;
      case Begun::kFailed:  // nothing of this block went out; the next one is tried
        break;
      case Begun::kPending:
        if (transfer->Wait(kWriteLimitMs) == Waited::kSignalled) {
          total += transfer->Result();
          break;
        }
        // A block that outlasts its limit ends the write; the rest is not sent.
        transfer->Cancel();
        return total + transfer->Result();
    }
  }
  return total;
}

uint32_t UsbPrinterAccess::Read(std::span<uint8_t> buffer) {
  std::unique_ptr<Transfer> transfer;
  if (!device_ || !device_->NewTransfer(transfer).ok()) return 0;
  transfer->Reset();
  // A pending read that ends with nothing is tried once more.
  for (int attempt = 1;; ++attempt) {
    uint32_t count = 0;
    switch (transfer->BeginRead(buffer, count)) {
      case Begun::kDone:
        return count;
      case Begun::kFailed:
        return 0;
      case Begun::kPending:
        break;
    }
    if (transfer->Wait(kReadLimitMs) != Waited::kSignalled) {
      transfer->Cancel();
      return transfer->Result();
    }
    count = transfer->Result();
    if (count > 0 || attempt == 2) return count;
  }
}

int UsbPrinterAccess::Close() {
  if (!device_) return 0;
  const bool released = device_->Close();
  device_.reset();
  return released ? 1 : 0;
}

void UsbPrinterAccess::ReleaseDevice() {
  if (device_) device_->Close();
  device_.reset();
}

}  // namespace varnel::usb
