#include "common/os/sim/sim_registry.h"

#include "common/base/text.h"

namespace varnel::os::sim {

namespace {
// The key's path as written, without a leading '\'.
std::string Written(const std::string& key) {
  std::string normal = NormalizePath(key);
  if (!normal.empty() && normal.front() == '\\') normal.erase(0, 1);
  return normal;
}
// The key's place in a tree.
std::string KeyPath(const std::string& key) { return AsciiLower(Written(key)); }
}  // namespace

SimRegistry::Tree& SimRegistry::TreeOf(RegRoot root, RegView view) {
  const int v = (wow64_ && view == RegView::Force64) ? 1 : 0;
  return trees_[{static_cast<int>(root), v}];
}

const SimRegistry::Tree& SimRegistry::TreeOf(RegRoot root, RegView view) const {
  return const_cast<SimRegistry*>(this)->TreeOf(root, view);
}

SimRegistry::Key& SimRegistry::MakeKey(Tree& tree, const std::string& written) {
  const std::string parent = ParentPath(written);
  if (!parent.empty() && !tree.count(AsciiLower(parent))) MakeKey(tree, parent);
  auto [entry, added] = tree.try_emplace(AsciiLower(written));
  if (added) entry->second.name = FileNamePart(written);
  return entry->second;
}

bool SimRegistry::KeyExists(RegRoot root, const std::string& key, RegView view) const {
  return TreeOf(root, view).count(KeyPath(key)) != 0;
}

SimRegistry::Value* SimRegistry::FindValue(RegRoot root, const std::string& key, const std::string& name,
                                           RegView view) {
  Tree& tree = TreeOf(root, view);
  auto found = tree.find(KeyPath(key));
  if (found == tree.end()) return nullptr;
  auto value = found->second.values.find(AsciiLower(name));
  return value == found->second.values.end() ? nullptr : &value->second;
}

Status SimRegistry::CreateKey(RegRoot root, const std::string& key, RegView view) {
  if (Status st = faults.Enter("CreateKey"); !st) return st;
  MakeKey(TreeOf(root, view), Written(key));
  return Status::Ok();
}

Status SimRegistry::SetString(RegRoot root, const std::string& key, const std::string& name,
                              const std::string& value, RegView view) {
  if (Status st = faults.Enter("SetString"); !st) return st;
  MakeKey(TreeOf(root, view), Written(key)).values[AsciiLower(name)] = Value{value, std::nullopt};
  return Status::Ok();
}

Status SimRegistry::GetString(RegRoot root, const std::string& key, const std::string& name, std::string& value,
                              RegView view) {
  if (Status st = faults.Enter("GetString"); !st) return st;
  Value* found = FindValue(root, key, name, view);
  if (!found) return Status::Fail(err::kFileNotFound, key + "\\" + name);
  if (!found->text) return Status::Fail(13, key + "\\" + name);
  value = *found->text;
  return Status::Ok();
}

Status SimRegistry::SetDword(RegRoot root, const std::string& key, const std::string& name, uint32_t value,
                             RegView view) {
  if (Status st = faults.Enter("SetDword"); !st) return st;
  MakeKey(TreeOf(root, view), Written(key)).values[AsciiLower(name)] = Value{std::nullopt, value};
  return Status::Ok();
}

Status SimRegistry::GetDword(RegRoot root, const std::string& key, const std::string& name, uint32_t& value,
                             RegView view) {
  if (Status st = faults.Enter("GetDword"); !st) return st;
  Value* found = FindValue(root, key, name, view);
  if (!found) return Status::Fail(err::kFileNotFound, key + "\\" + name);
  if (!found->number) return Status::Fail(13, key + "\\" + name);
  value = *found->number;
  return Status::Ok();
}

Status SimRegistry::DeleteValue(RegRoot root, const std::string& key, const std::string& name, RegView view) {
  if (Status st = faults.Enter("DeleteValue"); !st) return st;
  Tree& tree = TreeOf(root, view);
  auto found = tree.find(KeyPath(key));
  if (found == tree.end() || found->second.values.erase(AsciiLower(name)) == 0) {
    return Status::Fail(err::kFileNotFound, key + "\\" + name);
  }
  return Status::Ok();
}

Status SimRegistry::DeleteTree(RegRoot root, const std::string& key, RegView view) {
  if (Status st = faults.Enter("DeleteTree"); !st) return st;
  Tree& tree = TreeOf(root, view);
  const std::string path = KeyPath(key);
  if (!tree.count(path)) return Status::Fail(err::kFileNotFound, key);
  const std::string below = path + "\\";
  for (auto entry = tree.begin(); entry != tree.end();) {
    const bool inside = entry->first == path || entry->first.compare(0, below.size(), below) == 0;
    entry = inside ? tree.erase(entry) : std::next(entry);
  }
  return Status::Ok();
}

Status SimRegistry::ListSubkeys(RegRoot root, const std::string& key, std::vector<std::string>& names,
                                RegView view) {
  if (Status st = faults.Enter("ListSubkeys"); !st) return st;
  const Tree& tree = TreeOf(root, view);
  const std::string path = KeyPath(key);
  if (!tree.count(path)) return Status::Fail(err::kFileNotFound, key);
  names.clear();
  for (const auto& [full, entry] : tree) {
    if (full != path && ParentPath(full) == path) names.push_back(entry.name);
  }
  return Status::Ok();
}

}  // namespace varnel::os::sim
