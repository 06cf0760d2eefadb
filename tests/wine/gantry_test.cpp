// Gantry.exe started in a folder of its own, found by its window and driven by messages
// from this process: what its lists, buttons, information box and message boxes show, and
// what reached the library beside it. Every wait has a limit; the program is ended if a
// test leaves it running.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "resources/gantry/gantry_ids.h"

namespace {

using Lines = std::vector<std::string>;
constexpr auto kLimit = std::chrono::seconds(15);
constexpr UINT kMessageLimitMs = 10000;
constexpr int kMessageBoxText = 0xFFFF;  // the id of a message box's text

const char kHeading[] = "************************\r\nInformation output box:\r\n************************\r\n";
const char kSwitchedLines[] =
    "***********************************************\r\n"
    "Changing mode command send successful\r\n"
    "Please power off the device and power on it again!\r\n"
    "***********************************************\r\n"
    "\n\r\n";

// Polls until `ready` holds or the limit has passed.
bool WaitFor(const std::function<bool()>& ready) {
  const auto end = std::chrono::steady_clock::now() + kLimit;
  while (std::chrono::steady_clock::now() < end) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return ready();
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// A window's text, read across the process boundary.
std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kMessageLimitMs, &length)) return "";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      kMessageLimitMs, &copied);
  text.resize(copied);
  return Narrow(text);
}

// The entries of a combo box in another process.
Lines EntriesOf(HWND combo) {
  Lines entries;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) + 1, L'\0');
    const LRESULT copied = SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : copied);
    entries.push_back(Narrow(text));
  }
  return entries;
}

struct WindowSearch {
  DWORD process;
  const wchar_t* title;
  HWND found;
};

// A top-level window of the process with exactly that title.
HWND WindowOf(DWORD process, const wchar_t* title) {
  WindowSearch search{process, title, nullptr};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t title[128] = {};
        GetWindowTextW(window, title, 128);
        if (owner != s->process || wcscmp(title, s->title) != 0) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A folder of its own for one run of the program, removed afterwards.
class RunFolder {
 public:
  RunFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"gantry-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++runs_);
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~RunFolder() {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(path_.c_str());
  }
  // Copies a file of the build's bin folder (the working directory) into this folder.
  bool Copy(const wchar_t* from, const wchar_t* as) {
    files_.push_back(File(as));
    return CopyFileW(from, files_.back().c_str(), FALSE);
  }
  std::wstring File(const wchar_t* name) const { return path_ + L"\\" + name; }
  void Owns(const std::wstring& file) { files_.push_back(file); }
  const std::wstring& path() const { return path_; }

 private:
  static inline int runs_ = 0;
  std::wstring path_;
  std::vector<std::wstring> files_;
};

// Gantry.exe running from a run folder; ended when the test leaves it running.
class Gantry {
 public:
  explicit Gantry(const RunFolder& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring program = folder.File(L"Gantry.exe");
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.path().c_str(), &startup, &process_)) {
      ADD_FAILURE() << "CreateProcess failed with " << GetLastError();
    }
  }
  ~Gantry() {
    if (!process_.hProcess) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  Gantry(const Gantry&) = delete;
  Gantry& operator=(const Gantry&) = delete;

  bool started() const { return process_.hProcess != nullptr; }

  // The main window, once it has been initialised: the dialog shows itself only then.
  HWND Window() {
    if (!window_) {
      WaitFor([&] {
        HWND window = WindowOf(process_.dwProcessId, L"Gantry - USB Interface");
        if (window && IsWindowVisible(window)) window_ = window;
        return window_ != nullptr;
      });
    }
    return window_;
  }
  HWND Item(int id) { return GetDlgItem(Window(), id); }
  std::string Information() { return TextOf(Item(IDC_INFORMATION)); }
  bool Enabled(int id) { return IsWindowEnabled(Item(id)); }

  // A click whose handler may show a message box: posted, so this process never waits on it.
  void Click(int id) { PostMessageW(Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id))); }
  // A click whose handler shows nothing modal: returns when it has been handled.
  void ClickAndWait(int id) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(Window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)),
                        SMTO_ABORTIFHUNG, kMessageLimitMs, &result);
  }

  // Waits for a window of the program captioned `title` and returns it.
  HWND AwaitWindow(const wchar_t* title) {
    HWND found = nullptr;
    WaitFor([&] { return (found = WindowOf(process_.dwProcessId, title)) != nullptr; });
    return found;
  }
  // Waits for the program's message box, returns its text and presses its OK button.
  std::string AnswerMessageBox() {
    HWND box = AwaitWindow(L"Gantry");
    if (!box) return "(no message box)";
    std::string text;
    WaitFor([&] { return !(text = TextOf(GetDlgItem(box, kMessageBoxText))).empty(); });
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WaitFor([&] { return !IsWindow(box); });
    return text;
  }

  // Presses "&Exit" and waits for the program to end; its exit code.
  DWORD Exit() {
    Click(IDOK);
    if (WaitForSingleObject(process_.hProcess, 10000) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};

Lines ReadLines(const std::wstring& path) {
  std::ifstream file(Narrow(path));
  Lines lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

TEST(Gantry, WithTheRealLibraryAndNoPrintersBothSwitchesAreDisabled) {
  RunFolder folder;
  ASSERT_TRUE(folder.Copy(L"Gantry.exe", L"Gantry.exe"));
  ASSERT_TRUE(folder.Copy(L"Tolva.dll", L"Tolva.dll"));
  Gantry gantry(folder);
  ASSERT_TRUE(gantry.started());
  ASSERT_NE(gantry.Window(), nullptr) << "the window did not appear";

  EXPECT_EQ(gantry.Information(),
            std::string(kHeading) + "Find Printer-Mode device: 0\r\nFind API-Mode device: 0\r\n\n\r\n");
  EXPECT_FALSE(gantry.Enabled(IDC_API_MODE));
  EXPECT_FALSE(gantry.Enabled(IDC_PRINTER_MODE));
  EXPECT_TRUE(EntriesOf(gantry.Item(IDC_PRINTER_MODE_LIST)).empty());
  EXPECT_TRUE(EntriesOf(gantry.Item(IDC_API_MODE_LIST)).empty());
  EXPECT_EQ(TextOf(gantry.Item(IDC_TITLE)), "Gantry (USB)");
  EXPECT_EQ(TextOf(gantry.Item(IDC_API_MODE)), "AP&I Mode");

  gantry.Click(IDC_ABOUT);
  HWND about = gantry.AwaitWindow(L"USB Gantry");
  ASSERT_NE(about, nullptr) << "the About box did not open";
  // The box's frame has its caption before its controls exist: wait for them.
  const bool versionShown = WaitFor([&] {
    for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (TextOf(child) == "USB Gantry Version 1.11") return true;
    }
    return false;
  });
  EXPECT_TRUE(versionShown);
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(about); })) << "&Ok did not close the About box";

  EXPECT_EQ(gantry.Exit(), 0u);
}

TEST(Gantry, SwitchesTheChosenPrinterOfTheLibraryToApiMode) {
  RunFolder folder;
  ASSERT_TRUE(folder.Copy(L"Gantry.exe", L"Gantry.exe"));
  ASSERT_TRUE(folder.Copy(L"TolvaStandin.dll", L"Tolva.dll"));
  const std::wstring log = folder.File(L"calls.log");
  folder.Owns(log);
  SetEnvironmentVariableW(L"TOLVA_STANDIN_LOG", log.c_str());
  Gantry gantry(folder);
  SetEnvironmentVariableW(L"TOLVA_STANDIN_LOG", nullptr);
  ASSERT_NE(gantry.Window(), nullptr) << "the window did not appear";

  const HWND printers = gantry.Item(IDC_PRINTER_MODE_LIST);
  EXPECT_EQ(EntriesOf(printers), (Lines{"Printer_0", "Printer_1", "Printer_2"}));
  EXPECT_EQ(SendMessageW(printers, CB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(gantry.Enabled(IDC_API_MODE));
  EXPECT_FALSE(gantry.Enabled(IDC_PRINTER_MODE));
  gantry.ClickAndWait(IDC_GET_ONLINE);
  gantry.ClickAndWait(IDC_GET_ONLINE);
  EXPECT_EQ(EntriesOf(printers), (Lines{"Printer_0", "Printer_1", "Printer_2"})) << "one entry per printer";

  gantry.ClickAndWait(IDC_CLEAR);
  EXPECT_EQ(gantry.Information(), "");
  SendMessageW(printers, CB_SETCURSEL, 2, 0);
  gantry.Click(IDC_API_MODE);
  EXPECT_EQ(gantry.AnswerMessageBox(), "Please power off the device and power on it again!");
  ASSERT_TRUE(WaitFor([&] { return !ReadLines(log).empty() && ReadLines(log).back() == "CloseQzUSBPrinter 1"; }));
  EXPECT_EQ(gantry.Information(), kSwitchedLines);
  const Lines calls = ReadLines(log);
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(Lines(calls.end() - 3, calls.end()),
            (Lines{"OpenQzUSBPrinter(3) 1", "WriteQzUSBPrinter(1B 73 42 45 92 9A 01 00 70) 9", "CloseQzUSBPrinter 1"}));
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "EnumQzUSBPrinter 3"), 3) << "start and two refreshes";

  EXPECT_EQ(gantry.Exit(), 0u);
}

TEST(Gantry, WithoutTheLibrarySaysSoAndListsNothing) {
  RunFolder folder;
  ASSERT_TRUE(folder.Copy(L"Gantry.exe", L"Gantry.exe"));
  Gantry gantry(folder);
  ASSERT_TRUE(gantry.started());
  EXPECT_EQ(gantry.AnswerMessageBox(), "can't find dll file");
  ASSERT_NE(gantry.Window(), nullptr) << "the window did not stay open";

  EXPECT_EQ(gantry.Information(), kHeading);
  EXPECT_TRUE(EntriesOf(gantry.Item(IDC_PRINTER_MODE_LIST)).empty());
  EXPECT_TRUE(EntriesOf(gantry.Item(IDC_API_MODE_LIST)).empty());
  EXPECT_FALSE(gantry.Enabled(IDC_API_MODE));
  EXPECT_FALSE(gantry.Enabled(IDC_PRINTER_MODE));

  gantry.ClickAndWait(IDC_GET_ONLINE);
  EXPECT_EQ(gantry.Information(),
            std::string(kHeading) + "Find Printer-Mode device: 0\r\nFind API-Mode device: 0\r\n\n\r\n");
  EXPECT_EQ(gantry.Exit(), 0u);
}

}  // namespace
