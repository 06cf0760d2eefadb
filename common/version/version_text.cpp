#include "common/version/version_text.h"

#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>

#include "common/base/text.h"

namespace varnel::version {

namespace {

// One node of the block: its key, its value bytes and its children, all inside the block.
struct Node {
  std::u16string key;
  size_t valueStart = 0;
  size_t valueBytes = 0;
  size_t childrenStart = 0;
  size_t end = 0;
};

size_t Align4(size_t offset) { return (offset + 3) & ~size_t{3}; }

class Block {
 public:
  explicit Block(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint16_t Word(size_t at) const { return static_cast<uint16_t>(bytes_[at] | bytes_[at + 1] << 8); }

  // The node at `at`, which must end before `limit`; nothing when it does not fit.
  std::optional<Node> NodeAt(size_t at, size_t limit) const {
    if (at + 6 > limit) return std::nullopt;
    const size_t length = Word(at);
    const size_t valueLength = Word(at + 2);
    const uint16_t type = Word(at + 4);
    if (length < 6 || at + length > limit) return std::nullopt;
    Node node;
    node.end = at + length;
    size_t cursor = at + 6;
    for (;;) {
      if (cursor + 2 > node.end) return std::nullopt;
      const char16_t c = static_cast<char16_t>(Word(cursor));
      cursor += 2;
      if (c == 0) break;
      node.key.push_back(c);
    }
    node.valueStart = std::min(Align4(cursor), node.end);
    node.valueBytes = type == 1 ? valueLength * size_t{2} : valueLength;
    if (node.valueStart + node.valueBytes > node.end) node.valueBytes = node.end - node.valueStart;
    node.childrenStart = std::min(Align4(node.valueStart + node.valueBytes), node.end);
    return node;
  }

  std::vector<Node> Children(const Node& parent) const {
    std::vector<Node> children;
    size_t at = parent.childrenStart;
    while (at < parent.end) {
      std::optional<Node> child = NodeAt(at, parent.end);
      if (!child) break;
      at = Align4(child->end);
      children.push_back(std::move(*child));
    }
    return children;
  }

  std::optional<Node> Child(const Node& parent, std::u16string_view key) const {
    for (Node& child : Children(parent)) {
      if (SameKey(child.key, key)) return child;
    }
    return std::nullopt;
  }

  std::span<const uint8_t> Value(const Node& node) const { return bytes_.subspan(node.valueStart, node.valueBytes); }

  size_t size() const { return bytes_.size(); }

 private:
  static bool SameKey(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      auto lower = [](char16_t c) { return (c >= 'A' && c <= 'Z') ? static_cast<char16_t>(c + 32) : c; };
      if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
  }

  std::span<const uint8_t> bytes_;
};

std::u16string Wide(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// UTF-16 text up to its first NUL, as UTF-8.
std::string TextOf(std::span<const uint8_t> value) {
  std::string out;
  for (size_t i = 0; i + 1 < value.size(); i += 2) {
    const uint32_t c = value[i] | value[i + 1] << 8;
    if (c == 0) break;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace

std::string FileVersionText(std::span<const uint8_t> bytes) {
  const Block block(bytes);
  const std::optional<Node> root = block.NodeAt(0, block.size());
  if (!root || root->key != u"VS_VERSION_INFO") return kNoVersion;

  const std::optional<Node> varInfo = block.Child(*root, u"VarFileInfo");
  const std::optional<Node> translation = varInfo ? block.Child(*varInfo, u"Translation") : std::nullopt;
  if (!translation) return kNoVersion;
  const std::span<const uint8_t> pair = block.Value(*translation);
  if (pair.size() < 4) return kNoVersion;
  char table[9];
  std::snprintf(table, sizeof table, "%04x%04x", pair[0] | pair[1] << 8, pair[2] | pair[3] << 8);

  const std::optional<Node> strings = block.Child(*root, u"StringFileInfo");
  const std::optional<Node> language = strings ? block.Child(*strings, Wide(table)) : std::nullopt;
  const std::optional<Node> fileVersion = language ? block.Child(*language, u"FileVersion") : std::nullopt;
  if (!fileVersion) return kNoVersion;
  std::string text = TextOf(block.Value(*fileVersion));
  return text.empty() ? kNoVersion : text;
}

std::string FileVersionText(os::FileVersions& versions, const std::string& path) {
  std::vector<uint8_t> block;
  if (!versions.ReadVersionBlock(path, block)) return kNoVersion;
  return FileVersionText(block);
}

uint32_t ReducedVersionNumber(std::string_view text) {
  uint32_t number = 0;
  int digits = 0;
  for (size_t i = 0; i < text.size() && digits < 9; i += 2, ++digits) {
    const char c = text[i];
    if (c < '0' || c > '9') break;
    number = number * 10 + static_cast<uint32_t>(c - '0');
  }
  return number;
}

}  // namespace varnel::version
