#pragma once
// Files on the real file system, through the platform's wide-character calls.

#include "common/os/files.h"

namespace varnel::win32 {

class Win32Files : public os::Files {
 public:
  Status ReadFile(const std::string& path, std::vector<uint8_t>& contents) override;
  Status WriteFile(const std::string& path, std::span<const uint8_t> contents) override;
  Status Remove(const std::string& path) override;
  Status Copy(const std::string& from, const std::string& to, bool failIfExists) override;
  Status MakeDirectory(const std::string& path) override;
  bool Exists(const std::string& path) override;
  Status FileSize(const std::string& path, uint64_t& size) override;
  Status ListDirectory(const std::string& path, std::vector<std::string>& names) override;
};

}  // namespace varnel::win32
