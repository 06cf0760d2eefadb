#include "common/spool/raw_job.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_files.h"
#include "common/os/sim/sim_spooler.h"

namespace varnel {
namespace {

class RawJobTest : public ::testing::Test {
 protected:
  void SetUp() override {
    spooler.AddPrinter("Varnel R80");
    printer = spooler.HandleFor("Varnel R80");
  }
  const std::vector<os::sim::SimJob>& Jobs() { return spooler.Jobs("Varnel R80"); }

  os::sim::SimSpooler spooler;
  os::PrinterHandle printer = nullptr;
};

RawJob ClearJob() {
  RawJob job{"SELFTEST", {}};
  job.Write({0x1B, 0x63, 0x3B, 0x01});
  job.Write({0x1C, 0x71, 0x00, 0x00, 0x0A});
  job.Write({0x1B, 0x63, 0x3B, 0x00});
  return job;
}

TEST_F(RawJobTest, SendsOneRawDocumentWithEachWriteInOrder) {
  ASSERT_TRUE(SendRawJob(spooler, printer, ClearJob()).ok());
  ASSERT_EQ(Jobs().size(), 1u);
  const auto& job = Jobs()[0];
  EXPECT_EQ(job.documentName, "SELFTEST");
  EXPECT_EQ(job.datatype, "RAW");
  EXPECT_EQ(job.pages, 1);
  EXPECT_EQ(job.writes, (std::vector<size_t>{4, 5, 4}));
  EXPECT_EQ(job.bytes, (std::vector<uint8_t>{0x1B, 0x63, 0x3B, 0x01, 0x1C, 0x71, 0x00, 0x00, 0x0A, 0x1B, 0x63,
                                             0x3B, 0x00}));
  EXPECT_TRUE(job.finished);
}

// Whatever call fails, what was started is ended, nothing after the failure is written,
// and the failure's code comes back.
TEST_F(RawJobTest, AFailingCallEndsWhatWasStarted) {
  struct Case { const char* call; int nth; size_t jobs; size_t bytes; bool finished; };
  const Case cases[] = {
      {"BeginDocument", 1, 0, 0, false},
      {"BeginPage", 1, 1, 0, true},
      {"Write", 1, 1, 0, true},
      {"Write", 2, 1, 4, true},
      {"EndPage", 1, 1, 13, true},
      {"EndDocument", 1, 1, 13, false},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    os::sim::SimSpooler sim;
    sim.AddPrinter("P");
    os::PrinterHandle handle = sim.HandleFor("P");
    sim.faults.FailOnce(cases[i].call, 1722, cases[i].nth);
    const Status st = SendRawJob(sim, handle, ClearJob());
    EXPECT_EQ(st.code(), 1722u) << "case " << i << " " << cases[i].call;
    ASSERT_EQ(sim.Jobs("P").size(), cases[i].jobs) << "case " << i;
    if (cases[i].jobs == 0) continue;
    EXPECT_EQ(sim.Jobs("P")[0].bytes.size(), cases[i].bytes) << "case " << i;
    EXPECT_EQ(sim.Jobs("P")[0].finished, cases[i].finished) << "case " << i;
  }
}

TEST_F(RawJobTest, FileJobSendsTheWholeFileInOneWrite) {
  os::sim::SimFiles files;
  std::vector<uint8_t> firmware(70000);
  for (size_t i = 0; i < firmware.size(); ++i) firmware[i] = static_cast<uint8_t>(i * 7);
  files.Put("C:\\fw\\r80.bin", firmware);
  ASSERT_TRUE(SendFileAsRawJob(files, spooler, printer, "FIRMWARE", "C:\\fw\\r80.bin").ok());
  ASSERT_EQ(Jobs().size(), 1u);
  EXPECT_EQ(Jobs()[0].writes, (std::vector<size_t>{70000}));
  EXPECT_EQ(Jobs()[0].bytes, firmware);

  EXPECT_EQ(SendFileAsRawJob(files, spooler, printer, "FIRMWARE", "C:\\fw\\none.bin").code(), err::kFileNotFound);
  EXPECT_EQ(Jobs().size(), 1u) << "no job for a file that cannot be read";
}

}  // namespace
}  // namespace varnel
