#pragma once
// The registry as the core sees it. Key paths are relative to a root and use '\'.

#include <cstdint>
#include <string>
#include <vector>

#include "common/base/status.h"

namespace varnel::os {

enum class RegRoot { LocalMachine, CurrentUser };

// A 32-bit program on a 64-bit system writes the 64-bit view where that matters.
enum class RegView { Native, Force64 };

class Registry {
 public:
  virtual ~Registry() = default;

  // Creates the key and its missing parents; succeeds when it exists already.
  virtual Status CreateKey(RegRoot root, const std::string& key, RegView view = RegView::Native) = 0;
  // Creates the key and its missing parents when needed, then sets a string value.
  virtual Status SetString(RegRoot root, const std::string& key, const std::string& name,
                           const std::string& value, RegView view = RegView::Native) = 0;
  // 2 when the key or the value is absent; 13 (invalid data) when it is not a string.
  virtual Status GetString(RegRoot root, const std::string& key, const std::string& name,
                           std::string& value, RegView view = RegView::Native) = 0;
  virtual Status SetDword(RegRoot root, const std::string& key, const std::string& name,
                          uint32_t value, RegView view = RegView::Native) = 0;
  // 2 when the key or the value is absent; 13 when it is not a number of 4 bytes.
  virtual Status GetDword(RegRoot root, const std::string& key, const std::string& name,
                          uint32_t& value, RegView view = RegView::Native) = 0;
  // 2 when the value is absent.
  virtual Status DeleteValue(RegRoot root, const std::string& key, const std::string& name,
                             RegView view = RegView::Native) = 0;
  // Removes the key with everything below it. 2 when it is absent.
  virtual Status DeleteTree(RegRoot root, const std::string& key, RegView view = RegView::Native) = 0;
  // The names of the key's direct subkeys. 2 when the key is absent.
  virtual Status ListSubkeys(RegRoot root, const std::string& key, std::vector<std::string>& names,
                             RegView view = RegView::Native) = 0;
};

}  // namespace varnel::os
