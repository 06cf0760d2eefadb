#include "plugin/pages/operation_form.h"

#include <algorithm>
#include <string>
#include <vector>

namespace varnel::plugin {
namespace {

static_assert(kCommandCapacity == kCommandLimit, "the record holds as many command bytes as a dialog accepts");

constexpr std::string_view kTitles[] = {"Start Document Operation", "Start Page Operation",
                                        "End Page Operation", "End Document Operation"};

constexpr std::string_view kCashDrawer[] = {
    "No Cash Drawer",
    "Cash Drawer #1 Waiting 10ms",     "Cash Drawer #1 Waiting 20ms",
    "Cash Drawer #1 Waiting 40ms",     "Cash Drawer #1 Waiting 60ms",
    "Cash Drawer #2 Waiting 10ms",     "Cash Drawer #2 Waiting 20ms",
    "Cash Drawer #2 Waiting 40ms",     "Cash Drawer #2 Waiting 60ms",
    "Cash Drawer #1+#2 Waiting 10ms",  "Cash Drawer #1+#2 Waiting 20ms",
    "Cash Drawer #1+#2 Waiting 40ms",  "Cash Drawer #1+#2 Waiting 60ms",
};
constexpr std::string_view kHerald[] = {"Enable", "Disable"};
constexpr std::string_view kBuzzer[] = {"Beep off",  "Beep one", "Beep three",
                                        "Beep five", "Beep ten", "Beep twenty"};
constexpr std::string_view kPaperCut[] = {"No Cut", "Partial Cut", "Full Cut"};
constexpr std::string_view kLogo[] = {"Not Print Logo", "Print Logo1", "Print Logo2", "Print Logo3",
                                      "Print Logo4",    "Print Logo5", "Print Logo6", "Print Logo7",
                                      "Print Logo8",    "Print Logo9"};

// A stored value as a list position: none when the list has no such entry.
int ListPosition(uint8_t value, size_t entries) { return value < entries ? value : -1; }

// The list's position as the stored value; a list without a selection keeps what was stored.
uint8_t StoredPosition(int position, uint8_t previous) {
  return position >= 0 ? static_cast<uint8_t>(position) : previous;
}

std::u16string Decimal(unsigned value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

std::string_view OperationDialogTitle(JobPoint point) { return kTitles[static_cast<int>(point)]; }

std::span<const std::string_view> CashDrawerEntries() { return kCashDrawer; }
std::span<const std::string_view> HeraldEntries() { return kHerald; }
std::span<const std::string_view> BuzzerEntries() { return kBuzzer; }
std::span<const std::string_view> PaperCutEntries() { return kPaperCut; }
std::span<const std::string_view> LogoEntries() { return kLogo; }

OperationForm FormFromJobOperation(const JobOperation& block) {
  OperationForm form;
  form.sendCommand = block.SendCommand == 1;
  const size_t length = std::min<size_t>(block.CommandLength, kCommandLimit);
  form.commandText = FormatCommandText(std::span<const uint8_t>(block.Command, length));
  form.feedToCutPosition = block.FeedToCutPosition == 1;
  form.herald = block.UseHerald != 0;
  form.cashDrawer = ListPosition(block.CashDrawer, std::size(kCashDrawer));
  form.heraldSetting = ListPosition(block.HeraldSetting, std::size(kHerald));
  form.buzzerCount = ListPosition(block.BuzzerCount, std::size(kBuzzer));
  form.volumeText = Decimal(block.BuzzerVolume);
  form.feedText = Decimal(block.PaperFeed);
  form.paperCut = ListPosition(block.PaperCut, std::size(kPaperCut));
  form.logoNumber = ListPosition(block.LogoNumber, std::size(kLogo));
  form.logoAlign = block.LogoAlign <= 2 ? block.LogoAlign : -1;
  form.logoPosition = block.LogoPosition == 0 ? 0 : 1;
  return form;
}

OperationEnables EnablesOf(const OperationForm& form) {
  return {
      .commandBox = form.sendCommand,
      .cashDrawerList = !form.herald,
      .heraldList = form.herald,
      .volume = form.buzzerCount != 0,
      .logoRadios = form.logoNumber != 0,
  };
}

OperationForm DefaultOperationForm(JobPoint point) { return FormFromJobOperation(DefaultJobOperation(point)); }

unsigned NumberInBox(std::u16string_view text, unsigned max) {
  unsigned value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c - u'0');
    if (value > max) return max;  // also keeps a long pasted number from overflowing
  }
  return value;
}

std::optional<JobOperation> ConfirmOperationForm(const OperationForm& form, const JobOperation& copy) {
  const std::optional<std::vector<uint8_t>> command = CommandFromEditText(form.commandText);
  if (!command) return std::nullopt;

  JobOperation block = copy;
  block.CommandLength = StoreCommand(*command, block.Command);
  block.SendCommand = form.sendCommand ? 1 : 0;
  block.FeedToCutPosition = form.feedToCutPosition ? 1 : 0;
  block.CashDrawer = StoredPosition(form.cashDrawer, copy.CashDrawer);
  block.PaperCut = StoredPosition(form.paperCut, copy.PaperCut);
  block.HeraldSetting = StoredPosition(form.heraldSetting, copy.HeraldSetting);
  block.BuzzerCount = StoredPosition(form.buzzerCount, copy.BuzzerCount);
  block.LogoNumber = StoredPosition(form.logoNumber, copy.LogoNumber);
  block.PaperFeed = static_cast<uint8_t>(NumberInBox(form.feedText, kMaxPaperFeed));
  block.BuzzerVolume = static_cast<uint8_t>(NumberInBox(form.volumeText, kMaxBuzzerVolume));
  block.UseHerald = form.herald ? 1 : 0;
  block.LogoAlign = form.logoAlign == 0 ? 0 : form.logoAlign == 1 ? 1 : 2;
  block.LogoPosition = form.logoPosition == 0 ? 0 : 1;
  return block;
}

}  // namespace varnel::plugin
