#include "setup/config/sample_medium.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace varnel::setup::testing {

std::string SourceMediumFolder() {
  const char* source = std::getenv("VARNEL_SOURCE_DIR");
  std::string folder = source ? source : ".";
#ifdef _WIN32
  // Under Wine the Unix tree is drive Z:.
  if (!folder.empty() && folder.front() == '/') folder = "Z:" + folder;
#endif
  return folder + "/medium";
}

int LoadSampleMedium(os::sim::SimFiles& files, const std::string& programFolder) {
  namespace fs = std::filesystem;
  const fs::path root(SourceMediumFolder());
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

}  // namespace varnel::setup::testing
