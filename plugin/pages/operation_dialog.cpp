#include "plugin/pages/operation_dialog.h"

#include <span>
#include <string>

#include "common/os/win32/wide.h"
#include "plugin/codec/command_edit_filter.h"
#include "resources/varnelui/resource.h"

namespace varnel::plugin {
namespace {

constexpr int kAlignRadios[] = {IDC_OPD_ALIGN_LEFT, IDC_OPD_ALIGN_CENTER, IDC_OPD_ALIGN_RIGHT};
constexpr int kLogoRadios[] = {IDC_OPD_ALIGN_LEFT, IDC_OPD_ALIGN_CENTER, IDC_OPD_ALIGN_RIGHT, IDC_OPD_BEFORE_CUT,
                               IDC_OPD_AFTER_CUT};

// Edit box text and the core's UTF-16 text are the same units.
std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

void FillList(HWND list, std::span<const std::string_view> entries) {
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string_view entry : entries) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(entry).c_str()));
  }
}
void SelectInList(HWND list, int position) { SendMessageW(list, CB_SETCURSEL, position, 0); }
int SelectedInList(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

void PrepareNumberBox(HWND edit, HWND spin, unsigned max) {
  SendMessageW(edit, EM_LIMITTEXT, kNumberBoxDigits, 0);
  SendMessageW(spin, UDM_SETRANGE32, 0, max);
}

}  // namespace

bool OperationDialog::Run(HWND owner) { return ModalDialog::Run(owner, IDD_OPERATION_DIALOG) == IDOK; }

INT_PTR OperationDialog::OnInit() {
  InstallCommandEditFilter(Item(IDC_OPD_COMMAND));
  SetWindowTextW(window(), win32::Widen(OperationDialogTitle(point_)).c_str());
  FillLists();
  PrepareNumberBox(Item(IDC_OPD_FEED), Item(IDC_OPD_FEED_SPIN), kMaxPaperFeed);
  PrepareNumberBox(Item(IDC_OPD_VOLUME), Item(IDC_OPD_VOLUME_SPIN), kMaxBuzzerVolume);
  ShowForm(FormFromJobOperation(copy_));
  return TRUE;
}

void OperationDialog::FillLists() const {
  FillList(Item(IDC_OPD_CASH_DRAWER), CashDrawerEntries());
  FillList(Item(IDC_OPD_HERALD_SETTING), HeraldEntries());
  FillList(Item(IDC_OPD_BUZZER), BuzzerEntries());
  FillList(Item(IDC_OPD_PAPER_CUT), PaperCutEntries());
  FillList(Item(IDC_OPD_LOGO), LogoEntries());
}

void OperationDialog::ShowForm(const OperationForm& form) {
  filling_ = true;
  Check(IDC_OPD_SEND_COMMAND, form.sendCommand);
  SetItemText(IDC_OPD_COMMAND, ToWide(form.commandText).c_str());
  Check(IDC_OPD_FEED_TO_CUT, form.feedToCutPosition);
  Check(IDC_OPD_OPEN_DRAWER, !form.herald);
  Check(IDC_OPD_HERALD, form.herald);
  SelectInList(Item(IDC_OPD_CASH_DRAWER), form.cashDrawer);
  SelectInList(Item(IDC_OPD_HERALD_SETTING), form.heraldSetting);
  SelectInList(Item(IDC_OPD_BUZZER), form.buzzerCount);
  SelectInList(Item(IDC_OPD_PAPER_CUT), form.paperCut);
  SelectInList(Item(IDC_OPD_LOGO), form.logoNumber);
  // The spin first: it writes its position into its box, and the box shows the stored text.
  SendMessageW(Item(IDC_OPD_FEED_SPIN), UDM_SETPOS32, 0, NumberInBox(form.feedText, kMaxPaperFeed));
  SetItemText(IDC_OPD_FEED, ToWide(form.feedText).c_str());
  SendMessageW(Item(IDC_OPD_VOLUME_SPIN), UDM_SETPOS32, 0, NumberInBox(form.volumeText, kMaxBuzzerVolume));
  SetItemText(IDC_OPD_VOLUME, ToWide(form.volumeText).c_str());
  for (int i = 0; i < 3; ++i) Check(kAlignRadios[i], form.logoAlign == i);
  Check(IDC_OPD_BEFORE_CUT, form.logoPosition == 0);
  Check(IDC_OPD_AFTER_CUT, form.logoPosition == 1);
  ShowEnables(EnablesOf(form));
  filling_ = false;
}

void OperationDialog::ShowEnables(const OperationEnables& enables) const {
  EnableItem(IDC_OPD_COMMAND, enables.commandBox);
  EnableItem(IDC_OPD_CASH_DRAWER, enables.cashDrawerList);
  EnableItem(IDC_OPD_HERALD_SETTING, enables.heraldList);
  EnableItem(IDC_OPD_VOLUME, enables.volume);
  EnableItem(IDC_OPD_VOLUME_SPIN, enables.volume);
  for (const int radio : kLogoRadios) EnableItem(radio, enables.logoRadios);
}

OperationForm OperationDialog::ReadForm() const {
  OperationForm form;
  form.sendCommand = IsChecked(IDC_OPD_SEND_COMMAND);
  form.commandText = FromWide(ItemText(IDC_OPD_COMMAND));
  form.feedToCutPosition = IsChecked(IDC_OPD_FEED_TO_CUT);
  form.herald = !IsChecked(IDC_OPD_OPEN_DRAWER);
  form.cashDrawer = SelectedInList(Item(IDC_OPD_CASH_DRAWER));
  form.heraldSetting = SelectedInList(Item(IDC_OPD_HERALD_SETTING));
  form.buzzerCount = SelectedInList(Item(IDC_OPD_BUZZER));
  form.paperCut = SelectedInList(Item(IDC_OPD_PAPER_CUT));
  form.logoNumber = SelectedInList(Item(IDC_OPD_LOGO));
  form.feedText = FromWide(ItemText(IDC_OPD_FEED));
  form.volumeText = FromWide(ItemText(IDC_OPD_VOLUME));
  for (int i = 0; i < 3; ++i) {
    if (IsChecked(kAlignRadios[i])) form.logoAlign = i;
  }
  form.logoPosition = IsChecked(IDC_OPD_BEFORE_CUT) ? 0 : 1;
  return form;
}

void OperationDialog::FollowNumberBox(int edit, int spin, unsigned max) {
  const unsigned value = NumberInBox(FromWide(ItemText(edit)), max);
  filling_ = true;  // the spin writes the value back into the box
  SendMessageW(Item(spin), UDM_SETPOS32, 0, value);
  filling_ = false;
}

bool OperationDialog::OnCommand(int id, int code) {
  if (filling_) return false;
  switch (id) {
    case IDC_OPD_SEND_COMMAND:
    case IDC_OPD_OPEN_DRAWER:
    case IDC_OPD_HERALD:
      if (code != BN_CLICKED) return false;
      ShowEnables(EnablesOf(ReadForm()));
      return true;
    case IDC_OPD_BUZZER:
    case IDC_OPD_LOGO:
      if (code != CBN_SELCHANGE) return false;
      ShowEnables(EnablesOf(ReadForm()));
      return true;
    case IDC_OPD_FEED:
      if (code != EN_CHANGE) return false;
      FollowNumberBox(IDC_OPD_FEED, IDC_OPD_FEED_SPIN, kMaxPaperFeed);
      return true;
    case IDC_OPD_VOLUME:
      if (code != EN_CHANGE) return false;
      FollowNumberBox(IDC_OPD_VOLUME, IDC_OPD_VOLUME_SPIN, kMaxBuzzerVolume);
      return true;
    case IDC_OPD_DEFAULT:
      if (code != BN_CLICKED) return false;
      ShowForm(DefaultOperationForm(point_));
      return true;
    case IDOK:
      if (code != BN_CLICKED) return false;
      OnOk();
      return true;
    case IDCANCEL:
      End(IDCANCEL);  // the button, Escape or the close box
      return true;
  }
  return false;
}

void OperationDialog::OnOk() {
  const std::optional<JobOperation> confirmed = ConfirmOperationForm(ReadForm(), copy_);
  if (!confirmed) {
    Message(win32::Widen(kCommandLengthError).c_str(), L"Error", MB_OK);
    return;
  }
  copy_ = *confirmed;
  End(IDOK);
}

}  // namespace varnel::plugin
