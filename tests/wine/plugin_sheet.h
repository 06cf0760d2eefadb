#pragma once
// A document settings sheet as the printer driver builds it around VarnelUI.dll: the test
// plays the driver's part (the plug-in object from the module's class factory, a default
// private settings record, CommonUIProp, the page registration with a common-sheet callback
// of its own) and shows the registered pages in a modeless property sheet. The record under
// edit is this object's buffer, so a test reads every byte the pages write.

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plugin/frame/oem_ui.h"

namespace varnel::test {

class PluginSheet {
 public:
  using Record = std::array<uint8_t, 1464>;
  // The pages of the document sheet, in the order they are added.
  enum Page { kMain, kWaterMark, kOperation, k1DCode, k2DCode, kVersion };

  PluginSheet() = default;
  ~PluginSheet();
  PluginSheet(const PluginSheet&) = delete;
  PluginSheet& operator=(const PluginSheet&) = delete;

  // Makes a plug-in object of the module, fills the record with the plug-in's defaults and opens the sheet on
  // `start`. False with failure() telling why.
  bool Open(Page start = kOperation);
  const std::string& failure() const { return failure_; }

  Record& record() { return record_; }
  HWND sheet() const { return sheet_; }
  // The page's window, made current so that it exists.
  HWND ShowPage(Page page);
  HWND OperationPage() { return ShowPage(kOperation); }
  // The sheet's "Apply" button is enabled: some page reported a change.
  bool ApplyEnabled() const;
  // The calls of the common-sheet callback with CPSFUNC_SET_RESULT.
  int setResultCalls() const { return set_result_calls_; }

 private:
  static LONG_PTR CALLBACK CommonSheet(HANDLE sheet, UINT function, LPARAM first, LPARAM second);
  bool Fail(std::string why);

  std::string failure_;
  IPrintOemUI* plugin_ = nullptr;
  alignas(8) Record record_{};
  OEMCUIPPARAM common_params_{};
  OEMUIPSPARAM document_params_{};
  std::vector<HPROPSHEETPAGE> pages_;
  HWND sheet_ = nullptr;
  int set_result_calls_ = 0;
};

}  // namespace varnel::test
