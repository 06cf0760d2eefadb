#include "common/os/sim/faults.h"

namespace varnel::os::sim {

void Faults::FailOnce(const std::string& call, uint32_t code, int nth) {
  rules_.emplace(call, Rule{code, Calls(call) + nth, true});
}

void Faults::FailFrom(const std::string& call, uint32_t code, int nth) {
  rules_.emplace(call, Rule{code, Calls(call) + nth, false});
}

void Faults::Clear() { rules_.clear(); }

Status Faults::Enter(std::string_view call) {
  auto counted = calls_.find(call);
  if (counted == calls_.end()) counted = calls_.emplace(std::string(call), 0).first;
  const int number = ++counted->second;
  auto [first, last] = rules_.equal_range(call);
  for (auto rule = first; rule != last; ++rule) {
    const Rule& r = rule->second;
    if ((r.once && number == r.from) || (!r.once && number >= r.from)) {
      return Status::Fail(r.code, std::string(call) + " (injected)");
    }
  }
  return Status::Ok();
}

int Faults::Calls(std::string_view call) const {
  auto counted = calls_.find(call);
  return counted == calls_.end() ? 0 : counted->second;
}

}  // namespace varnel::os::sim
