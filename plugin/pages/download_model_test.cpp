#include "plugin/pages/download_model.h"

#include <gtest/gtest.h>

#include "common/os/sim/sim_files.h"
#include "common/os/sim/sim_spooler.h"
#include "plugin/logo/halftone.h"
#include "plugin/logo/logo_pack.h"
#include "plugin/logo/test_bitmaps.h"

namespace varnel::plugin {
namespace {

using logo::fixtures::MakeBitmap;

// The bitmap library doing on the simulated files what Pixmill.dll does on real ones.
class CoreLibrary : public logo::BitmapLibrary {
 public:
  explicit CoreLibrary(os::Files& files) : files_(files) {}
  bool loadable = true;
  int loads = 0;

  Status Load() override {
    ++loads;
    return loadable ? Status::Ok() : Status::Fail(err::kFileNotFound, "LoadLibrary");
  }
  int32_t Halftone(const std::string& source, uint32_t method, int32_t contrast, int32_t brightness,
                   const std::string& destination) override {
    return Run(source, destination, [&](auto& in, auto& out) {
      return logo::HalftoneBitmap(in, method, contrast, brightness, out, work_);
    });
  }
  int32_t Gray(const std::string& source, int32_t contrast, int32_t brightness,
               const std::string& destination) override {
    return Run(source, destination, [&](auto& in, auto& out) { return logo::GrayBitmap(in, contrast, brightness, out, work_); });
  }
  void Unload() override {}

 private:
  template <typename F>
  int32_t Run(const std::string& source, const std::string& destination, F convert) {
    std::vector<uint8_t> in, out;
    if (!files_.ReadFile(source, in) || !convert(in, out) || !files_.WriteFile(destination, out)) return 1;
    return 0;
  }
  os::Files& files_;
  logo::HalftoneWork work_;
};

class ScriptedChooser : public FileChooser {
 public:
  std::vector<std::string> paths;  // handed out in order; an empty one is a cancel
  int calls = 0;
  ChooseRequest last;
  bool Choose(const ChooseRequest& request, std::string& path, std::string& name) override {
    last = request;
    if (size_t(calls) >= paths.size() || paths[size_t(calls)].empty()) return ++calls, false;
    path = paths[size_t(calls++)];
    name = path.substr(path.rfind('\\') + 1);
    return true;
  }
};

constexpr char kTemp[] = "C:\\Users\\me\\Temp\\";

class DownloadModelTest : public ::testing::Test {
 protected:
  DownloadModelTest() { files.Put(std::string(kTemp) + "keep.txt", ""); }

  // A picture file among the user's pictures.
  std::string Picture(const std::string& name, int32_t w, int32_t h, uint16_t bits = 24) {
    const std::string path = "C:\\Pictures\\" + name;
    std::vector<logo::Rgb> palette;
    if (bits == 1) palette = logo::fixtures::kBlackWhite;
    if (bits == 8) palette = logo::fixtures::GrayPalette();
    files.Put(path, MakeBitmap(w, h, bits, palette, [](int32_t x, int32_t y) {
      return uint32_t(x * 37 + y * 11) % 255 * 0x010101u;
    }));
    return path;
  }
  std::optional<DownloadMessage> Add(const std::string& path) {
    chooser.paths.push_back(path);
    return model.Add(chooser);
  }
  const std::vector<os::sim::SimJob>& Jobs() const { return spooler.Jobs("Varnel R1"); }
  std::vector<uint8_t> Bytes(const std::string& path) const { return files.Contents(path); }

  os::sim::SimFiles files;
  os::sim::SimSpooler spooler;
  os::PrinterHandle printer = (spooler.AddPrinter("Varnel R1"), spooler.HandleFor("Varnel R1"));
  CoreLibrary library{files};
  LogoSettings settings;
  DownloadModel model{files, spooler, printer, library, kTemp, settings};
  ScriptedChooser chooser;
};

TEST_F(DownloadModelTest, ClearAllLogosSendsExactlyThirteenBytes) {
  model.ClearLogos();
  ASSERT_EQ(Jobs().size(), 1u);
  EXPECT_EQ(Jobs()[0].documentName, "SELFTEST");
  EXPECT_EQ(Jobs()[0].datatype, "RAW");
  EXPECT_EQ(Jobs()[0].bytes, (std::vector<uint8_t>{0x1B, 0x63, 0x3B, 0x01, 0x1C, 0x71, 0x00, 0x00, 0x0A, 0x1B, 0x63,
                                                   0x3B, 0x00}));
  EXPECT_EQ(Jobs()[0].writes, (std::vector<size_t>{4, 5, 4}));
}

TEST_F(DownloadModelTest, TwoTransformedLogosOf100x50) {
  model.ChooseType(PreviewType::kTransformation, false);
  ASSERT_EQ(Add(Picture("sun.bmp", 100, 50)), std::nullopt);
  ASSERT_EQ(Add(Picture("moon.bmp", 100, 50)), std::nullopt);
  EXPECT_EQ(settings.entries[1], (LogoEntry{1, 0, 0}));
  EXPECT_FALSE(Bytes(std::string(kTemp) + "sunTemp.bmp").empty());
  ASSERT_EQ(model.DownloadAll(), std::nullopt);

  ASSERT_EQ(Jobs().size(), 1u);
  const os::sim::SimJob& job = Jobs()[0];
  EXPECT_EQ(job.documentName, "LOGO");
  EXPECT_EQ(job.writes, (std::vector<size_t>{4, 3, 4, 896, 4, 896, 1, 4}));
  const std::vector<uint8_t> head(job.bytes.begin(), job.bytes.begin() + 11);
  EXPECT_EQ(head, (std::vector<uint8_t>{0x1B, 0x63, 0x3B, 0x01, 0x1C, 0x71, 0x02, 0x10, 0x00, 0x07, 0x00}));
  const std::vector<uint8_t> tail(job.bytes.end() - 5, job.bytes.end());
  EXPECT_EQ(tail, (std::vector<uint8_t>{0x0A, 0x1B, 0x63, 0x3B, 0x00}));
  // The data is the packing of the converted file.
  logo::LogoData packed;
  bool invert = true;
  ASSERT_TRUE(logo::PackMonoLogo(Bytes(std::string(kTemp) + "sunTemp.bmp"), invert, packed));
  EXPECT_EQ(std::vector<uint8_t>(job.bytes.begin() + 11, job.bytes.begin() + 11 + 896), packed.bytes);
}

TEST_F(DownloadModelTest, GrayLogosUseTheGrayCommandAndHeader) {
  model.ChooseType(PreviewType::kGray, false);
  ASSERT_EQ(Add(Picture("sun.bmp", 10, 3)), std::nullopt);
  EXPECT_EQ(settings.entries[0], (LogoEntry{0, 0, 0}));
  ASSERT_EQ(model.DownloadAll(), std::nullopt);
  ASSERT_EQ(Jobs().size(), 1u);
  const std::vector<uint8_t>& bytes = Jobs()[0].bytes;
  EXPECT_EQ(Jobs()[0].writes, (std::vector<size_t>{4, 3, 6, 32, 1, 4}));
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 4, bytes.begin() + 13),
            (std::vector<uint8_t>{0x1C, 0x72, 0x01, 0x01, 0x00, 0x02, 0x00, 0x02, 0x00}));
}

TEST_F(DownloadModelTest, FileDownloadSendsTheFileUnchangedInOneWrite) {
  std::vector<uint8_t> firmware(70000);
  for (size_t i = 0; i < firmware.size(); ++i) firmware[i] = uint8_t(i * 7);
  files.Put("C:\\fw\\R1.JK", firmware);
  EXPECT_EQ(model.DownloadFile(""), std::nullopt);
  EXPECT_EQ(model.DownloadFile("C:\\fw\\R1.JK"), std::nullopt);
  ASSERT_EQ(Jobs().size(), 1u);
  EXPECT_EQ(Jobs()[0].documentName, "FIRMWARE");
  EXPECT_EQ(Jobs()[0].bytes, firmware);
  EXPECT_EQ(Jobs()[0].writes.size(), 1u);
  EXPECT_EQ(model.DownloadFile("C:\\fw\\absent.JK"), DownloadMessage::kOpenFailed);
  files.faults.FailOnce("ReadFile", 23);
  EXPECT_EQ(model.DownloadFile("C:\\fw\\R1.JK"), DownloadMessage::kReadFailed);
  // A file too large to hold in memory says so, and nothing is sent.
  files.faults.FailOnce("ReadFile", err::kNotEnoughMemory);
  const std::optional<DownloadMessage> tooLarge = model.DownloadFile("C:\\fw\\R1.JK");
  ASSERT_TRUE(tooLarge.has_value());
  EXPECT_STREQ(TextOf(*tooLarge).text, "Failed to Alloc the required memory!");
  EXPECT_EQ(Jobs().size(), 1u);
}

TEST_F(DownloadModelTest, AddRefusesTheTenthLogoAndOversizedPictures) {
  for (int i = 0; i < 9; ++i) ASSERT_EQ(Add(Picture("p" + std::to_string(i) + ".bmp", 8, 8)), std::nullopt);
  EXPECT_EQ(Add(Picture("tenth.bmp", 8, 8)), DownloadMessage::kTooManyLogos);
  EXPECT_EQ(chooser.calls, 9);
  EXPECT_FALSE(files.Exists(std::string(kTemp) + "tenth.bmp"));
  EXPECT_EQ(chooser.last.title, "Please Select a Logo file");

  DownloadModel fresh{files, spooler, printer, library, kTemp, settings};
  struct Case {
    int32_t w, h;
    bool accepted;
  } cases[] = {{1024, 768, true}, {1025, 1, false}, {1, 769, false}, {1, -769, false}, {1, -768, true}};
  for (const Case& c : cases) {
    chooser.paths.push_back(Picture("big.bmp", c.w, c.h < 0 ? -c.h : c.h, 1));
    if (c.h < 0) {
      std::vector<uint8_t> file = Bytes("C:\\Pictures\\big.bmp");
      logo::Put32(file, 22, uint32_t(c.h));
      files.Put("C:\\Pictures\\big.bmp", file);
    }
    const size_t before = fresh.logos().size();
    const auto message = fresh.Add(chooser);
    EXPECT_EQ(message, c.accepted ? std::nullopt : std::optional(DownloadMessage::kTooBig)) << c.w << " x " << c.h;
    EXPECT_EQ(fresh.logos().size(), before + (c.accepted ? 1 : 0));
  }
}

TEST_F(DownloadModelTest, AddReportsUnreadableFilesAndFailedConversions) {
  files.Put("C:\\Pictures\\short.bmp", std::vector<uint8_t>(61, 'B'));
  EXPECT_EQ(Add("C:\\Pictures\\gone.bmp"), DownloadMessage::kOpenFailed);
  EXPECT_EQ(Add("C:\\Pictures\\short.bmp"), DownloadMessage::kReadFailed);
  EXPECT_EQ(Add(""), std::nullopt);  // cancelled
  model.ChooseType(PreviewType::kTransformation, false);
  library.loadable = false;
  EXPECT_EQ(Add(Picture("sun.bmp", 8, 8)), DownloadMessage::kTransformFailed);
  EXPECT_TRUE(model.logos().empty());
  EXPECT_TRUE(files.Exists(std::string(kTemp) + "sun.bmp"));  // the working copy was made
}

TEST_F(DownloadModelTest, DeleteRenumbersAndMovesTheSettingsUp) {
  model.ChooseType(PreviewType::kTransformation, false);
  for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) ASSERT_EQ(Add(Picture(name, 8, 8)), std::nullopt);
  model.SetMethod(2, 3);
  model.SetTones(2, -40, 60);
  model.Delete(1);
  ASSERT_EQ(model.logos().size(), 2u);
  EXPECT_EQ(model.logos()[1].name, "c.bmp");
  EXPECT_EQ(settings.entries[1], (LogoEntry{3, -40, 60}));
  EXPECT_EQ(settings.entries[2], LogoEntry{});
  EXPECT_FALSE(files.Exists(std::string(kTemp) + "bTemp.bmp"));
  EXPECT_TRUE(files.Exists(std::string(kTemp) + "b.bmp"));
}

TEST_F(DownloadModelTest, MonoWorkingCopyIsSentItselfEvenWithAConvertedFile) {
  model.ChooseType(PreviewType::kTransformation, false);
  ASSERT_EQ(Add(Picture("mono.bmp", 40, 16, 1)), std::nullopt);
  // A converted file that differs from the copy: the copy must win.
  files.Put(std::string(kTemp) + "monoTemp.bmp",
            MakeBitmap(40, 16, 1, logo::fixtures::kBlackWhite, [](int32_t, int32_t) { return 0u; }));
  ASSERT_EQ(model.DownloadAll(), std::nullopt);
  logo::LogoData packed;
  bool invert = true;
  ASSERT_TRUE(logo::PackMonoLogo(Bytes(std::string(kTemp) + "mono.bmp"), invert, packed));
  const std::vector<uint8_t>& bytes = Jobs().at(0).bytes;
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 11, bytes.end() - 5), packed.bytes);
}

TEST_F(DownloadModelTest, TheSizeLimitCountsConvertedFilesOrWorkingCopies) {
  model.ChooseType(PreviewType::kTransformation, false);
  ASSERT_EQ(Add(Picture("a.bmp", 8, 8)), std::nullopt);
  ASSERT_EQ(Add(Picture("b.bmp", 8, 8)), std::nullopt);
  // Valid converted files whose trailing bytes bring the sum to the limit.
  const auto padTo = [&](const std::string& name, size_t size) {
    std::vector<uint8_t> file = Bytes(std::string(kTemp) + name);
    file.resize(size, 0);
    files.Put(std::string(kTemp) + name, file);
  };
  padTo("aTemp.bmp", 50000);
  padTo("bTemp.bmp", 48303);
  EXPECT_EQ(model.DownloadAll(), std::nullopt);
  EXPECT_EQ(Jobs().size(), 1u);
  padTo("bTemp.bmp", 48304);
  EXPECT_EQ(model.DownloadAll(), DownloadMessage::kTotalTooBig);
  // Without its converted file a logo counts with its working copy.
  files.Remove(std::string(kTemp) + "bTemp.bmp");
  EXPECT_EQ(model.DownloadAll(), std::nullopt);  // but it cannot be packed: nothing is sent
  EXPECT_EQ(Jobs().size(), 1u);
  files.Remove(std::string(kTemp) + "b.bmp");
  EXPECT_EQ(model.DownloadAll(), DownloadMessage::kLogoSizeFailed);

  DownloadModel empty{files, spooler, printer, library, kTemp, settings};
  EXPECT_EQ(empty.DownloadAll(), DownloadMessage::kNoLogos);
}

TEST_F(DownloadModelTest, CancelRemovesConvertedFilesAndKeepsWorkingCopies) {
  model.ChooseType(PreviewType::kGray, false);
  ASSERT_EQ(Add(Picture("a.bmp", 8, 8)), std::nullopt);
  ASSERT_EQ(Add(Picture("b.bmp", 8, 8)), std::nullopt);
  model.RemoveConvertedFiles();
  for (const char* name : {"a", "b"}) {
    EXPECT_FALSE(files.Exists(std::string(kTemp) + name + "Temp.bmp"));
    EXPECT_TRUE(files.Exists(std::string(kTemp) + name + ".bmp"));
  }
}

TEST_F(DownloadModelTest, TypeButtonsResetTheEntriesOfAllLogos) {
  ASSERT_EQ(Add(Picture("a.bmp", 8, 8)), std::nullopt);
  ASSERT_EQ(Add(Picture("b.bmp", 8, 8)), std::nullopt);
  model.SetTones(0, 5, 5);
  model.ChooseType(PreviewType::kTransformation, false);  // nothing selected: entries stay
  EXPECT_EQ(settings.entries[0], (LogoEntry{0, 5, 5}));
  model.ChooseType(PreviewType::kTransformation, true);
  EXPECT_EQ(settings.entries[0], (LogoEntry{1, 0, 0}));
  EXPECT_EQ(settings.entries[1], (LogoEntry{1, 0, 0}));
  model.ChooseType(PreviewType::kGray, true);
  EXPECT_EQ(settings.entries[1], (LogoEntry{0, 0, 0}));
  EXPECT_EQ(settings.type, PreviewType::kGray);
}

TEST_F(DownloadModelTest, PreviewConvertsAsTheTypeNeeds) {
  ASSERT_EQ(Add(Picture("colour.bmp", 16, 8)), std::nullopt);
  ASSERT_EQ(Add(Picture("mono.bmp", 16, 8, 1)), std::nullopt);
  const std::string colour = std::string(kTemp) + "colour.bmp";

  PreviewPlan plan = model.Preview(0);
  EXPECT_EQ(plan.draw, colour);
  EXPECT_FALSE(plan.halftoneEnabled || plan.tonesEnabled);

  model.ChooseType(PreviewType::kTransformation, true);
  plan = model.Preview(0);
  EXPECT_EQ(plan.draw, std::string(kTemp) + "colourTemp.bmp");
  EXPECT_TRUE(plan.halftoneEnabled && plan.tonesEnabled);
  plan = model.Preview(1);
  EXPECT_EQ(plan.draw, std::string(kTemp) + "mono.bmp");
  EXPECT_FALSE(plan.halftoneEnabled || plan.tonesEnabled);

  library.loadable = false;
  plan = model.Preview(0);
  EXPECT_EQ(plan.message, DownloadMessage::kTransformFailed);
  EXPECT_EQ(plan.draw, std::nullopt);
  model.ChooseType(PreviewType::kGray, true);
  plan = model.Preview(0);
  EXPECT_EQ(plan.message, DownloadMessage::kTransformFailed);
  EXPECT_EQ(plan.draw, std::string(kTemp) + "colourTemp.bmp");
  EXPECT_TRUE(plan.tonesEnabled);
  EXPECT_FALSE(plan.halftoneEnabled);
}

TEST(DownloadTexts, NamesAndMessages) {
  EXPECT_EQ(WorkingCopyName("C:\\T\\", "sun.bmp"), "C:\\T\\sun.bmp");
  EXPECT_EQ(WorkingCopyName("C:\\T\\", "my.sun.BMP"), "C:\\T\\my.sun.bmp");
  EXPECT_EQ(WorkingCopyName("C:\\T\\", "plain"), "C:\\T\\plain.bmp");
  EXPECT_STREQ(TextOf(DownloadMessage::kTooManyLogos).caption, "ok");
  EXPECT_TRUE(TextOf(DownloadMessage::kTransformFailed).errorIcon);
  EXPECT_EQ(FirmwareChoice().filter.size(), 6u);
}

}  // namespace
}  // namespace varnel::plugin
