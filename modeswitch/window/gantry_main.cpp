// Gantry.exe: one modal window on one thread; the program ends when it closes.
#include <windows.h>

#include "modeswitch/window/gantry_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  varnel::gantry::GantryWindow window;
  window.Show();
  return 0;
}
