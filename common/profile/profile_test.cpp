#include "common/profile/profile.h"

#include <gtest/gtest.h>

#include <map>

#include "common/os/sim/sim_files.h"
#include "common/profile/profile_cases.h"

namespace varnel::profile {
namespace {

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

TEST(Profile, AnswersAsThePlatformOnTheSharedTable) {
  std::map<std::string, Profile> parsed;
  for (const cases::File& file : cases::Files()) parsed.emplace(file.name, Profile::Parse(Bytes(file.bytes)));
  parsed.emplace("missing.ini", Profile::Parse({}));
  const auto questions = cases::Questions();
  for (size_t row = 0; row < questions.size(); ++row) {
    const cases::Question& q = questions[row];
    EXPECT_EQ(parsed.at(q.file).GetString(q.section, q.key, "0", q.size), q.answer)
        << "row " << row << ": " << q.file << " [" << q.section << "] " << q.key << " size " << q.size;
  }
}

TEST(Profile, CutsAQuotedValueAfterDroppingTheQuotes) {
  // The documented rule: quotes are discarded, then the value is cut to the buffer. (Wine
  // cuts first and so loses the last character when the value just fits.)
  const Profile profile = Profile::Parse(Bytes("[A]\nd=\"dq\"\n"));
  EXPECT_EQ(profile.GetString("A", "d", "0", 3), "dq");
  EXPECT_EQ(profile.GetString("A", "d", "0", 2), "d");
}

TEST(Profile, DecodesUnicodeFilesToUtf8AndSurvivesBrokenOnes) {
  EXPECT_EQ(Profile::Parse(Bytes(cases::Utf16Le(u"[A]\nk=\u00e9\u6253\n"))).GetString("A", "k", "0"),
            "\xC3\xA9\xE6\x89\x93");
  EXPECT_EQ(Profile::Parse(Bytes("\xEF\xBB\xBF[A]\nk=\xC3\xA9\n")).GetString("A", "k", "0"), "\xC3\xA9");
  // A lone surrogate and an odd last byte.
  std::string broken = cases::Utf16Le(u"[A]\nk=a") + std::string("\x00\xD8", 2) + cases::Utf16Le(u"b", false) + "\x41";
  EXPECT_EQ(Profile::Parse(Bytes(broken)).GetString("A", "k", "0"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(Profile::Parse(Bytes("\xFF")).GetString("A", "k", "0"), "0");
}

TEST(Profile, ListsSectionsOnceAndTheKeysOfTheFirstSectionWithValues) {
  const Profile profile = Profile::Parse(Bytes("top=1\n[A]\nk=1\nlonely\n=e\n[B]\nb=2\n[a]\nlate=3\n"));
  EXPECT_EQ(profile.Sections(), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(profile.Keys("a"), (std::vector<std::string>{"k", ""}));
  EXPECT_TRUE(profile.Keys("none").empty());
}

TEST(ToNumber, TakesTheLeadingDigitsOnly) {
  const struct {
    const char* text;
    uint32_t number;
  } rows[] = {{"0", 0}, {"12", 12}, {"12abc", 12}, {"abc", 0}, {"", 0}, {"-5", 0}, {"+5", 0}, {"2.5", 2},
              {"123456789", 123456789}};
  for (const auto& row : rows) EXPECT_EQ(ToNumber(row.text), row.number) << row.text;
}

TEST(ProfileReader, ReadsEveryValueAfreshAndTreatsAMissingFileAsEmpty) {
  os::sim::SimFiles files;
  ProfileReader reader(files);
  const std::string path = "C:\\Medium\\DRVCONFIG\\setup.ini";
  EXPECT_EQ(reader.ReadString(path, "DEVICENAME", "DEVICENUMBER"), "0");
  EXPECT_EQ(reader.ReadString(path, "DEVICENAME", "Inffilename", "err"), "err");
  EXPECT_EQ(reader.ReadNumber(path, "DEVICENAME", "DEVICENUMBER"), 0u);

  files.Put(path, "[DEVICENAME]\r\nDEVICENUMBER=3\r\nVERSION=12345678901\r\n");
  EXPECT_EQ(reader.ReadNumber(path, "devicename", "devicenumber"), 3u);
  EXPECT_EQ(reader.ReadNumber(path, "DEVICENAME", "VERSION"), 123456789u) << "nine digits at most";

  files.Put(path, "[DEVICENAME]\r\nDEVICENUMBER=4\r\n");
  EXPECT_EQ(reader.ReadNumber(path, "DEVICENAME", "DEVICENUMBER"), 4u) << "nothing is cached";

  files.faults.FailOnce("ReadFile", 5);
  EXPECT_EQ(reader.ReadString(path, "DEVICENAME", "DEVICENUMBER", "0", 200), "0");
}

}  // namespace
}  // namespace varnel::profile
