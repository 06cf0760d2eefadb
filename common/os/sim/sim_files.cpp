#include "common/os/sim/sim_files.h"

#include "common/base/text.h"

namespace varnel::os::sim {

namespace {
bool IsDriveRoot(const std::string& normal) {
  return normal == "\\" || (normal.size() == 3 && normal[1] == ':' && normal[2] == '\\') ||
         (normal.size() == 2 && normal[1] == ':');
}
}  // namespace

std::string SimFiles::Key(const std::string& path) { return AsciiLower(NormalizePath(path)); }

const SimFiles::Node* SimFiles::Find(const std::string& path) const {
  auto found = nodes_.find(Key(path));
  return found == nodes_.end() ? nullptr : &found->second;
}

bool SimFiles::FolderExists(const std::string& path) const {
  if (path.empty() || IsDriveRoot(NormalizePath(path))) return true;
  const Node* node = Find(path);
  return node && node->directory;
}

void SimFiles::MakeFolders(const std::string& path) {
  const std::string normal = NormalizePath(path);
  if (normal.empty() || IsDriveRoot(normal) || FolderExists(normal)) return;
  MakeFolders(ParentPath(normal));
  nodes_[Key(normal)] = Node{FileNamePart(normal), true, {}};
}

void SimFiles::Put(const std::string& path, std::vector<uint8_t> contents) {
  MakeFolders(ParentPath(path));
  nodes_[Key(path)] = Node{FileNamePart(path), false, std::move(contents)};
}

void SimFiles::Put(const std::string& path, const std::string& text) {
  Put(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::vector<uint8_t> SimFiles::Contents(const std::string& path) const {
  const Node* node = Find(path);
  return node && !node->directory ? node->bytes : std::vector<uint8_t>{};
}

bool SimFiles::IsDirectory(const std::string& path) const {
  const Node* node = Find(path);
  return node && node->directory;
}

Status SimFiles::ReadFile(const std::string& path, std::vector<uint8_t>& contents) {
  if (Status st = faults.Enter("ReadFile"); !st) return st;
  const Node* node = Find(path);
  if (!node) return Status::Fail(FolderExists(ParentPath(path)) ? err::kFileNotFound : err::kPathNotFound, path);
  if (node->directory) return Status::Fail(err::kAccessDenied, path);
  contents = node->bytes;
  return Status::Ok();
}

Status SimFiles::WriteFile(const std::string& path, std::span<const uint8_t> contents) {
  if (Status st = faults.Enter("WriteFile"); !st) return st;
  if (!FolderExists(ParentPath(path))) return Status::Fail(err::kPathNotFound, path);
  const Node* node = Find(path);
  if (node && node->directory) return Status::Fail(err::kAccessDenied, path);
  nodes_[Key(path)] = Node{node ? node->name : FileNamePart(path), false, {contents.begin(), contents.end()}};
  return Status::Ok();
}

Status SimFiles::Remove(const std::string& path) {
  if (Status st = faults.Enter("Remove"); !st) return st;
  const Node* node = Find(path);
  if (!node) return Status::Fail(FolderExists(ParentPath(path)) ? err::kFileNotFound : err::kPathNotFound, path);
  if (node->directory) return Status::Fail(err::kAccessDenied, path);
  nodes_.erase(Key(path));
  return Status::Ok();
}

Status SimFiles::Copy(const std::string& from, const std::string& to, bool failIfExists) {
  if (Status st = faults.Enter("Copy"); !st) return st;
  const Node* source = Find(from);
  if (!source || source->directory) return Status::Fail(err::kFileNotFound, from);
  if (!FolderExists(ParentPath(to))) return Status::Fail(err::kPathNotFound, to);
  const Node* target = Find(to);
  if (target && failIfExists) return Status::Fail(err::kFileExists, to);
  if (target && target->directory) return Status::Fail(err::kAccessDenied, to);
  Node copy{target ? target->name : FileNamePart(to), false, source->bytes};
  nodes_[Key(to)] = std::move(copy);
  return Status::Ok();
}

Status SimFiles::MakeDirectory(const std::string& path) {
  if (Status st = faults.Enter("MakeDirectory"); !st) return st;
  if (Find(path) || IsDriveRoot(NormalizePath(path))) return Status::Fail(err::kAlreadyExists, path);
  if (!FolderExists(ParentPath(path))) return Status::Fail(err::kPathNotFound, path);
  nodes_[Key(path)] = Node{FileNamePart(path), true, {}};
  return Status::Ok();
}

bool SimFiles::Exists(const std::string& path) { return Find(path) || IsDriveRoot(NormalizePath(path)); }

Status SimFiles::FileSize(const std::string& path, uint64_t& size) {
  if (Status st = faults.Enter("FileSize"); !st) return st;
  const Node* node = Find(path);
  if (!node || node->directory) return Status::Fail(err::kFileNotFound, path);
  size = node->bytes.size();
  return Status::Ok();
}

Status SimFiles::ListDirectory(const std::string& path, std::vector<std::string>& names) {
  if (Status st = faults.Enter("ListDirectory"); !st) return st;
  if (!FolderExists(path)) return Status::Fail(err::kPathNotFound, path);
  names.clear();
  const std::string folder = Key(path);
  for (const auto& [key, node] : nodes_) {
    if (AsciiLower(ParentPath(key)) == folder || (folder.empty() && ParentPath(key).empty())) {
      names.push_back(node.name);
    }
  }
  return Status::Ok();
}

}  // namespace varnel::os::sim
