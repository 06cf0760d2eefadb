#include "setup/config/sample_medium.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnel::setup::testing {

namespace {

std::string SourceFolder(const char* name) {
  const char* source = std::getenv("VARNEL_SOURCE_DIR");
  std::string folder = source ? source : ".";
#ifdef _WIN32
  // Under Wine the Unix tree is drive Z:.
  if (!folder.empty() && folder.front() == '/') folder = "Z:" + folder;
#endif
  return folder + "/" + name;
}

int CopyTree(os::sim::SimFiles& files, const std::string& from, const std::string& programFolder) {
  namespace fs = std::filesystem;
  const fs::path root(from);
  std::error_code error;
  if (!fs::is_directory(root, error)) return 0;
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(root, error)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string relative = fs::relative(entry.path(), root).generic_string();
    for (char& c : relative) c = c == '/' ? '\\' : c;
    files.Put(programFolder + relative, std::move(bytes));
    ++count;
  }
  return count;
}

}  // namespace

std::string SourceMediumFolder() { return SourceFolder("medium"); }
std::string SourceChineseFolder() { return SourceFolder("medium-zh-CN"); }

int LoadSampleMedium(os::sim::SimFiles& files, const std::string& programFolder, bool chinese) {
  int count = CopyTree(files, SourceMediumFolder(), programFolder);
  if (!chinese || count == 0) return count;
  CopyTree(files, SourceChineseFolder(), programFolder);
  const std::string setup = programFolder + "DRVCONFIG\\setup.ini";
  const std::vector<uint8_t> bytes = files.Contents(setup);
  std::string text(bytes.begin(), bytes.end());
  const size_t at = text.find("LANGUAGE=1");
  if (at != std::string::npos) text[at + 9] = '0';
  files.Put(setup, text);
  return count;
}

}  // namespace varnel::setup::testing
