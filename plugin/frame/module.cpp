#include "plugin/frame/module.h"

#include <string>
#include <vector>

namespace varnel::plugin {
namespace {

HINSTANCE g_instance = nullptr;
LONG g_objects = 0;
LONG g_locks = 0;
HANDLE g_activation_context = INVALID_HANDLE_VALUE;

constexpr WORD kManifestResource = 2;

// The module's own file name; the buffer grows while the name does not fit.
std::wstring ModuleFileName() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 9; ++attempt) {
    const DWORD length = GetModuleFileNameW(g_instance, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
  return {};
}

}  // namespace

HINSTANCE ModuleInstance() { return g_instance; }
void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

void ObjectCreated() { InterlockedIncrement(&g_objects); }
void ObjectDestroyed() { InterlockedDecrement(&g_objects); }
void LockModule() { InterlockedIncrement(&g_locks); }
void UnlockModule() { InterlockedDecrement(&g_locks); }
bool ModuleInUse() {
  return InterlockedCompareExchange(&g_objects, 0, 0) > 0 || InterlockedCompareExchange(&g_locks, 0, 0) > 0;
}

HANDLE ModuleActivationContext() {
  if (g_activation_context != INVALID_HANDLE_VALUE) return g_activation_context;
  const std::wstring path = ModuleFileName();
  if (path.empty()) return INVALID_HANDLE_VALUE;
  ACTCTXW request = {};
  request.cbSize = sizeof request;
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path.c_str();
  request.lpResourceName = MAKEINTRESOURCEW(kManifestResource);
  g_activation_context = CreateActCtxW(&request);
  return g_activation_context;
}

void ReleaseModuleActivationContext() {
  if (g_activation_context == INVALID_HANDLE_VALUE) return;
  ReleaseActCtx(g_activation_context);
  g_activation_context = INVALID_HANDLE_VALUE;
}

ActivationScope::ActivationScope() {
  const HANDLE context = ModuleActivationContext();
  if (context != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(context, &cookie_) != FALSE;
}

ActivationScope::~ActivationScope() {
  if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace varnel::plugin
