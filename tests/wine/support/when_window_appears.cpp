#include "tests/wine/support/when_window_appears.h"

#include <map>

namespace varnel::winetest {
namespace {

// The watchers by their timer: a timer procedure gets only the timer's id.
std::map<UINT_PTR, WhenWindowAppears*>& Watchers() {
  static std::map<UINT_PTR, WhenWindowAppears*> watchers;
  return watchers;
}

constexpr UINT kPollMilliseconds = 20;

}  // namespace

WhenWindowAppears::WhenWindowAppears(std::wstring caption, std::function<void(HWND)> script)
    : caption_(std::move(caption)), script_(std::move(script)) {
  timer_ = SetTimer(nullptr, 0, kPollMilliseconds, OnTimer);
  if (timer_ != 0) Watchers()[timer_] = this;
}

WhenWindowAppears::~WhenWindowAppears() { Stop(); }

void CALLBACK WhenWindowAppears::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Watchers().find(id);
  if (found == Watchers().end()) return;
  WhenWindowAppears* self = found->second;
  // A modal dialog shows itself once its queue is idle; act on what the user can see.
  const HWND window = FindWindowW(L"#32770", self->caption_.c_str());
  if (window == nullptr || !IsWindowVisible(window)) return;
  self->Stop();
  self->ran_ = true;
  self->script_(window);
}

void WhenWindowAppears::Stop() {
  if (timer_ == 0) return;
  KillTimer(nullptr, timer_);
  Watchers().erase(timer_);
  timer_ = 0;
}

void HandlePendingMessages(HWND dialog) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (!IsDialogMessageW(dialog, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace varnel::winetest
