#pragma once
// An in-memory registry. Key and value names compare without regard to case. With
// wow64 set it behaves as the registry seen by a 32-bit program on a 64-bit system:
// the native view and the 64-bit view are two separate trees.

#include <map>
#include <optional>
#include <string>

#include "common/os/registry.h"
#include "common/os/sim/faults.h"

namespace varnel::os::sim {

class SimRegistry : public Registry {
 public:
  explicit SimRegistry(bool wow64 = false) : wow64_(wow64) {}

  // Method names for fault injection: "CreateKey", "SetString", "GetString", "SetDword", "GetDword",
  // "DeleteValue", "DeleteTree", "ListSubkeys".
  Faults faults;

  bool KeyExists(RegRoot root, const std::string& key, RegView view = RegView::Native) const;

  Status CreateKey(RegRoot root, const std::string& key, RegView view = RegView::Native) override;
  Status SetString(RegRoot root, const std::string& key, const std::string& name, const std::string& value,
                   RegView view = RegView::Native) override;
  Status GetString(RegRoot root, const std::string& key, const std::string& name, std::string& value,
                   RegView view = RegView::Native) override;
  Status SetDword(RegRoot root, const std::string& key, const std::string& name, uint32_t value,
                  RegView view = RegView::Native) override;
  Status GetDword(RegRoot root, const std::string& key, const std::string& name, uint32_t& value,
                  RegView view = RegView::Native) override;
  Status DeleteValue(RegRoot root, const std::string& key, const std::string& name, RegView view = RegView::Native) override;
  Status DeleteTree(RegRoot root, const std::string& key, RegView view = RegView::Native) override;
  Status ListSubkeys(RegRoot root, const std::string& key, std::vector<std::string>& names,
                     RegView view = RegView::Native) override;

 private:
  struct Value {
    std::optional<std::string> text;
    std::optional<uint32_t> number;
  };
  struct Key {
    std::string name;                    // last component as first written
    std::map<std::string, Value> values; // by lower-cased name
  };
  using Tree = std::map<std::string, Key>;  // by lower-cased full path

  Tree& TreeOf(RegRoot root, RegView view);
  const Tree& TreeOf(RegRoot root, RegView view) const;
  Key& MakeKey(Tree& tree, const std::string& path);
  Value* FindValue(RegRoot root, const std::string& key, const std::string& name, RegView view);

  bool wow64_;
  std::map<std::pair<int, int>, Tree> trees_;
};

}  // namespace varnel::os::sim
