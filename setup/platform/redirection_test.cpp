#include "setup/platform/redirection.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_redirection.h"

namespace varnel::setup {
namespace {

using Availability = os::FsRedirection::Availability;

TEST(Redirection, IsOffOnlyDuringTheOperationOnA64BitSystem) {
  os::sim::SimFsRedirection redirection;
  std::vector<std::string> notices;
  auto notice = [&](const std::string& text) { notices.push_back(text); };
  bool offInside = false;
  RunWithoutRedirection(true, redirection, notice, [&] { offInside = redirection.off; });
  EXPECT_TRUE(offInside);
  EXPECT_FALSE(redirection.off) << "restored after";
  RunWithoutRedirection(false, redirection, notice, [&] { offInside = redirection.off; });
  EXPECT_FALSE(offInside) << "never switched on a 32-bit system";
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(WizardRegistryView(true), os::RegView::Force64);
  EXPECT_EQ(WizardRegistryView(false), os::RegView::Native);
}

TEST(Redirection, MissingSwitchesGiveTheirMessageAndTheOperationStillRuns) {
  const std::pair<Availability, const char*> rows[] = {{Availability::NoKernel32, kNoKernel32},
                                                       {Availability::NoDisable, kNoDisable},
                                                       {Availability::NoRevert, kNoRevert}};
  for (const auto& [availability, message] : rows) {
    os::sim::SimFsRedirection redirection;
    redirection.availability = availability;
    std::vector<std::string> notices;
    int runs = 0;
    RunWithoutRedirection(true, redirection, [&](const std::string& t) { notices.push_back(t); }, [&] { ++runs; });
    EXPECT_EQ(runs, 1) << message;
    EXPECT_EQ(notices, std::vector<std::string>{message});
    EXPECT_EQ(redirection.faults.Calls("Disable"), 0) << message;
  }
}

TEST(Redirection, CopiesFailWhenSwitchingOffFailsAndGoOnWithoutTheRestoreSwitch) {
  os::sim::SimFsRedirection redirection;
  int copies = 0;
  auto copy = [&] { ++copies; return redirection.off ? Status::Ok() : Status::Fail(3, "redirected"); };
  EXPECT_TRUE(CopyWithoutRedirection(true, redirection, copy).ok());
  EXPECT_FALSE(redirection.off);

  redirection.faults.FailOnce("Disable", 5);
  EXPECT_EQ(CopyWithoutRedirection(true, redirection, copy).code(), 5u);
  EXPECT_EQ(copies, 1) << "no copy when switching off fails";

  redirection.availability = Availability::NoRevert;
  EXPECT_EQ(CopyWithoutRedirection(true, redirection, copy).code(), 3u) << "copied without switching";
  EXPECT_EQ(copies, 2);
  redirection.availability = Availability::NoDisable;
  EXPECT_EQ(CopyWithoutRedirection(true, redirection, copy).code(), 127u);
  EXPECT_EQ(copies, 2);
}

}  // namespace
}  // namespace varnel::setup
