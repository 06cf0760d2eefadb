// Our profile reader against the platform's GetPrivateProfileStringA: the shared table of
// files, and every key of the sample installation medium.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/profile/profile.h"
#include "common/profile/profile_cases.h"

namespace varnel::profile {
namespace {

std::string PlatformString(const std::string& path, const char* section, const char* key, size_t size) {
  std::vector<char> buffer(size + 2, '\x7E');
  const DWORD length =
      GetPrivateProfileStringA(section, key, "0", buffer.data(), static_cast<DWORD>(size), path.c_str());
  return std::string(buffer.data(), std::min<size_t>(length, size));
}

// Section or key names as the platform lists them: NUL-separated, ended by an empty one.
std::vector<std::string> PlatformList(const std::string& path, const char* section) {
  std::vector<char> buffer(1 << 16, '\0');
  DWORD length = section ? GetPrivateProfileStringA(section, nullptr, "", buffer.data(), buffer.size(), path.c_str())
                         : GetPrivateProfileSectionNamesA(buffer.data(), buffer.size(), path.c_str());
  std::vector<std::string> names;
  for (size_t at = 0; at < length;) {
    const std::string name(buffer.data() + at);
    if (name.empty()) break;
    names.push_back(name);
    at += name.size() + 1;
  }
  return names;
}

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TempFolder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "varnel-profile-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

TEST(ProfileOnWindows, BothReadersGiveThePlatformsAnswersOnTheSharedTable) {
  const std::string folder = TempFolder();
  for (const cases::File& file : cases::Files()) {
    std::ofstream out(folder + file.name, std::ios::binary);
    out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
  }
  const auto questions = cases::Questions();
  for (size_t row = 0; row < questions.size(); ++row) {
    const cases::Question& q = questions[row];
    const std::string path = folder + q.file;
    const std::string platform = PlatformString(path, q.section, q.key, q.size);
    const std::string ours = Profile::Parse(ReadAll(path)).GetString(q.section, q.key, "0", q.size);
    EXPECT_EQ(platform, q.answer) << "platform, row " << row << ": " << q.file << " [" << q.section << "] " << q.key;
    EXPECT_EQ(ours, platform) << "row " << row << ": " << q.file << " [" << q.section << "] " << q.key;
  }
  for (const cases::File& file : cases::Files()) DeleteFileA((folder + file.name).c_str());
  RemoveDirectoryA(folder.c_str());
}

std::string MediumFolder() {
  const char* source = std::getenv("VARNEL_SOURCE_DIR");
  std::string folder = std::string(source ? source : ".") + "/medium/";
  if (folder.front() == '/') folder = "Z:" + folder;
  for (char& c : folder) c = c == '/' ? '\\' : c;
  return folder;
}

TEST(ProfileOnWindows, AgreesWithThePlatformOnEveryKeyOfTheSampleMedium) {
  const std::string medium = MediumFolder();
  std::vector<std::string> files = {"DRVCONFIG\\setup.ini", "language\\setup.ini"};
  for (const char* type : {"receipt", "ticket", "label", "embedded"}) {
    files.push_back(std::string("DRVCONFIG\\setup_") + type + ".ini");
    files.push_back(std::string("DRVCONFIG\\setup_") + type + "_64.ini");
  }
  int keys = 0;
  for (const std::string& file : files) {
    const std::string path = medium + file;
    const Profile ours = Profile::Parse(ReadAll(path));
    const std::vector<std::string> sections = PlatformList(path, nullptr);
    EXPECT_FALSE(sections.empty()) << path;
    for (const std::string& section : sections) {
      for (const std::string& key : PlatformList(path, section.c_str())) {
        for (size_t size : {size_t{2048}, size_t{50}, size_t{10}}) {
          EXPECT_EQ(ours.GetString(section, key, "0", size), PlatformString(path, section.c_str(), key.c_str(), size))
              << file << " [" << section << "] " << key << " size " << size;
        }
        ++keys;
      }
    }
  }
  EXPECT_GT(keys, 1000);
}

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return "";
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), bytes, nullptr, nullptr);
  return out;
}

std::wstring Wide(const std::string& utf8) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), units);
  return out;
}

TEST(ProfileOnWindows, ReadsTheChineseTextsAsThePlatformsWideReaderDoes) {
  // The Chinese texts are UTF-16: the platform's wide reader and ours agree on any code page.
  std::string path = MediumFolder();
  path.replace(path.rfind("medium\\"), 7, "medium-zh-CN\\");
  path += "language\\setup.ini";
  const Profile ours = Profile::Parse(ReadAll(path));
  const std::wstring file = Wide(path);
  int keys = 0;
  for (const std::string& section : ours.Sections()) {
    for (const std::string& key : ours.Keys(section)) {
      wchar_t value[2048];
      const DWORD length = GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"0", value, 2048,
                                                    file.c_str());
      EXPECT_EQ(ours.GetString(section, key, "0"), Utf8(std::wstring(value, length))) << "[" << section << "] " << key;
      ++keys;
    }
  }
  EXPECT_GT(keys, 90) << path;
}

}  // namespace
}  // namespace varnel::profile
