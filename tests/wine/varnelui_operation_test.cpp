// The Operation page of the real VarnelUI.dll in a property sheet over a record under test.
// A click on one of the page's four buttons runs the operation dialog modally; a timer of
// the test's thread, dispatched by the dialog's own message loop, plays the user's part.
// Every case then reads the record's bytes at the block's offsets.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/wine/plugin_sheet.h"
#include "tests/wine/support/when_window_appears.h"

namespace {

using varnel::winetest::HandlePendingMessages;
using varnel::winetest::WhenWindowAppears;
using Record = std::array<uint8_t, 1464>;

// Job points in the order of the page's buttons.
enum Point { kStartDocument, kStartPage, kEndPage, kEndDocument };
constexpr int kButtons[] = {1011, 1012, 1013, 1014};
constexpr const wchar_t* kTitles[] = {L"Start Document Operation", L"Start Page Operation", L"End Page Operation",
                                      L"End Document Operation"};

// Where each block's fields lie in the record (the end-of-document block comes before the
// end-of-page block).
struct BlockAt {
  size_t sendCommand, feedToCut, command, commandLength, cashDrawer, paperCut, paperFeed, heraldSetting, useHerald,
      buzzerVolume, buzzerCount, logoNumber, logoAlign, logoPosition, end;
};
constexpr BlockAt kBlocks[] = {
    /* kStartDocument */ {16, 17, 18, 146, 147, 148, 149, 150, 152, 156, 157, 158, 159, 160, 161},
    /* kStartPage     */ {161, 162, 163, 291, 292, 293, 294, 296, 300, 295, 304, 305, 306, 307, 308},
    /* kEndPage       */ {452, 453, 454, 582, 583, 584, 585, 587, 588, 586, 592, 593, 594, 595, 596},
    /* kEndDocument   */ {308, 309, 310, 438, 439, 440, 441, 443, 444, 442, 448, 449, 450, 451, 452},
};

uint32_t U32At(const Record& record, size_t at) {
  return record[at] | record[at + 1] << 8 | record[at + 2] << 16 | uint32_t{record[at + 3]} << 24;
}

// Controls of the operation dialog.
constexpr int kDefault = 3;
constexpr int kSendCommand = 1015;
constexpr int kCommand = 1016;
constexpr int kCashDrawer = 1017;
constexpr int kPaperCut = 1020;
constexpr int kFeed = 1021;
constexpr int kFeedSpin = 1022;
constexpr int kFeedToCut = 1023;
constexpr int kVolume = 1024;
constexpr int kOpenDrawer = 1025;
constexpr int kHerald = 1026;
constexpr int kBuzzer = 1027;
constexpr int kLogo = 1028;
constexpr int kAlignLeft = 1029;
constexpr int kAlignCentered = 1030;
constexpr int kAlignRight = 1031;
constexpr int kHeraldSetting = 1032;
constexpr int kBeforeCut = 1033;
constexpr int kAfterCut = 1034;
constexpr int kVolumeSpin = 1035;
constexpr int kLogoRadios[] = {kAlignLeft, kAlignCentered, kAlignRight, kBeforeCut, kAfterCut};

// What a user does and sees in the operation dialog.
struct Dialog {
  HWND window;

  HWND Item(int id) const { return GetDlgItem(window, id); }
  std::wstring Title() const { return Text(window); }
  static std::wstring Text(HWND item) {
    wchar_t buffer[512] = {};
    GetWindowTextW(item, buffer, 512);
    return buffer;
  }
  std::wstring ItemText(int id) const { return Text(Item(id)); }
  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  int Selected(int list) const { return static_cast<int>(SendMessageW(Item(list), CB_GETCURSEL, 0, 0)); }
  int SpinPos(int spin) const { return static_cast<int>(SendMessageW(Item(spin), UDM_GETPOS32, 0, 0)); }

  void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  void Choose(int list, int position) const {
    SendMessageW(Item(list), CB_SETCURSEL, position, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Item(list)));
  }
  // A key pressed and released on the keyboard, reaching the window that has the focus.
  void PressKey(WORD key) const {
    for (const DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT input = {};
      input.type = INPUT_KEYBOARD;
      input.ki.wVk = key;
      input.ki.dwFlags = flags;
      SendInput(1, &input, sizeof(input));
      HandlePendingMessages(window);
    }
  }
  void Type(int id, std::wstring_view text) const {
    for (const wchar_t c : text) SendMessageW(Item(id), WM_CHAR, c, 1);
  }
  void Replace(int id, std::wstring_view text) const {
    SendMessageW(Item(id), EM_SETSEL, 0, -1);
    SendMessageW(Item(id), WM_CLEAR, 0, 0);
    Type(id, text);
  }
  // Whether the dialog is still open, once what its controls have posted to it is handled.
  bool IsOpen() const {
    HandlePendingMessages(window);
    return IsWindowVisible(window) != FALSE;
  }
};

class OperationPageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(sheet_.Open()) << sheet_.failure(); }

  // Clicks the job point's button; `script` plays the dialog and ends it (the dialog is
  // cancelled if the script leaves it open, such as after a failed assertion).
  void WithDialog(Point point, const std::function<void(Dialog&)>& script) {
    bool ended = false;
    WhenWindowAppears watcher(kTitles[point], [&](HWND window) {
      Dialog dialog{window};
      script(dialog);
      if (IsWindow(window) && dialog.IsOpen()) {
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      } else {
        ended = true;
      }
    });
    SendMessageW(GetDlgItem(sheet_.OperationPage(), kButtons[point]), BM_CLICK, 0, 0);
    ASSERT_TRUE(watcher.ran()) << "no dialog captioned as the job point";
    EXPECT_TRUE(ended) << "the script left the dialog open";
  }

  Record& record() { return sheet_.record(); }
  bool ApplyEnabled() { return sheet_.ApplyEnabled(); }

  // Checks that only the bytes of `point`'s block have changed since `before`.
  void ExpectOnlyBlockChanged(const Record& before, Point point) {
    for (size_t i = 0; i < record().size(); ++i) {
      if (i >= kBlocks[point].sendCommand && i < kBlocks[point].end) continue;
      ASSERT_EQ(record()[i], before[i]) << "byte " << i << " outside the block";
    }
  }

  // The block's stored command: its length, its bytes and zeros up to the buffer's end.
  void ExpectCommand(Point point, const std::vector<uint8_t>& bytes) {
    const BlockAt& at = kBlocks[point];
    EXPECT_EQ(record()[at.commandLength], bytes.size());
    for (size_t i = 0; i < 128; ++i) {
      ASSERT_EQ(record()[at.command + i], i < bytes.size() ? bytes[i] : 0) << "command byte " << i;
    }
  }

  varnel::test::PluginSheet sheet_;
};

TEST_F(OperationPageTest, DefaultRecordOpensEachJobPointWithItsTitleAndDefaults) {
  const Record before = record();
  for (const Point point : {kStartDocument, kStartPage, kEndPage, kEndDocument}) {
    SCOPED_TRACE(point);
    WithDialog(point, [&](Dialog& dialog) {
      EXPECT_EQ(dialog.Title(), kTitles[point]);
      EXPECT_EQ(dialog.Selected(kCashDrawer), point == kStartDocument ? 12 : 0);
      EXPECT_EQ(dialog.ItemText(kCashDrawer),
                point == kStartDocument ? L"Cash Drawer #1+#2 Waiting 60ms" : L"No Cash Drawer");
      EXPECT_EQ(dialog.Checked(kFeedToCut), point == kEndDocument);
      EXPECT_EQ(dialog.Selected(kPaperCut), point == kEndDocument ? 1 : 0);
      EXPECT_EQ(dialog.ItemText(kPaperCut), point == kEndDocument ? L"Partial Cut" : L"No Cut");
      EXPECT_EQ(dialog.ItemText(kBuzzer), L"Beep off");
      EXPECT_EQ(dialog.ItemText(kLogo), L"Not Print Logo");
      EXPECT_EQ(dialog.ItemText(kHeraldSetting), L"Enable");
      EXPECT_FALSE(dialog.Checked(kSendCommand));
      EXPECT_FALSE(dialog.Enabled(kCommand));
      EXPECT_EQ(dialog.ItemText(kCommand), L"");
      EXPECT_TRUE(dialog.Checked(kOpenDrawer));
      EXPECT_FALSE(dialog.Checked(kHerald));
      EXPECT_TRUE(dialog.Enabled(kCashDrawer));
      EXPECT_FALSE(dialog.Enabled(kHeraldSetting));
      EXPECT_EQ(dialog.Selected(kHeraldSetting), 0);
      EXPECT_EQ(dialog.Selected(kBuzzer), 0);
      EXPECT_FALSE(dialog.Enabled(kVolume));
      EXPECT_FALSE(dialog.Enabled(kVolumeSpin));
      EXPECT_EQ(dialog.Selected(kLogo), 0);
      for (const int radio : kLogoRadios) EXPECT_FALSE(dialog.Enabled(radio)) << radio;
      EXPECT_TRUE(dialog.Checked(kAlignLeft));
      EXPECT_TRUE(dialog.Checked(kBeforeCut));
      EXPECT_EQ(dialog.SpinPos(kFeedSpin), 0);
      EXPECT_EQ(dialog.ItemText(kFeed), L"0");
      EXPECT_EQ(dialog.SpinPos(kVolumeSpin), 0);
      dialog.Click(IDCANCEL);
    });
  }
  EXPECT_EQ(record(), before);
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OperationPageTest, EachButtonShowsItsOwnBlock) {
  // Different values in every block, so a dialog that shows another block's values fails.
  for (const Point point : {kStartDocument, kStartPage, kEndPage, kEndDocument}) {
    const BlockAt& at = kBlocks[point];
    record()[at.sendCommand] = 1;
    record()[at.command] = 0x1B;
    record()[at.command + 1] = static_cast<uint8_t>(0x40 + point);
    record()[at.commandLength] = 2;
    record()[at.cashDrawer] = static_cast<uint8_t>(1 + point);
    record()[at.paperCut] = 2;
    record()[at.paperFeed] = static_cast<uint8_t>(10 + point);
    record()[at.heraldSetting] = point == kEndPage ? 1 : 0;
    record()[at.useHerald] = point == kEndPage ? 1 : 0;
    record()[at.buzzerVolume] = static_cast<uint8_t>(200 + point);
    record()[at.buzzerCount] = static_cast<uint8_t>(1 + point);
    record()[at.logoNumber] = static_cast<uint8_t>(5 + point);
    record()[at.logoAlign] = static_cast<uint8_t>(point % 3);
    record()[at.logoPosition] = 1;
  }
  for (const Point point : {kStartDocument, kStartPage, kEndPage, kEndDocument}) {
    SCOPED_TRACE(point);
    WithDialog(point, [&](Dialog& dialog) {
      EXPECT_TRUE(dialog.Checked(kSendCommand));
      EXPECT_TRUE(dialog.Enabled(kCommand));
      EXPECT_EQ(dialog.ItemText(kCommand), point == kStartDocument ? L"1B 40 "
                                           : point == kStartPage   ? L"1B 41 "
                                           : point == kEndPage     ? L"1B 42 "
                                                                   : L"1B 43 ");
      EXPECT_EQ(dialog.Checked(kHerald), point == kEndPage);
      EXPECT_EQ(dialog.Enabled(kHeraldSetting), point == kEndPage);
      EXPECT_EQ(dialog.Enabled(kCashDrawer), point != kEndPage);
      EXPECT_EQ(dialog.Selected(kHeraldSetting), point == kEndPage ? 1 : 0);
      EXPECT_EQ(dialog.Selected(kCashDrawer), 1 + point);
      EXPECT_EQ(dialog.Selected(kPaperCut), 2);
      EXPECT_EQ(dialog.SpinPos(kFeedSpin), 10 + point);
      EXPECT_EQ(dialog.SpinPos(kVolumeSpin), 200 + point);
      EXPECT_TRUE(dialog.Enabled(kVolume));
      EXPECT_EQ(dialog.Selected(kBuzzer), 1 + point);
      EXPECT_EQ(dialog.Selected(kLogo), 5 + point);
      for (const int radio : kLogoRadios) EXPECT_TRUE(dialog.Enabled(radio)) << radio;
      EXPECT_TRUE(dialog.Checked(kAlignLeft + point % 3));
      EXPECT_TRUE(dialog.Checked(kAfterCut));
      dialog.Click(IDCANCEL);
    });
  }
}

TEST_F(OperationPageTest, CommandBoxTakesOnlyHexDigitsSpacesAndAFewMarks) {
  const Record before = record();
  WithDialog(kStartPage, [&](Dialog& dialog) {
    EXPECT_EQ(SendMessageW(dialog.Item(kCommand), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS, DLGC_WANTALLKEYS);
    dialog.Click(kSendCommand);
    EXPECT_TRUE(dialog.Enabled(kCommand));
    dialog.Type(kCommand, L"1g x\r\x1b" L"DE");
    EXPECT_EQ(dialog.ItemText(kCommand), L"1 DE") << "g, x, Enter and Escape are dropped";
    EXPECT_TRUE(dialog.IsOpen()) << "Enter and Escape in the box do not end the dialog";
    dialog.Type(kCommand, L".-");
    EXPECT_EQ(dialog.ItemText(kCommand), L"1 DE.-");
    dialog.Click(IDOK);
  });
  const BlockAt& at = kBlocks[kStartPage];
  EXPECT_EQ(record()[at.sendCommand], 1);
  // "1 DE.-": 01, DE, and the marks read as the digit 0.
  ExpectCommand(kStartPage, {0x01, 0xDE, 0x00});
  ExpectOnlyBlockChanged(before, kStartPage);
  EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OperationPageTest, TabInTheCommandBoxMovesToTheNextControl) {
  WithDialog(kStartPage, [&](Dialog& dialog) {
    dialog.Click(kSendCommand);
    SetForegroundWindow(dialog.window);
    SetFocus(dialog.Item(kCommand));
    HandlePendingMessages(dialog.window);
    ASSERT_EQ(GetFocus(), dialog.Item(kCommand));
    dialog.PressKey(VK_TAB);
    EXPECT_NE(GetFocus(), dialog.Item(kCommand));
    EXPECT_EQ(dialog.ItemText(kCommand), L"") << "the Tab character is not typed";
    dialog.Click(IDCANCEL);
  });
}

TEST_F(OperationPageTest, FeedAndVolumeAreCutToTheirRanges) {
  WithDialog(kEndPage, [&](Dialog& dialog) {
    dialog.Replace(kFeed, L"250");
    EXPECT_EQ(dialog.SpinPos(kFeedSpin), 100);
    dialog.Choose(kBuzzer, 1);
    EXPECT_TRUE(dialog.Enabled(kVolume));
    EXPECT_TRUE(dialog.Enabled(kVolumeSpin));
    dialog.Replace(kVolume, L"999");
    EXPECT_EQ(dialog.SpinPos(kVolumeSpin), 255);
    dialog.Click(IDOK);
  });
  const BlockAt& at = kBlocks[kEndPage];
  EXPECT_EQ(record()[at.paperFeed], 100);
  EXPECT_EQ(record()[at.buzzerVolume], 255);
  EXPECT_EQ(record()[at.buzzerCount], 1);
}

TEST_F(OperationPageTest, HeraldWithDisableKeepsTheCashDrawer) {
  WithDialog(kStartDocument, [&](Dialog& dialog) {
    dialog.Click(kHerald);
    EXPECT_TRUE(dialog.Checked(kHerald));
    EXPECT_FALSE(dialog.Checked(kOpenDrawer));
    EXPECT_FALSE(dialog.Enabled(kCashDrawer));
    EXPECT_TRUE(dialog.Enabled(kHeraldSetting));
    dialog.Choose(kHeraldSetting, 1);
    dialog.Click(IDOK);
  });
  const BlockAt& at = kBlocks[kStartDocument];
  EXPECT_EQ(U32At(record(), at.useHerald), 1u);
  EXPECT_EQ(record()[at.heraldSetting], 1);
  EXPECT_EQ(record()[at.cashDrawer], 12) << "the cash drawer choice stays as it was";
}

// A block with something other than its default in every field.
void ChangeEveryField(Record& record, Point point) {
  const BlockAt& at = kBlocks[point];
  record[at.sendCommand] = 1;
  record[at.feedToCut] = point == kEndDocument ? 0 : 1;
  record[at.command] = 0x1D;
  record[at.command + 1] = 0x56;
  record[at.commandLength] = 2;
  record[at.cashDrawer] = 6;
  record[at.paperCut] = 2;
  record[at.paperFeed] = 33;
  record[at.heraldSetting] = 1;
  record[at.useHerald] = 1;
  record[at.buzzerVolume] = 77;
  record[at.buzzerCount] = 2;
  record[at.logoNumber] = 3;
  record[at.logoAlign] = 2;
  record[at.logoPosition] = 1;
}

TEST_F(OperationPageTest, DefaultThenCancelChangesNothing) {
  for (const Point point : {kStartDocument, kEndDocument}) {
    ChangeEveryField(record(), point);
    const Record before = record();
    WithDialog(point, [&](Dialog& dialog) {
      dialog.Click(kDefault);
      EXPECT_FALSE(dialog.Checked(kSendCommand));
      EXPECT_EQ(dialog.ItemText(kCommand), L"");
      EXPECT_TRUE(dialog.Checked(kOpenDrawer));
      EXPECT_FALSE(dialog.Enabled(kHeraldSetting));
      EXPECT_EQ(dialog.SpinPos(kFeedSpin), 0);
      EXPECT_FALSE(dialog.Enabled(kVolume));
      for (const int radio : kLogoRadios) EXPECT_FALSE(dialog.Enabled(radio)) << radio;
      dialog.Click(IDCANCEL);
    });
    EXPECT_EQ(record(), before) << point;
  }
}

TEST_F(OperationPageTest, DefaultThenOkStoresTheJobPointsDefaults) {
  for (const Point point : {kStartDocument, kStartPage, kEndPage, kEndDocument}) {
    SCOPED_TRACE(point);
    ChangeEveryField(record(), point);
    record()[kBlocks[point].command + 100] = 0xEE;  // beyond the stored length
    const Record before = record();
    WithDialog(point, [&](Dialog& dialog) {
      dialog.Click(kDefault);
      dialog.Click(IDOK);
    });
    const BlockAt& at = kBlocks[point];
    EXPECT_EQ(record()[at.sendCommand], 0);
    EXPECT_EQ(record()[at.feedToCut], point == kEndDocument ? 1 : 0);
    ExpectCommand(point, {});
    EXPECT_EQ(record()[at.cashDrawer], point == kStartDocument ? 12 : 0);
    EXPECT_EQ(record()[at.paperCut], point == kEndDocument ? 1 : 0);
    EXPECT_EQ(record()[at.paperFeed], 0);
    EXPECT_EQ(record()[at.heraldSetting], 0);
    EXPECT_EQ(U32At(record(), at.useHerald), 0u);
    EXPECT_EQ(record()[at.buzzerVolume], 0);
    EXPECT_EQ(record()[at.buzzerCount], 0);
    EXPECT_EQ(record()[at.logoNumber], 0);
    EXPECT_EQ(record()[at.logoAlign], 0);
    EXPECT_EQ(record()[at.logoPosition], 0);
    ExpectOnlyBlockChanged(before, point);
  }
}

TEST_F(OperationPageTest, CancelAfterChangingEveryControlLeavesTheBlock) {
  ChangeEveryField(record(), kStartPage);
  const Record before = record();
  WithDialog(kStartPage, [&](Dialog& dialog) {
    dialog.Click(kSendCommand);
    dialog.Replace(kCommand, L"1b 40");
    dialog.Click(kFeedToCut);
    dialog.Click(kOpenDrawer);
    dialog.Choose(kCashDrawer, 9);
    dialog.Choose(kHeraldSetting, 0);
    dialog.Choose(kBuzzer, 5);
    dialog.Replace(kVolume, L"12");
    dialog.Replace(kFeed, L"7");
    dialog.Choose(kPaperCut, 0);
    dialog.Choose(kLogo, 9);
    dialog.Click(kAlignCentered);
    dialog.Click(kBeforeCut);
    dialog.Click(IDCANCEL);
  });
  EXPECT_EQ(record(), before);
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OperationPageTest, CommandOfMoreThan128BytesIsRefusedAndTheDialogStaysOpen) {
  const Record before = record();
  std::wstring caption, text;
  WithDialog(kEndDocument, [&](Dialog& dialog) {
    dialog.Click(kSendCommand);
    SetWindowTextW(dialog.Item(kCommand), std::wstring(129 * 2, L'A').c_str());  // as if pasted
    WhenWindowAppears box(L"Error", [&](HWND window) {
      caption = Dialog::Text(window);
      for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring line = Dialog::Text(child);
        if (line == L"Command length error") text = line;
      }
      SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    dialog.Click(IDOK);
    EXPECT_TRUE(box.ran()) << "no message box";
    EXPECT_TRUE(dialog.IsOpen());

    // 128 bytes are accepted.
    SetWindowTextW(dialog.Item(kCommand), std::wstring(128 * 2, L'A').c_str());
    dialog.Click(IDOK);
  });
  EXPECT_EQ(caption, L"Error");
  EXPECT_EQ(text, L"Command length error");
  ExpectCommand(kEndDocument, std::vector<uint8_t>(128, 0xAA));
  ExpectOnlyBlockChanged(before, kEndDocument);
}

TEST_F(OperationPageTest, ApplyReportsToTheSheetAndClearsTheChange) {
  WithDialog(kStartDocument, [&](Dialog& dialog) { dialog.Click(IDOK); });
  EXPECT_TRUE(ApplyEnabled()) << "OK marks the page changed";
  SendMessageW(sheet_.sheet(), PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
  EXPECT_EQ(sheet_.setResultCalls(), 1);
  EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OperationPageTest, ClearingSendCommandKeepsTheCommand) {
  record()[kBlocks[kEndPage].sendCommand] = 1;
  WithDialog(kEndPage, [&](Dialog& dialog) {
    dialog.Click(kSendCommand);  // was checked
    EXPECT_FALSE(dialog.Enabled(kCommand));
    SetWindowTextW(dialog.Item(kCommand), L"1D 56 42 00");
    dialog.Click(IDOK);
  });
  const BlockAt& at = kBlocks[kEndPage];
  EXPECT_EQ(record()[at.sendCommand], 0);
  ExpectCommand(kEndPage, {0x1D, 0x56, 0x42, 0x00});
}

}  // namespace
