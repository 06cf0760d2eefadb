// The Win32 API-mode devices against the real system: a device that is not there does not
// open, and a handle whose driver does not know the write control code reports a failure,
// which the send turns into its message and a count of 0.
#include "modeswitch/win32/win32_api_mode_devices.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "modeswitch/mode_switcher.h"

namespace varnel::win32 {
namespace {

class MessageRecorder : public modeswitch::SwitcherView {
 public:
  void WriteLine(const std::string&) override {}
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void ShowList(modeswitch::Personality, const std::vector<std::string>&) override {}
  int SelectedEntry(modeswitch::Personality) override { return -1; }
  void EnableSwitch(modeswitch::Personality, bool) override {}
  void Pause(uint32_t) override {}
  std::vector<std::string> messages;
};

TEST(Win32ApiModeDevices, AMissingDeviceDoesNotOpen) {
  Win32ApiModeDevices devices;
  std::unique_ptr<modeswitch::ApiModeDevice> device;
  EXPECT_FALSE(devices.Open(modeswitch::ApiModeDevicePath("Qzusb-0"), device).ok());
  EXPECT_EQ(device, nullptr);
}

TEST(Win32ApiModeDevices, AFailingControlCallIsReportedAndCountsNothing) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + "api-mode-" + std::to_string(GetCurrentProcessId()) + ".bin";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  {
    Win32ApiModeDevices devices;
    std::unique_ptr<modeswitch::ApiModeDevice> device;
    ASSERT_TRUE(devices.Open(path, device).ok()) << "an existing file opens like a device";
    MessageRecorder view;
    const auto command = modeswitch::ModeSwitchCommand(modeswitch::Personality::kPrinterMode);
    EXPECT_EQ(modeswitch::SendToApiModeDevice(*device, command, view), 0u);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Failed to write\n"}));
  }
  EXPECT_TRUE(DeleteFileA(path.c_str())) << "the device was closed";
}

}  // namespace
}  // namespace varnel::win32
