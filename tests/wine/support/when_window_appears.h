#pragma once
// Playing the user's part in a modal window. A test calls what opens the window (a click
// that runs a modal dialog, a message box) on its own thread; the window's modal loop
// dispatches a timer of that thread, and the first time a visible dialog window with the
// caption exists, the script runs with it, as a user would act once the window shows.

#include <windows.h>

#include <functional>
#include <string>

namespace varnel::winetest {

class WhenWindowAppears {
 public:
  WhenWindowAppears(std::wstring caption, std::function<void(HWND)> script);
  ~WhenWindowAppears();
  WhenWindowAppears(const WhenWindowAppears&) = delete;
  WhenWindowAppears& operator=(const WhenWindowAppears&) = delete;

  // The script has run.
  bool ran() const { return ran_; }

 private:
  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
  void Stop();

  std::wstring caption_;
  std::function<void(HWND)> script_;
  UINT_PTR timer_ = 0;
  bool ran_ = false;
};

// Handles what is waiting in the thread's queue for `dialog` and the other windows of the
// thread, as a dialog's own loop would; for a script that needs posted messages handled
// before it looks again.
void HandlePendingMessages(HWND dialog);

}  // namespace varnel::winetest
