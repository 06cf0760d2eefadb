#pragma once
// An in-memory file tree with the platform's rules: names compare without regard to
// case, a file needs its folder, drive roots ("C:\") always exist.

#include <map>
#include <string>
#include <vector>

#include "common/os/files.h"
#include "common/os/sim/faults.h"

namespace varnel::os::sim {

class SimFiles : public Files {
 public:
  // Method names for fault injection: "ReadFile", "WriteFile", "Remove", "Copy",
  // "MakeDirectory", "FileSize", "ListDirectory".
  Faults faults;

  // Test set-up: a file with its folders created as needed.
  void Put(const std::string& path, std::vector<uint8_t> contents);
  void Put(const std::string& path, const std::string& text);
  // Test inspection: the bytes of a file, empty when absent.
  std::vector<uint8_t> Contents(const std::string& path) const;
  bool IsDirectory(const std::string& path) const;

  Status ReadFile(const std::string& path, std::vector<uint8_t>& contents) override;
  Status WriteFile(const std::string& path, std::span<const uint8_t> contents) override;
  Status Remove(const std::string& path) override;
  Status Copy(const std::string& from, const std::string& to, bool failIfExists) override;
  Status MakeDirectory(const std::string& path) override;
  bool Exists(const std::string& path) override;
  Status FileSize(const std::string& path, uint64_t& size) override;
  Status ListDirectory(const std::string& path, std::vector<std::string>& names) override;

 private:
  struct Node {
    std::string name;  // as first written, for listings
    bool directory = false;
    std::vector<uint8_t> bytes;
  };
  const Node* Find(const std::string& path) const;
  bool FolderExists(const std::string& path) const;
  void MakeFolders(const std::string& path);
  static std::string Key(const std::string& path);

  std::map<std::string, Node> nodes_;  // by lower-cased normalized path
};

}  // namespace varnel::os::sim
