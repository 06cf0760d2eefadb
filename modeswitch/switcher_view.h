#pragma once
// The mode switcher's window as its logic sees it. The window class implements it over
// its controls; tests implement it in memory.

#include <cstdint>
#include <string>
#include <vector>

namespace varnel::modeswitch {

// A printer's USB personality; the value is the command's mode byte.
enum class Personality : uint8_t { kPrinterMode = 0x00, kApiMode = 0x01 };

class SwitcherView {
 public:
  virtual ~SwitcherView() = default;
  // Adds a line at the end of the information box and scrolls to it.
  virtual void WriteLine(const std::string& text) = 0;
  // A plain OK box captioned with the program's name.
  virtual void ShowMessage(const std::string& text) = 0;
  // Replaces the entries of the list of printers found in that personality and selects
  // the first entry when there is one.
  virtual void ShowList(Personality listed, const std::vector<std::string>& entries) = 0;
  // The selected entry of that list, or -1 when none is (the user typed into its box).
  virtual int SelectedEntry(Personality listed) = 0;
  // The button that switches printers to `target`.
  virtual void EnableSwitch(Personality target, bool enabled) = 0;
  virtual void Pause(uint32_t ms) = 0;
};

}  // namespace varnel::modeswitch
