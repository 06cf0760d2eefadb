#include "common/os/testing/platform_contracts.h"

#include <gtest/gtest.h>

namespace varnel::os::testing {

void CheckInstanceLockContract(InstanceLock& lock, const std::string& name) {
  bool existed = true;
  ASSERT_TRUE(lock.Acquire(name, existed).ok());
  EXPECT_FALSE(existed) << "the first holder";
  ASSERT_TRUE(lock.Acquire(name, existed).ok());
  EXPECT_TRUE(existed) << "a second acquire sees the first";
}

void CheckDesktopContract(Desktop& desktop, const std::string& caption) {
  EXPECT_EQ(desktop.FindByCaption(caption), 0u);
  EXPECT_FALSE(desktop.BringForward(0).ok()) << "no window to bring forward";
}

void CheckRedirectionContract(FsRedirection& redirection) {
  ASSERT_EQ(redirection.Check(), FsRedirection::Availability::Ready);
  uintptr_t saved = 0;
  ASSERT_TRUE(redirection.Disable(saved).ok());
  EXPECT_TRUE(redirection.Revert(saved).ok());
}

void CheckFileVersionsContract(FileVersions& versions, const std::string& missing) {
  std::vector<uint8_t> block{1, 2, 3};
  EXPECT_FALSE(versions.ReadVersionBlock(missing, block).ok());
}

}  // namespace varnel::os::testing
