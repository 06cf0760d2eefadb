#pragma once
// Module-wide state of the plug-in: its instance handle, the counts that decide whether it
// may be unloaded, and the activation context that gives its pages and dialogs the common
// controls of version 6.

#include <windows.h>

namespace varnel::plugin {

HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// Live plug-in objects and server locks; changed by interlocked operations only.
void ObjectCreated();
void ObjectDestroyed();
void LockModule();
void UnlockModule();
bool ModuleInUse();

// The activation context made from the module's manifest resource 2, created on first use.
// INVALID_HANDLE_VALUE while it could not be created; the next call tries again.
HANDLE ModuleActivationContext();
void ReleaseModuleActivationContext();

// Activates the module's context (when it has one) for the life of the scope: open-file
// dialogs, modal dialogs and image lists of the pages are created inside one.
class ActivationScope {
 public:
  ActivationScope();
  ~ActivationScope();
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace varnel::plugin
