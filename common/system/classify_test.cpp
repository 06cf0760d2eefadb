#include "common/system/classify.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_system.h"

namespace varnel::sys {
namespace {

constexpr uint8_t kServer = 3;
constexpr uint16_t kX86 = os::kProcessorX86;
constexpr uint16_t kX64 = os::kProcessorAmd64;

TEST(Classify, GeneralAndPageClassificationsFollowTheVersionTable) {
  const struct {
    const char* system;
    os::VersionRecord version;
    uint16_t processor;
    int general;
    std::optional<int> button;
    int pageIndex;
    bool unknown;
  } rows[] = {
      {"Windows 95", {1, 4, 0, 950, 0}, kX86, 0, std::nullopt, 0, false},
      {"Windows 98", {1, 4, 10, 1998, 0}, kX86, 0, 0, 0, false},
      {"Windows Me", {1, 4, 90, 3000, 0}, kX86, 0, 0, 0, false},
      {"NT 4.0", {2, 4, 0, 1381, 1}, kX86, 1, 1, 1, false},
      {"2000", {2, 5, 0, 2195, 1}, kX86, 2, 2, 2, false},
      {"XP", {2, 5, 1, 2600, 1}, kX86, 3, 3, 3, false},
      {"XP x64", {2, 5, 2, 3790, 1}, kX64, 3, 3, 3, false},
      {"Server 2003", {2, 5, 2, 3790, kServer}, kX64, 4, 4, 4, false},
      {"Server 2003 x86", {2, 5, 2, 3790, kServer}, kX86, 4, 4, 4, false},
      {"5.2 workstation on x86", {2, 5, 2, 3790, 1}, kX86, 4, 4, 4, false},
      {"Vista", {2, 6, 0, 6002, 1}, kX64, 5, 5, 5, false},
      {"Server 2008", {2, 6, 0, 6002, kServer}, kX64, 6, 6, 6, false},
      {"Server 2008 (domain controller)", {2, 6, 0, 6002, 2}, kX64, 6, 6, 6, false},
      {"Windows 7", {2, 6, 1, 7601, 1}, kX64, 7, 7, 7, false},
      {"Server 2008 R2", {2, 6, 1, 7601, kServer}, kX64, 6, 6, 6, false},
      {"6.2 (every newer system)", {2, 6, 2, 9200, 1}, kX64, 7, 8, 7, false},
      {"6.3 server", {2, 6, 3, 9600, kServer}, kX64, 7, 8, 7, false},
      {"NT 3.51", {2, 3, 51, 1057, 1}, kX86, 0, std::nullopt, 0, false},
      {"10.0", {2, 10, 0, 19045, 1}, kX64, 0, std::nullopt, 0, false},
      {"Win32s", {0, 3, 10, 0, 0}, kX86, 0, std::nullopt, 0, true},
  };
  for (const auto& row : rows) {
    const Classification general = ClassifyGeneral(row.version, row.processor);
    EXPECT_EQ(general.index, row.general) << row.system;
    EXPECT_EQ(general.unknownPlatform, row.unknown) << row.system;
    const PageClassification page = ClassifyPage(row.version, row.processor);
    EXPECT_EQ(page.button, row.button) << row.system;
    EXPECT_EQ(page.index, row.pageIndex) << row.system;
    EXPECT_EQ(page.unknownPlatform, row.unknown) << row.system;
  }
}

TEST(Classify, AdministratorIsTheBuiltInAdministratorsGroupAndNothingElse) {
  os::sim::SimSystemInfo system;
  system.groups = {{5, {32, 545}}, {1, {0}}};
  EXPECT_FALSE(IsAdministrator(system));
  system.groups.push_back({5, {32, 544}});
  EXPECT_TRUE(IsAdministrator(system));
  EXPECT_FALSE(HasAdministrators({{5, {32}}, {5, {32, 544, 1}}, {3, {32, 544}}}));
  system.faults.FailOnce("UserGroups", 5);
  EXPECT_FALSE(IsAdministrator(system)) << "a failure counts as not an administrator";
}

}  // namespace
}  // namespace varnel::sys
