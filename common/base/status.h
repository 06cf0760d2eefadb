#pragma once
// Errors are values. A Status carries the platform's error code (the numbers of
// GetLastError, so core code, the Win32 adapters and the simulation speak the same
// language) and a short context naming the call that failed.

#include <cstdint>
#include <string>
#include <utility>

namespace varnel {

// The error codes the core names. They are the platform's values.
namespace err {
inline constexpr uint32_t kSuccess = 0;
inline constexpr uint32_t kFileNotFound = 2;
inline constexpr uint32_t kPathNotFound = 3;
inline constexpr uint32_t kAccessDenied = 5;
inline constexpr uint32_t kInvalidHandle = 6;
inline constexpr uint32_t kNotEnoughMemory = 8;
inline constexpr uint32_t kWriteFault = 29;
inline constexpr uint32_t kNotSupported = 50;
inline constexpr uint32_t kFileExists = 80;
inline constexpr uint32_t kInvalidParameter = 87;
inline constexpr uint32_t kInsufficientBuffer = 122;
inline constexpr uint32_t kAlreadyExists = 183;
inline constexpr uint32_t kMoreData = 234;
inline constexpr uint32_t kNoMoreItems = 259;
inline constexpr uint32_t kInvalidPrinterName = 1801;
inline constexpr uint32_t kPrinterAlreadyExists = 1802;
inline constexpr uint32_t kUnknownPrinterDriver = 1797;
inline constexpr uint32_t kTimeout = 1460;
}  // namespace err

class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Fail(uint32_t code, std::string context) { return Status(code, std::move(context)); }

  bool ok() const { return code_ == err::kSuccess; }
  explicit operator bool() const { return ok(); }
  uint32_t code() const { return code_; }
  const std::string& context() const { return context_; }

 private:
  Status(uint32_t code, std::string context) : code_(code), context_(std::move(context)) {}
  uint32_t code_ = err::kSuccess;
  std::string context_;
};

}  // namespace varnel
