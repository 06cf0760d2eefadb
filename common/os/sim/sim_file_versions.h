#pragma once
// Version blocks of files, as a test gives them.

#include <map>

#include "common/base/text.h"
#include "common/os/file_versions.h"
#include "common/os/sim/faults.h"

namespace varnel::os::sim {

class SimFileVersions : public FileVersions {
 public:
  // Method names for fault injection: "ReadVersionBlock".
  Faults faults;
  // Test set-up: the version block of a file (by path, without regard to case).
  void Put(const std::string& path, std::vector<uint8_t> block) { blocks_[AsciiLower(path)] = std::move(block); }
  // When set, each read records whether redirection was off at that moment.
  const bool* redirectionOff = nullptr;
  std::vector<bool> readsWithRedirectionOff;

  Status ReadVersionBlock(const std::string& path, std::vector<uint8_t>& block) override {
    if (Status st = faults.Enter("ReadVersionBlock"); !st) return st;
    if (redirectionOff) readsWithRedirectionOff.push_back(*redirectionOff);
    auto found = blocks_.find(AsciiLower(path));
    if (found == blocks_.end()) return Status::Fail(1813, path);
    block = found->second;
    return Status::Ok();
  }

 private:
  std::map<std::string, std::vector<uint8_t>> blocks_;
};

}  // namespace varnel::os::sim
