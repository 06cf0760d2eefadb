#pragma once
// The "Download" page of the printer properties sheet: file download and the logo list.
// The rules are DownloadModel's; this class reads the controls, asks the model and shows
// its answers.

#include <memory>
#include <optional>
#include <string>

#include "common/os/win32/win32_files.h"
#include "common/os/win32/win32_spooler.h"
#include "plugin/frame/sheet_page.h"
#include "plugin/logo/win32_bitmap_library.h"
#include "plugin/pages/download_model.h"
#include "plugin/pages/win32_file_chooser.h"

namespace varnel::plugin {

class DownloadPage final : public DevicePage {
 public:
  explicit DownloadPage(HWND window);

 protected:
  INT_PTR OnInit() override;
  bool OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) override;
  bool OnControlNotify(NMHDR& header, LRESULT& result) override;
  bool OnApply() override;
  bool OnQueryCancel() override;

 private:
  void OnBrowse();
  void OnDownloadFile();
  void OnAdd();
  void OnDelete();
  void OnType(PreviewType type);
  void OnMethod(uint32_t method);
  void OnDownloadAll();
  void OnTrackbarScroll();
  void OnTrackbarReleased(int id);
  void OnListClicked();
  void OnPaint();

  // The first selected row, or -1.
  int SelectedLogo() const;
  // Rows from the model; keepSelection selects the row at the index selected before.
  void FillList(bool keepSelection);
  void EnableTypeButtons(bool enable);
  void SetTrackbar(int id, int valueId, int32_t value);
  int32_t TrackbarValue(int id) const;
  // Asks the model what the preview shows (converting as needed) and repaints. The
  // conversion runs once per change, not on every paint, so a failing one is reported once.
  void Refresh(bool force = false);
  void Show(DownloadMessage message) const;

  win32::Win32Files files_;
  win32::Win32Spooler spooler_;
  win32::Win32BitmapLibrary library_;
  Win32FileChooser chooser_;
  std::unique_ptr<DownloadModel> model_;
  std::optional<std::string> preview_;  // the file the preview frame shows
  std::string shownKey_;                 // what the preview was made from
  bool filling_ = false;                 // the page is filling the list: its notifications are its own
};

}  // namespace varnel::plugin
