#include "plugin/codec/command_text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace varnel::plugin {
namespace {

using Bytes = std::vector<uint8_t>;

std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

// `count` copies of `piece`, joined.
std::u16string Repeat(std::u16string_view piece, size_t count) {
  std::u16string text;
  for (size_t i = 0; i < count; ++i) text += piece;
  return text;
}

TEST(HexDigitValue, DigitsLettersOfBothCasesAndEverythingElse) {
  const std::u16string_view digits = u"0123456789abcdef";
  for (size_t i = 0; i < digits.size(); ++i) {
    EXPECT_EQ(HexDigitValue(digits[i]), i) << Narrow(digits.substr(i, 1));
  }
  const std::u16string_view upper = u"ABCDEF";
  for (size_t i = 0; i < upper.size(); ++i) EXPECT_EQ(HexDigitValue(upper[i]), 10 + i);
  for (const char16_t c : std::u16string_view(u" .-gGxX/:@`\u00E4\u4E2D")) {
    EXPECT_EQ(HexDigitValue(c), 0) << "char " << static_cast<int>(c);
  }
  EXPECT_EQ(HexDigitValue(0), 0);
}

TEST(ParseCommandText, TextToBytes) {
  const struct {
    std::u16string_view text;
    Bytes bytes;
  } cases[] = {
      {u"", {}},
      {u" ", {}},
      {u"1D 56 42 00", {0x1D, 0x56, 0x42, 0x00}},
      {u"1D564200", {0x1D, 0x56, 0x42, 0x00}},
      {u"1 D", {0x01, 0x0D}},
      {u"1D5", {0x1D, 0x05}},
      {u"ABC D", {0xAB, 0x0C, 0x0D}},
      {u"1D.5", {0x1D, 0x05}},
      {u"0", {0x00}},
      {u"F", {0x0F}},
      {u"FF", {0xFF}},
      {u"fff", {0xFF, 0x0F}},
      {u"  1D   56  ", {0x1D, 0x56}},
      {u"1d 5a", {0x1D, 0x5A}},
      {u"-1", {0x01}},          // a character that is not a digit counts as 0
      {u"zz", {0x00}},
      {u"1D 56 42 00 ", {0x1D, 0x56, 0x42, 0x00}},  // the formatter's trailing space
  };
  for (size_t row = 0; row < std::size(cases); ++row) {
    EXPECT_EQ(ParseCommandText(cases[row].text), cases[row].bytes) << "row " << row << " ‹" << Narrow(cases[row].text) << "›";
  }
}

TEST(FormatCommandText, BytesToTextAndBack) {
  const struct {
    Bytes bytes;
    std::u16string_view text;
  } cases[] = {
      {{}, u""},
      {{0x1D, 0x56, 0x42, 0x00}, u"1D 56 42 00 "},
      {{0x00, 0x0A, 0x1B, 0xFF}, u"00 0A 1B FF "},
      {{0x0F}, u"0F "},
  };
  for (size_t row = 0; row < std::size(cases); ++row) {
    const std::u16string text = FormatCommandText(cases[row].bytes);
    EXPECT_EQ(text, cases[row].text) << "row " << row;
    EXPECT_EQ(ParseCommandText(text), cases[row].bytes) << "row " << row << " round trip";
  }
}

TEST(FormatCommandText, EveryByteValueRoundTrips) {
  Bytes all(256);
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<uint8_t>(i);
  EXPECT_EQ(ParseCommandText(FormatCommandText(all)), all);
}

TEST(CommandFromEditText, AcceptsUpTo128BytesAndRefusesMore) {
  const auto at_limit = CommandFromEditText(Repeat(u"1B", 128));
  ASSERT_TRUE(at_limit.has_value());
  EXPECT_EQ(*at_limit, Bytes(128, 0x1B));

  EXPECT_FALSE(CommandFromEditText(Repeat(u"1B", 129)).has_value());
  EXPECT_FALSE(CommandFromEditText(Repeat(u"1B ", 129)).has_value());

  // 150 single digits with single spaces between them: 299 characters, 150 bytes,
  // refused rather than cut to 128.
  std::u16string singles = Repeat(u"7 ", 150);
  singles.pop_back();
  ASSERT_EQ(singles.size(), 299u);
  EXPECT_EQ(ParseCommandText(singles), Bytes(150, 0x07));
  EXPECT_FALSE(CommandFromEditText(singles).has_value());

  EXPECT_EQ(CommandFromEditText(u""), Bytes{});
}

TEST(CommandFromEditText, ReadsOnlyWhatTheEditBoxBufferHolds) {
  // 128 pairs with spaces (384 characters) and then text beyond the 399th character:
  // only the first 399 characters count, so the command stays within the limit.
  std::u16string text = Repeat(u"1B ", 128);
  text += Repeat(u" ", kCommandTextMaxChars - text.size());
  ASSERT_EQ(text.size(), 399u);
  const auto accepted = CommandFromEditText(text + u"FFFF");
  ASSERT_TRUE(accepted.has_value());
  EXPECT_EQ(*accepted, Bytes(128, 0x1B));
  // The 399th character itself is still read.
  text.back() = u'5';
  EXPECT_FALSE(CommandFromEditText(text).has_value());
}

TEST(StoreCommand, ClearsTheWholeBufferBeforeCopying) {
  std::array<uint8_t, kCommandLimit> buffer;
  buffer.fill(0xEE);
  const Bytes command = {0x1D, 0x56, 0x42};
  EXPECT_EQ(StoreCommand(command, buffer), 3);
  EXPECT_EQ(buffer[0], 0x1D);
  EXPECT_EQ(buffer[2], 0x42);
  for (size_t i = 3; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], 0) << "byte " << i;

  EXPECT_EQ(StoreCommand({}, buffer), 0);
  EXPECT_EQ(buffer, (std::array<uint8_t, kCommandLimit>{}));
  EXPECT_EQ(StoreCommand(Bytes(128, 0xAA), buffer), 128);
  EXPECT_EQ(buffer.back(), 0xAA);
}

TEST(FilterCommandKey, TypedCharacters) {
  using A = CommandKeyAction;
  const struct {
    char16_t ch;
    bool tabDown;
    bool ctrlDown;
    A action;
  } cases[] = {
      {u'0', false, false, A::kPassOn},  {u'9', false, false, A::kPassOn},
      {u'a', false, false, A::kPassOn},  {u'f', false, false, A::kPassOn},
      {u'A', false, false, A::kPassOn},  {u'F', false, false, A::kPassOn},
      {u' ', false, false, A::kPassOn},  {8, false, false, A::kPassOn},  // backspace
      {u'.', false, false, A::kPassOn},  {u'-', false, false, A::kPassOn},
      {u'g', false, false, A::kDrop},    {u'x', false, false, A::kDrop},
      {u'G', false, false, A::kDrop},    {u'X', false, false, A::kDrop},
      {13, false, false, A::kDrop},      {27, false, false, A::kDrop},  // Enter, Escape
      {9, false, false, A::kDrop},       {u',', false, false, A::kDrop},
      {0, false, false, A::kDrop},       {u'\u4E2D', false, false, A::kDrop},
      {3, false, true, A::kPassOn},      {22, false, true, A::kPassOn},  // Ctrl+C, Ctrl+V
      {u'x', false, true, A::kPassOn},
      {9, true, false, A::kNextControl}, {u'1', true, false, A::kNextControl},
      {u'.', true, true, A::kNextControl},
  };
  for (size_t row = 0; row < std::size(cases); ++row) {
    const auto& c = cases[row];
    EXPECT_EQ(FilterCommandKey({c.ch, c.tabDown, c.ctrlDown}), c.action) << "row " << row;
  }
}

}  // namespace
}  // namespace varnel::plugin
