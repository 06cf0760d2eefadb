#pragma once
// The version resource of a file.

#include <cstdint>
#include <string>
#include <vector>

#include "common/base/status.h"

namespace varnel::os {

class FileVersions {
 public:
  virtual ~FileVersions() = default;

  // The file's version information block (VS_VERSIONINFO) as the platform returns it.
  // 1813 (resource type not found) or another error when the file has none; 2 when the
  // file is absent.
  virtual Status ReadVersionBlock(const std::string& path, std::vector<uint8_t>& block) = 0;
};

}  // namespace varnel::os
