#include "plugin/pages/operation_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace varnel::plugin {
namespace {

constexpr JobPoint kJobPoints[] = {JobPoint::kStartDocument, JobPoint::kStartPage, JobPoint::kEndPage,
                                   JobPoint::kEndDocument};

std::u16string Repeat(std::u16string_view piece, size_t count) {
  std::u16string text;
  for (size_t i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(OperationDialog, TitlesAndListsInTheirOrder) {
  EXPECT_EQ(OperationDialogTitle(JobPoint::kStartDocument), "Start Document Operation");
  EXPECT_EQ(OperationDialogTitle(JobPoint::kStartPage), "Start Page Operation");
  EXPECT_EQ(OperationDialogTitle(JobPoint::kEndPage), "End Page Operation");
  EXPECT_EQ(OperationDialogTitle(JobPoint::kEndDocument), "End Document Operation");
  ASSERT_EQ(CashDrawerEntries().size(), 13u);
  EXPECT_EQ(CashDrawerEntries()[4], "Cash Drawer #1 Waiting 60ms");
  EXPECT_EQ(CashDrawerEntries()[12], "Cash Drawer #1+#2 Waiting 60ms");
  EXPECT_EQ(BuzzerEntries().size(), 6u);
  EXPECT_EQ(LogoEntries().size(), 10u);
  EXPECT_EQ(LogoEntries()[9], "Print Logo9");
}

TEST(OperationForm, DefaultBlocksOpenAsEachJobPointExpects) {
  const OperationForm start = FormFromJobOperation(DefaultJobOperation(JobPoint::kStartDocument));
  EXPECT_EQ(start.cashDrawer, 12);
  EXPECT_FALSE(start.feedToCutPosition);
  EXPECT_EQ(start.paperCut, 0);

  const OperationForm end = FormFromJobOperation(DefaultJobOperation(JobPoint::kEndDocument));
  EXPECT_TRUE(end.feedToCutPosition);
  EXPECT_EQ(end.paperCut, 1);
  EXPECT_EQ(end.cashDrawer, 0);

  for (const JobPoint point : {JobPoint::kStartPage, JobPoint::kEndPage}) {
    const OperationForm form = FormFromJobOperation(DefaultJobOperation(point));
    const OperationForm off = {.commandText = u"", .herald = false, .cashDrawer = 0, .heraldSetting = 0,
                               .buzzerCount = 0, .volumeText = u"0", .feedText = u"0", .paperCut = 0,
                               .logoNumber = 0, .logoAlign = 0, .logoPosition = 0};
    EXPECT_EQ(form, off) << static_cast<int>(point);
    EXPECT_EQ(EnablesOf(form), (OperationEnables{.cashDrawerList = true}));
  }
}

TEST(OperationForm, ShowsStoredValuesAndLeavesOutOfRangeListsUnselected) {
  JobOperation block;
  block.SendCommand = 1;
  block.Command[0] = 0x1D;
  block.Command[1] = 0x56;
  block.Command[2] = 0x99;  // beyond the length: not shown
  block.CommandLength = 2;
  block.CashDrawer = 13;
  block.HeraldSetting = 2;
  block.BuzzerCount = 6;
  block.PaperCut = 3;
  block.LogoNumber = 10;
  block.LogoAlign = 3;
  block.LogoPosition = 7;
  block.PaperFeed = 200;
  block.BuzzerVolume = 255;
  block.UseHerald = 0x100;
  const OperationForm form = FormFromJobOperation(block);
  EXPECT_TRUE(form.sendCommand);
  EXPECT_EQ(form.commandText, u"1D 56 ");
  EXPECT_EQ(form.cashDrawer, -1);
  EXPECT_EQ(form.heraldSetting, -1);
  EXPECT_EQ(form.buzzerCount, -1);
  EXPECT_EQ(form.paperCut, -1);
  EXPECT_EQ(form.logoNumber, -1);
  EXPECT_EQ(form.logoAlign, -1) << "no align radio checked";
  EXPECT_EQ(form.logoPosition, 1) << "any position but 0 checks \"After Cut\"";
  EXPECT_EQ(form.feedText, u"200");
  EXPECT_EQ(form.volumeText, u"255");
  EXPECT_TRUE(form.herald) << "any UseHerald but 0 checks \"Herald\"";

  // A corrupted length shows no more than the 128 bytes of the buffer.
  block.CommandLength = 200;
  EXPECT_EQ(FormFromJobOperation(block).commandText.size(), 128u * 3);
}

TEST(OperationForm, EnabledControlsFollowTheirSwitches) {
  OperationForm form;
  form.sendCommand = true;
  form.herald = true;
  form.buzzerCount = 1;
  form.logoNumber = 3;
  EXPECT_EQ(EnablesOf(form), (OperationEnables{true, false, true, true, true}));
  form.sendCommand = false;
  form.herald = false;
  form.buzzerCount = 0;
  form.logoNumber = 0;
  EXPECT_EQ(EnablesOf(form), (OperationEnables{false, true, false, false, false}));
}

TEST(NumberInBox, DigitsClampedToTheBoxsRange) {
  const struct {
    std::u16string_view text;
    unsigned max;
    unsigned value;
  } cases[] = {
      {u"", 100, 0},     {u"0", 100, 0},     {u"42", 100, 42},   {u"100", 100, 100},
      {u"101", 100, 100}, {u"250", 100, 100}, {u"255", 255, 255}, {u"256", 255, 255},
      {u"999", 255, 255}, {u"007", 255, 7},  {u"12a", 255, 12},  {u"a12", 255, 0},
      {u"-5", 255, 0},    {u"99999999999999999999", 255, 255},
  };
  for (size_t row = 0; row < std::size(cases); ++row) {
    EXPECT_EQ(NumberInBox(cases[row].text, cases[row].max), cases[row].value) << "row " << row;
  }
}

class ConfirmTest : public ::testing::Test {
 protected:
  // A block with something in every field, and the form it opens with.
  ConfirmTest() {
    stored.SendCommand = 1;
    stored.FeedToCutPosition = 1;
    stored.Command[0] = 0x1B;
    stored.Command[1] = 0x40;
    stored.CommandLength = 2;
    stored.CashDrawer = 5;
    stored.PaperCut = 2;
    stored.PaperFeed = 30;
    stored.HeraldSetting = 0;
    stored.UseHerald = 0;
    stored.BuzzerVolume = 80;
    stored.BuzzerCount = 3;
    stored.LogoNumber = 4;
    stored.LogoAlign = 1;
    stored.LogoPosition = 1;
    form = FormFromJobOperation(stored);
  }
  JobOperation stored;
  OperationForm form;
};

TEST_F(ConfirmTest, UnchangedFormStoresTheSameBlock) {
  EXPECT_EQ(ConfirmOperationForm(form, stored), stored);
}

TEST_F(ConfirmTest, FeedAndVolumeAreCutToTheirRanges) {
  form.feedText = u"250";
  form.volumeText = u"999";
  const auto block = ConfirmOperationForm(form, stored);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->PaperFeed, 100);
  EXPECT_EQ(block->BuzzerVolume, 255);
}

TEST_F(ConfirmTest, HeraldWithDisableKeepsTheCashDrawer) {
  form.herald = true;
  form.heraldSetting = 1;
  const auto block = ConfirmOperationForm(form, stored);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->UseHerald, 1u);
  EXPECT_EQ(block->HeraldSetting, 1);
  EXPECT_EQ(block->CashDrawer, 5);
}

TEST_F(ConfirmTest, ClearingSendCommandKeepsTheCommand) {
  form.sendCommand = false;
  form.commandText = u"1D 56 42 00";
  const auto block = ConfirmOperationForm(form, stored);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->SendCommand, 0);
  EXPECT_EQ(block->CommandLength, 4);
  const uint8_t expected[kCommandLimit] = {0x1D, 0x56, 0x42, 0x00};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), block->Command));
}

TEST_F(ConfirmTest, CommandAtTheLimitIsStoredAndOneByteMoreIsRefused) {
  form.commandText = Repeat(u"7F", 128);
  const auto block = ConfirmOperationForm(form, stored);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->CommandLength, 128);
  EXPECT_EQ(block->Command[kCommandLimit - 1], 0x7F);

  form.commandText = Repeat(u"7F", 129);
  EXPECT_FALSE(ConfirmOperationForm(form, stored));
}

TEST_F(ConfirmTest, BytesBeyondTheStoredLengthAreCleared) {
  stored.Command[100] = 0xEE;  // left behind by some other writer
  EXPECT_EQ(ConfirmOperationForm(FormFromJobOperation(stored), stored)->Command[100], 0);
}

TEST_F(ConfirmTest, DefaultThenOkStoresTheJobPointsDefaults) {
  for (const JobPoint point : kJobPoints) {
    EXPECT_EQ(ConfirmOperationForm(DefaultOperationForm(point), stored), DefaultJobOperation(point))
        << static_cast<int>(point);
  }
}

TEST_F(ConfirmTest, LogoRadiosAreStoredWhileTheLogoIsOff) {
  form.logoNumber = 0;
  form.logoAlign = 2;
  form.logoPosition = 0;
  const auto block = ConfirmOperationForm(form, stored);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->LogoNumber, 0);
  EXPECT_EQ(block->LogoAlign, 2);
  EXPECT_EQ(block->LogoPosition, 0);
  EXPECT_FALSE(EnablesOf(form).logoRadios);
}

TEST_F(ConfirmTest, ListsWithoutASelectionKeepTheStoredValue) {
  stored.CashDrawer = 40;
  stored.BuzzerCount = 9;
  stored.LogoNumber = 10;
  form = FormFromJobOperation(stored);
  const auto block = ConfirmOperationForm(form, stored);
  ASSERT_TRUE(block);
  EXPECT_EQ(block->CashDrawer, 40);
  EXPECT_EQ(block->BuzzerCount, 9);
  EXPECT_EQ(block->LogoNumber, 10);
}

TEST_F(ConfirmTest, NoAlignRadioCheckedStoresRight) {
  form.logoAlign = -1;
  EXPECT_EQ(ConfirmOperationForm(form, stored)->LogoAlign, 2);
}

}  // namespace
}  // namespace varnel::plugin
