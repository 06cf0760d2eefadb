// The simulated lock, windows, redirection and version resources keep the same contracts
// as the platform's.
#include <gtest/gtest.h>

#include "common/os/sim/sim_desktop.h"
#include "common/os/sim/sim_file_versions.h"
#include "common/os/sim/sim_redirection.h"
#include "common/os/testing/platform_contracts.h"

namespace varnel::os::sim {
namespace {

TEST(SimContracts, LockWindowsRedirectionAndVersionsKeepTheInterfaceContracts) {
  SimInstanceLock lock;
  testing::CheckInstanceLockContract(lock, "Kiln");
  SimDesktop desktop;
  testing::CheckDesktopContract(desktop, "Kiln");
  SimFsRedirection redirection;
  testing::CheckRedirectionContract(redirection);
  EXPECT_FALSE(redirection.off);
  SimFileVersions versions;
  testing::CheckFileVersionsContract(versions, "C:\\none.sys");
}

}  // namespace
}  // namespace varnel::os::sim
