#include "usbaccess/sim/sim_usb_printer_class.h"

#include <algorithm>

namespace varnel::usb::sim {

class SimInterfaceList : public InterfaceList {
 public:
  explicit SimInterfaceList(SimUsbPrinterClass& system) : system_(system) {}

  bool Next(uint32_t memberIndex) override {
    if (memberIndex >= system_.interfaces_.size()) return false;
    current_ = &system_.interfaces_[memberIndex];
    return true;
  }
  Status DevicePath(std::string& path) override {
    if (Status s = system_.faults.Enter("DevicePath"); !s) return s;
    path = current_->path;
    return Status::Ok();
  }
  Status HardwareIds(std::string& property) override {
    if (Status s = system_.faults.Enter("HardwareIds"); !s) return s;
    if (current_->hardwareIds.size() > kHardwareIdCapacity) return Status::Fail(err::kInsufficientBuffer, "HardwareIds");
    property = current_->hardwareIds;
    return Status::Ok();
  }

 private:
  SimUsbPrinterClass& system_;
  const SimUsbPrinterClass::Interface* current_ = nullptr;
};

class SimTransfer : public Transfer {
 public:
  SimTransfer(SimUsbPrinterClass& system, SimPrinter& printer) : system_(system), printer_(printer) {
    ++system_.liveTransfers_;
  }
  ~SimTransfer() override { --system_.liveTransfers_; }

  void Reset() override { ++printer_.resets; }

  Begun BeginWrite(std::span<const uint8_t> bytes, uint32_t& count) override {
    printer_.writeSizes.push_back(static_cast<uint32_t>(bytes.size()));
    const Step step = Take(printer_.writeSteps, Step{Step::kDone, static_cast<uint32_t>(bytes.size())});
    const uint32_t moved = std::min<uint32_t>(step.count, static_cast<uint32_t>(bytes.size()));
    if (step.kind != Step::kRefused) printer_.received.insert(printer_.received.end(), bytes.begin(), bytes.begin() + moved);
    return Begin(step, moved, count);
  }

  Begun BeginRead(std::span<uint8_t> buffer, uint32_t& count) override {
    ++printer_.readsBegun;
    const uint32_t available = static_cast<uint32_t>(std::min(buffer.size(), printer_.reply.size()));
    const Step step = Take(printer_.readSteps, Step{Step::kDone, available});
    const uint32_t moved = std::min(step.count, available);
    if (step.kind != Step::kRefused) {
      std::copy_n(printer_.reply.begin(), moved, buffer.begin());
      printer_.reply.erase(printer_.reply.begin(), printer_.reply.begin() + moved);
    }
    return Begin(step, moved, count);
  }

  Waited Wait(uint32_t limitMs) override {
    printer_.waits.push_back(limitMs);
    switch (kind_) {
      case Step::kPending: return Waited::kSignalled;
      case Step::kWaitFails: return Waited::kFailed;
      default: return Waited::kTimedOut;
    }
  }

  // A stalled transfer's count is known only once it has been cancelled.
  uint32_t Result() override { return (kind_ == Step::kPending || cancelled_) ? result_ : 0; }

  void Cancel() override {
    ++printer_.cancels;
    cancelled_ = true;
  }

 private:
  static Step Take(std::deque<Step>& steps, Step otherwise) {
    if (steps.empty()) return otherwise;
    Step step = steps.front();
    steps.pop_front();
    return step;
  }

  Begun Begin(const Step& step, uint32_t moved, uint32_t& count) {
    kind_ = step.kind;
    result_ = moved;
    cancelled_ = false;
    switch (step.kind) {
      case Step::kDone:
        count = moved;
        return Begun::kDone;
      case Step::kRefused:
        result_ = 0;
        return Begun::kFailed;
      default:
        return Begun::kPending;
    }
  }

  SimUsbPrinterClass& system_;
  SimPrinter& printer_;
  Step::Kind kind_ = Step::kDone;
  uint32_t result_ = 0;
  bool cancelled_ = false;
};

class SimDevice : public Device {
 public:
  SimDevice(SimUsbPrinterClass& system, SimPrinter& printer) : system_(system), printer_(printer) {}
  ~SimDevice() override { printer_.open = false; }

  Status NewTransfer(std::unique_ptr<Transfer>& transfer) override {
    if (Status s = system_.faults.Enter("NewTransfer"); !s) return s;
    transfer = std::make_unique<SimTransfer>(system_, printer_);
    return Status::Ok();
  }
  bool Close() override {
    if (!printer_.open) return false;
    printer_.open = false;
    return system_.faults.Enter("Close").ok();
  }

 private:
  SimUsbPrinterClass& system_;
  SimPrinter& printer_;
};

SimPrinter& SimUsbPrinterClass::AddInterface(const std::string& path, const std::vector<std::string>& hardwareIds) {
  std::string multi;
  for (const std::string& id : hardwareIds) multi += id + '\0';
  multi += '\0';
  interfaces_.push_back({path, multi});
  return printers_[path];
}

Status SimUsbPrinterClass::ListInterfaces(std::unique_ptr<InterfaceList>& list) {
  if (Status s = faults.Enter("ListInterfaces"); !s) return s;
  list = std::make_unique<SimInterfaceList>(*this);
  return Status::Ok();
}

Status SimUsbPrinterClass::OpenDevice(const std::string& path, std::unique_ptr<Device>& device) {
  if (Status s = faults.Enter("OpenDevice"); !s) return s;
  auto found = printers_.find(path);
  if (found == printers_.end()) return Status::Fail(err::kFileNotFound, "OpenDevice " + path);
  SimPrinter& printer = found->second;
  // Opened with share mode 0: a second open of the same printer is a sharing violation.
  if (printer.open) return Status::Fail(32, "OpenDevice " + path);
  printer.open = true;
  ++printer.opens;
  device = std::make_unique<SimDevice>(*this, printer);
  return Status::Ok();
}

}  // namespace varnel::usb::sim
