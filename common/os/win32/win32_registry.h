#pragma once
// The real registry. RegView::Force64 opens keys with KEY_WOW64_64KEY.

#include "common/os/registry.h"

namespace varnel::win32 {

class Win32Registry : public os::Registry {
 public:
  Status CreateKey(os::RegRoot root, const std::string& key, os::RegView view = os::RegView::Native) override;
  Status SetString(os::RegRoot root, const std::string& key, const std::string& name, const std::string& value,
                   os::RegView view = os::RegView::Native) override;
  Status GetString(os::RegRoot root, const std::string& key, const std::string& name, std::string& value,
                   os::RegView view = os::RegView::Native) override;
  Status SetDword(os::RegRoot root, const std::string& key, const std::string& name, uint32_t value,
                  os::RegView view = os::RegView::Native) override;
  Status GetDword(os::RegRoot root, const std::string& key, const std::string& name, uint32_t& value,
                  os::RegView view = os::RegView::Native) override;
  Status DeleteValue(os::RegRoot root, const std::string& key, const std::string& name, os::RegView view = os::RegView::Native) override;
  Status DeleteTree(os::RegRoot root, const std::string& key, os::RegView view = os::RegView::Native) override;
  Status ListSubkeys(os::RegRoot root, const std::string& key, std::vector<std::string>& names,
                     os::RegView view = os::RegView::Native) override;
};

}  // namespace varnel::win32
