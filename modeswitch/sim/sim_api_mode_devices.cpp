#include "modeswitch/sim/sim_api_mode_devices.h"

#include "common/base/text.h"

namespace varnel::modeswitch::sim {

namespace {

class OpenDevice : public ApiModeDevice {
 public:
  OpenDevice(os::sim::Faults& faults, SimApiModeDevice& device) : faults_(faults), device_(device) {
    ++device_.openNow;
  }
  ~OpenDevice() override { --device_.openNow; }

  Status Control(uint32_t code, std::span<const uint8_t> input, std::span<uint8_t> output,
                 uint32_t& bytesReturned) override {
    device_.calls.push_back({code, {input.begin(), input.end()}, {output.begin(), output.end()}});
    if (Status s = faults_.Enter("Control"); !s) return s;
    bytesReturned = device_.sentCount.value_or(static_cast<uint32_t>(output.size()));
    return Status::Ok();
  }

 private:
  os::sim::Faults& faults_;
  SimApiModeDevice& device_;
};

}  // namespace

SimApiModeDevice& SimApiModeDevices::Add(int number) { return devices_[number]; }

Status SimApiModeDevices::Open(const std::string& path, std::unique_ptr<ApiModeDevice>& device) {
  openedPaths_.push_back(path);
  if (Status s = faults.Enter("Open"); !s) return s;
  // Device names ignore case: "\\.\Qzusb-3" and "\\.\QZUSB-3" are the same device.
  for (auto& [number, present] : devices_) {
    if (EqualsNoCase(path, "\\\\.\\QZUSB-" + std::to_string(number))) {
      ++present.opens;
      device = std::make_unique<OpenDevice>(faults, present);
      return Status::Ok();
    }
  }
  return Status::Fail(err::kFileNotFound, "Open " + path);
}

}  // namespace varnel::modeswitch::sim
