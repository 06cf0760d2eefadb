// The Download page of the real VarnelUI.dll in a real property sheet, sending its jobs
// through Wine's spooler to a printer whose port writes to a file. The open-file dialog
// and the message boxes are answered from a second thread, the way a user would.

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <winspool.h>

#include <atomic>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "common/os/win32/win32_files.h"
#include "plugin/logo/bitmap.h"
#include "plugin/logo/logo_pack.h"
#include "plugin/logo/test_bitmaps.h"
#include "resources/varnelui/resource.h"
#include "tests/wine/support/logo_support.h"
#include "tests/wine/support/wine_printer.h"
#include "tests/wine/varnelui_test_support.h"

namespace varnel::test {
namespace {

using logo::fixtures::MakeBitmap;
using winetest::TempFolder;

std::vector<HPROPSHEETPAGE> g_pages;
std::vector<LPARAM> g_results;  // what CPSFUNC_SET_RESULT reported

LONG_PTR CALLBACK SheetService(HANDLE, UINT function, LPARAM first, LPARAM second) {
  if (function == CPSFUNC_SET_RESULT) {
    g_results.push_back(second);
    return 1;
  }
  if (function != CPSFUNC_ADD_PROPSHEETPAGEW) return 0;
  g_pages.push_back(CreatePropertySheetPageW(reinterpret_cast<LPCPROPSHEETPAGEW>(first)));
  return reinterpret_cast<LONG_PTR>(g_pages.back());
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

std::wstring Text(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// Answers the dialogs that the page opens on the test's thread: file dialogs get the next
// queued path, message boxes are read and closed.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(DWORD thread) : thread_(thread), worker_([this] { Run(); }) {}
  ~DialogAnswerer() {
    stop_ = true;
    worker_.join();
  }
  void QueuePath(const std::wstring& path) {
    std::lock_guard lock(mutex_);
    paths_.push_back(path);
  }
  // The messages shown so far ("caption: text"), and forgets them.
  std::vector<std::wstring> TakeMessages() {
    std::lock_guard lock(mutex_);
    return std::exchange(messages_, {});
  }

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM self) {
    reinterpret_cast<DialogAnswerer*>(self)->Answer(window);
    return TRUE;
  }
  void Run() {
    while (!stop_) {
      EnumThreadWindows(thread_, Visit, reinterpret_cast<LPARAM>(this));
      Sleep(20);
    }
  }
  void Answer(HWND window) {
    if (!IsWindowVisible(window)) return;
    const std::wstring caption = Text(window);
    if (caption == L"Please Select a Logo file" || caption == L"Please select a file") {
      std::wstring path;
      {
        std::lock_guard lock(mutex_);
        if (paths_.empty()) return;
        path = paths_.front();
        paths_.erase(paths_.begin());
      }
      SendMessageW(GetDlgItem(window, 0x47C /* cmb13, the file name */), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(path.c_str()));
      PostMessageW(window, WM_COMMAND, IDOK, 0);
    } else if (caption == L"Error" || caption == L"ok" || caption == L"Information") {
      const std::wstring text = Text(GetDlgItem(window, 0xFFFF));
      {
        std::lock_guard lock(mutex_);
        messages_.push_back(caption + L": " + text);
      }
      PostMessageW(window, WM_COMMAND, IDOK, 0);
      Sleep(100);
    }
  }

  DWORD thread_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::wstring> paths_;
  std::vector<std::wstring> messages_;
  std::thread worker_;
};

class DownloadPageTest : public ::testing::Test {
 protected:
  // One printer for all the tests: installing it takes a while under Wine.
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    printer_ = new winetest::FilePrinter;
    installed_ = printer_->Install(L"Varnel Download Test", L"LPT3:", installError_);
  }
  static void TearDownTestSuite() { delete printer_; }

  void SetUp() override {
    ASSERT_TRUE(installed_) << installError_;
    ASSERT_TRUE(OpenPrinterW(const_cast<LPWSTR>(L"Varnel Download Test"), &handle_, nullptr));
    ASSERT_TRUE(winetest::InstallPixmill()) << GetLastError();

    ASSERT_NE(VarnelUi::Module(), nullptr);
    plugin_ = CreatePlugin();
    ASSERT_NE(plugin_, nullptr);
    common_.cbSize = sizeof common_;
    common_.hPrinter = handle_;
    common_.pPrinterName = name_;
    ASSERT_EQ(plugin_->CommonUIProp(OEMCUIP_PRNPROP, &common_), S_OK);
    PROPSHEETUI_INFO info = {};
    info.cbSize = sizeof info;
    info.Version = 0x100;
    info.Reason = 0;
    info.hComPropSheet = reinterpret_cast<HANDLE>(0x5EE7);
    info.pfnComPropSheet = SheetService;
    g_pages.clear();
    ASSERT_EQ(plugin_->DevicePropertySheets(&info, 0), S_OK);
    PROPSHEETHEADERW header = {};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = L"Varnel Download Test";
    header.nPages = UINT(g_pages.size());
    header.phpage = g_pages.data();
    sheet_ = reinterpret_cast<HWND>(PropertySheetW(&header));
    ASSERT_NE(sheet_, nullptr);
    SendMessageW(sheet_, PSM_SETCURSEL, 1, 0);  // Utility, Download, Font, Version
    Pump();
    page_ = reinterpret_cast<HWND>(SendMessageW(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(page_, nullptr);
    ASSERT_NE(GetDlgItem(page_, IDC_DL_LOGO_LIST), nullptr);
    // The file dialog opens in the current folder: a small one keeps it quick.
    GetCurrentDirectoryA(MAX_PATH, started_);
    CreateDirectoryA(PictureFolder().c_str(), nullptr);
    SetCurrentDirectoryA(PictureFolder().c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryA(started_);
    if (sheet_ && IsWindow(sheet_)) DestroyWindow(sheet_);
    Pump();
    if (plugin_) plugin_->Release();
    if (handle_) ClosePrinter(handle_);
  }

  void Click(int id) {
    SendMessageW(page_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(page_, id)));
    Pump();
  }
  // A bitmap among the user's pictures; returns its path.
  std::string Picture(const std::string& name, std::vector<uint8_t> bytes) {
    EXPECT_TRUE(files_.WriteFile(PictureFolder() + name, bytes));
    return PictureFolder() + name;
  }
  std::string Colour(const std::string& name, int32_t w, int32_t h) {
    return Picture(name, MakeBitmap(w, h, 24, {}, [](int32_t x, int32_t y) {
                     return uint32_t((x * 9 + y * 5) % 256) * 0x010101u;
                   }));
  }
  void Add(const std::string& path) {
    answerer_.QueuePath(std::wstring(path.begin(), path.end()));
    Click(IDC_DL_ADD);
  }
  void Select(int row) {
    const HWND list = GetDlgItem(page_, IDC_DL_LOGO_LIST);
    LVITEMW state = {};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    NMITEMACTIVATE click = {};
    click.hdr = {list, IDC_DL_LOGO_LIST, UINT(NM_CLICK)};
    click.iItem = row;
    SendMessageW(page_, WM_NOTIFY, IDC_DL_LOGO_LIST, reinterpret_cast<LPARAM>(&click));
    Pump();
  }
  static std::string PictureFolder() { return TempFolder() + "pictures\\"; }
  int Rows() { return int(SendMessageW(GetDlgItem(page_, IDC_DL_LOGO_LIST), LVM_GETITEMCOUNT, 0, 0)); }
  std::vector<uint8_t> Read(const std::string& path) {
    std::vector<uint8_t> bytes;
    files_.ReadFile(path, bytes);
    return bytes;
  }
  bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

  static inline winetest::FilePrinter* printer_ = nullptr;
  static inline bool installed_ = false;
  static inline std::string installError_;
  char started_[MAX_PATH] = {};
  HANDLE handle_ = nullptr;
  wchar_t name_[32] = L"Varnel Download Test";
  IPrintOemUI* plugin_ = nullptr;
  OEMCUIPPARAM common_ = {};
  HWND sheet_ = nullptr;
  HWND page_ = nullptr;
  win32::Win32Files files_;
  DialogAnswerer answerer_{GetCurrentThreadId()};
};

TEST_F(DownloadPageTest, ClearAllLogosAndFileDownload) {
  printer_->ClearOutput();
  Click(IDC_DL_CLEAR_LOGOS);
  EXPECT_EQ(winetest::Hex(printer_->Output()), "1B 63 3B 01 1C 71 00 00 0A 1B 63 3B 00");

  std::vector<uint8_t> firmware(5000);
  for (size_t i = 0; i < firmware.size(); ++i) firmware[i] = uint8_t(i * 13 + 1);
  const std::string path = Picture("R1.JK", firmware);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_, IDC_DL_DOWNLOAD_FILE)));
  answerer_.QueuePath(std::wstring(path.begin(), path.end()));
  Click(IDC_DL_BROWSE);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page_, IDC_DL_DOWNLOAD_FILE)));
  printer_->ClearOutput();
  Click(IDC_DL_DOWNLOAD_FILE);
  EXPECT_EQ(printer_->Output(), firmware);
  EXPECT_TRUE(answerer_.TakeMessages().empty());
}

TEST_F(DownloadPageTest, TwoTransformedLogosReachThePrinterAsPacked) {
  const std::string temp = TempFolder();
  Add(Colour("dl_sun.bmp", 100, 50));
  ASSERT_EQ(Rows(), 1);
  Select(0);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page_, IDC_DL_TRANSFORMATION)));
  Click(IDC_DL_TRANSFORMATION);
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page_, IDC_DL_DOWNLOAD_ALL)));
  Add(Colour("dl_moon.bmp", 100, 50));
  ASSERT_EQ(Rows(), 2);
  ASSERT_TRUE(Exists(temp + "dl_sunTemp.bmp"));
  ASSERT_TRUE(Exists(temp + "dl_moonTemp.bmp"));

  printer_->ClearOutput();
  Click(IDC_DL_DOWNLOAD_ALL);
  const std::vector<uint8_t> job = printer_->Output();
  ASSERT_EQ(job.size(), 4u + 3 + 2 * (4 + 896) + 1 + 4) << winetest::Hex(job);
  EXPECT_EQ(winetest::Hex({job.begin(), job.begin() + 11}), "1B 63 3B 01 1C 71 02 10 00 07 00");
  EXPECT_EQ(winetest::Hex({job.begin() + 907, job.begin() + 911}), "10 00 07 00");
  EXPECT_EQ(winetest::Hex({job.end() - 5, job.end()}), "0A 1B 63 3B 00");
  // The data are the host packing of the converted files.
  bool invert = true;
  logo::LogoData sun, moon;
  ASSERT_TRUE(logo::PackMonoLogo(Read(temp + "dl_sunTemp.bmp"), invert, sun));
  ASSERT_TRUE(logo::PackMonoLogo(Read(temp + "dl_moonTemp.bmp"), invert, moon));
  EXPECT_EQ(std::vector<uint8_t>(job.begin() + 11, job.begin() + 907), sun.bytes);
  EXPECT_EQ(std::vector<uint8_t>(job.begin() + 911, job.end() - 5), moon.bytes);

  // Cancel: the converted files go, the working copies stay.
  SendMessageW(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  Pump();
  EXPECT_FALSE(Exists(temp + "dl_sunTemp.bmp"));
  EXPECT_FALSE(Exists(temp + "dl_moonTemp.bmp"));
  EXPECT_TRUE(Exists(temp + "dl_sun.bmp"));
  EXPECT_TRUE(Exists(temp + "dl_moon.bmp"));
  EXPECT_TRUE(answerer_.TakeMessages().empty());
}

TEST_F(DownloadPageTest, GrayLogoJob) {
  Add(Colour("dl_gray.bmp", 10, 3));
  Select(0);
  Click(IDC_DL_GRAY);
  Select(0);  // the preview converts it
  ASSERT_TRUE(Exists(TempFolder() + "dl_grayTemp.bmp"));
  printer_->ClearOutput();
  Click(IDC_DL_DOWNLOAD_ALL);
  const std::vector<uint8_t> job = printer_->Output();
  logo::LogoData gray;
  ASSERT_TRUE(logo::PackGrayLogo(Read(TempFolder() + "dl_grayTemp.bmp"), gray));
  ASSERT_EQ(job.size(), 4u + 3 + 6 + 32 + 1 + 4) << winetest::Hex(job);
  EXPECT_EQ(winetest::Hex({job.begin(), job.begin() + 13}), "1B 63 3B 01 1C 72 01 01 00 02 00 02 00");
  EXPECT_EQ(std::vector<uint8_t>(job.begin() + 13, job.begin() + 45), gray.bytes);

  // Delete leaves no logo selected; apply reports the result and removes converted files.
  Add(Colour("dl_second.bmp", 8, 8));
  ASSERT_EQ(Rows(), 2);
  ASSERT_TRUE(Exists(TempFolder() + "dl_secondTemp.bmp"));
  Select(0);
  Click(IDC_DL_DELETE);
  ASSERT_EQ(Rows(), 1);
  EXPECT_EQ(SendMessageW(GetDlgItem(page_, IDC_DL_LOGO_LIST), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED), -1);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_, IDC_DL_GRAY)));
  EXPECT_FALSE(Exists(TempFolder() + "dl_grayTemp.bmp"));
  g_results.clear();
  SendMessageW(sheet_, PSM_APPLY, 0, 0);
  Pump();
  // The Utility page, opened first, reports too: both say CPSUI_OK.
  EXPECT_EQ(g_results, (std::vector<LPARAM>{CPSUI_OK, CPSUI_OK}));
  EXPECT_FALSE(Exists(TempFolder() + "dl_secondTemp.bmp"));
  EXPECT_TRUE(Exists(TempFolder() + "dl_second.bmp"));
}

TEST_F(DownloadPageTest, TheTenthLogoAndTooWidePicturesAreRefused) {
  Add(Picture("dl_wide.bmp", MakeBitmap(1025, 2, 1, logo::fixtures::kBlackWhite, [](int32_t, int32_t) { return 1u; })));
  EXPECT_EQ(Rows(), 0);
  std::vector<std::wstring> messages = answerer_.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], L"Error: The image is too big to be selected.\nthe width must be less than 1024 Byte,and the "
                         L"height must be less than 768 Byte!");

  const std::string small = Colour("dl_small.bmp", 8, 8);
  for (int i = 0; i < 9; ++i) Add(small);
  ASSERT_EQ(Rows(), 9);
  Add(small);
  EXPECT_EQ(Rows(), 9);
  messages = answerer_.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], L"ok: The total counts of the logos is 9,\nplease delete some logos before selecting another logo!");
}

TEST_F(DownloadPageTest, LogosOf96KAreNotSent) {
  // 1024 x 768 is accepted, but its converted file alone reaches 96K.
  Add(Colour("dl_full.bmp", 1024, 768));
  ASSERT_EQ(Rows(), 1);
  Select(0);
  Click(IDC_DL_TRANSFORMATION);
  printer_->ClearOutput();
  Click(IDC_DL_DOWNLOAD_ALL);
  const std::vector<std::wstring> messages = answerer_.TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0], L"Error: The total sizes of all the logos is greater 96K!");
  EXPECT_TRUE(printer_->Output(300).empty());
}

}  // namespace
}  // namespace varnel::test
