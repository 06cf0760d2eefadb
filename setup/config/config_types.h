#pragma once
// The small vocabularies every part of the wizard shares: printer types, systems and
// port kinds, with the names and letters the configuration files use for them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnel::setup {

// Numbered as everywhere in the wizard: 0 receipt, 1 ticket, 2 label, 3 embedded.
enum class PrinterType : int { Receipt = 0, Ticket = 1, Label = 2, Embedded = 3 };
inline constexpr int kPrinterTypes = 4;

// The supported systems 0..7: Windows 98 family, NT 4.0, 2000, XP, Server 2003, Vista,
// Server 2008, 7 and later.
inline constexpr int kSystems = 8;
// The section suffix of a system index (".98" ... ".Win7"); "" outside 0..7.
std::string_view SystemSuffix(int system);

enum class PortKind : int { Serial = 0, Parallel = 1, Usb = 2, Network = 3 };
// The letter of a port kind in key names: S, P, U, N.
char PortLetter(PortKind kind);

// The two families of driver files.
enum class KeyFamily { Gdi, Std };
std::string_view FamilyPrefix(KeyFamily family);  // "GDI" or "STD"

}  // namespace varnel::setup
