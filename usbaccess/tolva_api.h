#pragma once
// The five functions that Tolva.dll exports, for the programs that load it by name.
// They use the platform's standard calling convention (WINAPI) in both builds; the
// export names are undecorated.

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define TOLVA_CALL __stdcall
#else
#define TOLVA_CALL
#endif

extern "C" {
// The number of printers present (0 to 10).
using EnumQzUSBPrinterFn = int32_t(TOLVA_CALL*)();
// Opens the printer at a 1-based position of a fresh enumeration; 1 when it opened.
using OpenQzUSBPrinterFn = int32_t(TOLVA_CALL*)(int32_t position);
// The number of bytes the open printer accepted.
using WriteQzUSBPrinterFn = uint32_t(TOLVA_CALL*)(const void* bytes, uint32_t length);
// The number of bytes received from the open printer.
using ReadQzUSBPrinterFn = uint32_t(TOLVA_CALL*)(void* buffer, uint32_t capacity);
// Nonzero when the open printer was released.
using CloseQzUSBPrinterFn = int32_t(TOLVA_CALL*)();
}
