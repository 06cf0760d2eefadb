#pragma once
// The rules of the job operation dialog, apart from its window: what each control shows
// for a block, which controls are enabled, what "Default" puts back, and what OK makes of
// the controls. The dialog's window reads and writes controls and asks these functions.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "plugin/codec/command_text.h"
#include "plugin/record/private_settings.h"

namespace varnel::plugin {

std::string_view OperationDialogTitle(JobPoint point);

// The entries of the dialog's lists, in order; each list stores the position of its entry.
std::span<const std::string_view> CashDrawerEntries();
std::span<const std::string_view> HeraldEntries();
std::span<const std::string_view> BuzzerEntries();
std::span<const std::string_view> PaperCutEntries();
std::span<const std::string_view> LogoEntries();

inline constexpr unsigned kMaxPaperFeed = 100;
inline constexpr unsigned kMaxBuzzerVolume = 255;
// Both number boxes take at most this many digits.
inline constexpr unsigned kNumberBoxDigits = 3;

inline constexpr std::string_view kCommandLengthError = "Command length error";

// The state of the dialog's controls. A list position or radio of -1 means nothing is
// selected or checked.
struct OperationForm {
  bool sendCommand = false;
  std::u16string commandText;
  bool feedToCutPosition = false;
  bool herald = false;  // "Herald" checked, else "Open Drawer"
  int cashDrawer = -1;
  int heraldSetting = -1;
  int buzzerCount = -1;
  std::u16string volumeText;
  std::u16string feedText;
  int paperCut = -1;
  int logoNumber = -1;
  int logoAlign = -1;     // 0 "Left", 1 "Centered", 2 "Right"
  int logoPosition = -1;  // 0 "Before Cut", 1 "After Cut"

  bool operator==(const OperationForm&) const = default;
};

// Which of the dependent controls are enabled for a state of the form.
struct OperationEnables {
  bool commandBox = false;
  bool cashDrawerList = false;
  bool heraldList = false;
  bool volume = false;      // the volume box and its spin
  bool logoRadios = false;  // the three align and the two position radios

  bool operator==(const OperationEnables&) const = default;
};

OperationForm FormFromJobOperation(const JobOperation& block);
OperationEnables EnablesOf(const OperationForm& form);
// What "Default" shows: the block's defaults for the job point.
OperationForm DefaultOperationForm(JobPoint point);

// The number that a number box holds: its leading decimal digits, none giving 0, at most
// `max`. The spin follows this value while the user types, and OK stores it.
unsigned NumberInBox(std::u16string_view text, unsigned max);

// OK: the dialog copy updated from the form, or no value when the command is longer than
// 128 bytes (the dialog then shows kCommandLengthError and stays open). A list without a
// selection keeps the copy's value.
std::optional<JobOperation> ConfirmOperationForm(const OperationForm& form, const JobOperation& copy);

}  // namespace varnel::plugin
