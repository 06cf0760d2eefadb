#pragma once
// Fault injection for the simulation: any call can be told to fail with a chosen
// platform error code, once or from some call on, so that every failure path of the
// sequences above the OS boundary can be reached in a test.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "common/base/status.h"

namespace varnel::os::sim {

class Faults {
 public:
  // The nth call of `call` from now on (1 = the next one) fails with `code`.
  void FailOnce(const std::string& call, uint32_t code, int nth = 1);
  // Every call of `call` from the nth on fails with `code`.
  void FailFrom(const std::string& call, uint32_t code, int nth = 1);
  void Clear();

  // Called by the simulation on entry of each method: counts the call and says whether
  // it is to fail.
  Status Enter(std::string_view call);
  // How many times `call` was entered so far.
  int Calls(std::string_view call) const;

 private:
  struct Rule {
    uint32_t code = 0;
    int from = 0;   // the call number (1-based, over the whole life) that starts failing
    bool once = true;
  };
  std::map<std::string, int, std::less<>> calls_;
  std::multimap<std::string, Rule, std::less<>> rules_;
};

}  // namespace varnel::os::sim
