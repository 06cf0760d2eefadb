#include "common/version/version_text.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_file_versions.h"

namespace varnel::version {
namespace {

// Builds version information blocks (VS_VERSIONINFO) as resource compilers lay them out.
struct VersionNode {
  std::u16string key;
  uint16_t type = 1;               // 1 text, 0 binary
  std::vector<uint8_t> value;      // raw bytes
  uint16_t valueLength = 0;        // in units of the type
  std::vector<VersionNode> children;

  static VersionNode Text(std::u16string key, std::u16string text) {
    VersionNode node;
    node.key = std::move(key);
    for (char16_t c : text + u'\0') {
      node.value.push_back(static_cast<uint8_t>(c));
      node.value.push_back(static_cast<uint8_t>(c >> 8));
    }
    node.valueLength = static_cast<uint16_t>(text.size() + 1);
    return node;
  }
  static VersionNode Binary(std::u16string key, std::vector<uint8_t> bytes) {
    VersionNode node;
    node.key = std::move(key);
    node.type = 0;
    node.valueLength = static_cast<uint16_t>(bytes.size());
    node.value = std::move(bytes);
    return node;
  }
  static VersionNode Parent(std::u16string key, std::vector<VersionNode> children, uint16_t type = 1) {
    VersionNode node;
    node.key = std::move(key);
    node.type = type;
    node.children = std::move(children);
    return node;
  }

  void Pad(std::vector<uint8_t>& out) const {
    while (out.size() % 4) out.push_back(0);
  }
  void Write(std::vector<uint8_t>& out) const {
    const size_t start = out.size();
    out.insert(out.end(), {0, 0, static_cast<uint8_t>(valueLength), static_cast<uint8_t>(valueLength >> 8),
                           static_cast<uint8_t>(type), 0});
    for (char16_t c : key + u'\0') {
      out.push_back(static_cast<uint8_t>(c));
      out.push_back(static_cast<uint8_t>(c >> 8));
    }
    Pad(out);
    out.insert(out.end(), value.begin(), value.end());
    for (const VersionNode& child : children) {
      Pad(out);
      child.Write(out);
    }
    const size_t length = out.size() - start;
    out[start] = static_cast<uint8_t>(length);
    out[start + 1] = static_cast<uint8_t>(length >> 8);
  }
};

std::vector<uint8_t> Block(std::u16string tableKey, std::vector<uint8_t> translation,
                           std::u16string fileVersion = u"2.0.1.3") {
  VersionNode root = VersionNode::Binary(u"VS_VERSION_INFO", std::vector<uint8_t>(52, 0));
  root.children = {
      VersionNode::Parent(u"StringFileInfo",
                          {VersionNode::Parent(tableKey, {VersionNode::Text(u"CompanyName", u"Varnel"),
                                                          VersionNode::Text(u"FileVersion", fileVersion)})}),
      VersionNode::Parent(u"VarFileInfo", {VersionNode::Binary(u"Translation", translation)}),
  };
  std::vector<uint8_t> out;
  root.Write(out);
  return out;
}

const std::vector<uint8_t> kUsEnglishUnicode = {0x09, 0x04, 0xB0, 0x04};

TEST(FileVersionText, TakesTheFileVersionOfTheFirstTranslation) {
  EXPECT_EQ(FileVersionText(Block(u"040904b0", kUsEnglishUnicode)), "2.0.1.3");
  EXPECT_EQ(FileVersionText(Block(u"040904B0", kUsEnglishUnicode)), "2.0.1.3") << "keys ignore case";
  std::vector<uint8_t> two = kUsEnglishUnicode;
  two.insert(two.begin(), {0x04, 0x08, 0xA8, 0x03});  // Chinese (PRC), GB2312 listed first
  EXPECT_EQ(FileVersionText(Block(u"040904b0", two)), "0.0.0.0") << "only the first translation counts";
  EXPECT_EQ(FileVersionText(Block(u"080403a8", two)), "2.0.1.3");
}

TEST(FileVersionText, GivesNoVersionForMissingOrBrokenResources) {
  EXPECT_EQ(FileVersionText(Block(u"040904b0", {})), "0.0.0.0") << "no translation";
  EXPECT_EQ(FileVersionText(Block(u"040904b0", kUsEnglishUnicode, u"")), "0.0.0.0") << "empty string";
  EXPECT_EQ(FileVersionText(std::vector<uint8_t>{}), "0.0.0.0");
  const std::vector<uint8_t> good = Block(u"040904b0", kUsEnglishUnicode);
  for (size_t cut : {size_t{1}, size_t{6}, size_t{40}, good.size() / 2, good.size() - 1}) {
    std::vector<uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(cut));
    EXPECT_EQ(FileVersionText(truncated), "0.0.0.0") << "cut at " << cut;
  }
  std::vector<uint8_t> lying = good;
  lying[0] = 0xFF;
  lying[1] = 0xFF;  // the root claims more bytes than there are
  EXPECT_EQ(FileVersionText(lying), "0.0.0.0");
}

TEST(FileVersionText, ReadsThroughTheBoundaryAndCountsAFailureAsNoVersion) {
  os::sim::SimFileVersions versions;
  versions.Put("C:\\Windows\\system32\\drivers\\KTXPUSB.sys", Block(u"040904b0", kUsEnglishUnicode, u"1.0.0.6"));
  EXPECT_EQ(FileVersionText(versions, "c:\\windows\\SYSTEM32\\drivers\\ktxpusb.sys"), "1.0.0.6");
  EXPECT_EQ(FileVersionText(versions, "C:\\none.sys"), "0.0.0.0");
}

TEST(ReducedVersionNumber, KeepsTheEvenPositions) {
  const struct {
    const char* text;
    uint32_t number;
  } rows[] = {{"2.0.1.3", 2013}, {"0.0.0.0", 0}, {"1.0.0.5", 1005}, {"1.0.0.6", 1006}, {"", 0},
              {"10.0.0.1", 1}, {"9.9.9.9.9.9.9.9.9.9.9", 999999999}, {"x.1", 0}};
  for (const auto& row : rows) EXPECT_EQ(ReducedVersionNumber(row.text), row.number) << row.text;
}

}  // namespace
}  // namespace varnel::version
