#pragma once
// The file system as the core sees it. Paths are UTF-8 with the platform's rules:
// '\' or '/' separate, names compare without regard to case.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/base/status.h"

namespace varnel::os {

class Files {
 public:
  virtual ~Files() = default;

  // Reads the whole file. 2 (file not found) or 3 (path not found) when it is absent.
  virtual Status ReadFile(const std::string& path, std::vector<uint8_t>& contents) = 0;
  // Creates the file or replaces its contents. 3 when the folder does not exist.
  virtual Status WriteFile(const std::string& path, std::span<const uint8_t> contents) = 0;
  // Removes one file. 2 when it does not exist.
  virtual Status Remove(const std::string& path) = 0;
  // Copies a file; with failIfExists, 80 when the target exists. 2 when the source is absent.
  virtual Status Copy(const std::string& from, const std::string& to, bool failIfExists) = 0;
  // Creates one folder (its parent must exist). 183 when it exists already.
  virtual Status MakeDirectory(const std::string& path) = 0;
  // True when a file or folder of that name exists.
  virtual bool Exists(const std::string& path) = 0;
  // The size of a file in bytes; 2 when it does not exist.
  virtual Status FileSize(const std::string& path, uint64_t& size) = 0;
  // The names (not paths) of the files and folders directly inside a folder.
  virtual Status ListDirectory(const std::string& path, std::vector<std::string>& names) = 0;
};

}  // namespace varnel::os
