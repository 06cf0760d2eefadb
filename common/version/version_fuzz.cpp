// Fuzz target: any bytes as a version information block. The parser follows lengths
// read from the block, so AddressSanitizer watches it never leaves the input.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "common/version/version_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so a read one byte past the end is caught.
  const std::vector<uint8_t> block(data, data + size);
  const std::string text = varnel::version::FileVersionText(std::span<const uint8_t>(block));
  if (text.empty()) std::abort();
  (void)varnel::version::ReducedVersionNumber(text);
  return 0;
}
