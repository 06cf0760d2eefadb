#pragma once
// The declarations of the printer driver plug-in model that mingw-w64 does not ship: the
// plug-in interface IPrintOemUI, the driver's helper interface IPrintOemDriverUI and the
// structures that pass through them, written from their documented binary layout. The
// common property sheet service (PROPSHEETUI_INFO, its header, SETRESULT_INFO, OPTITEM) comes
// from mingw-w64's compstui.h; its layout is checked here as well, since the plug-in relies on it.

#include <windows.h>
#include <objbase.h>
#include <prsht.h>
#include <winddiui.h>
#include <compstui.h>

#include <cstddef>

// GetInfo modes.
#define OEMGI_GETSIGNATURE 1
#define OEMGI_GETINTERFACEVERSION 2
#define OEMGI_GETVERSION 3
#define OEMGI_GETPUBLISHERINFO 4

// DevMode modes.
#define OEMDM_SIZE 1
#define OEMDM_DEFAULT 2
#define OEMDM_CONVERT 3
#define OEMDM_MERGE 4

// CommonUIProp modes.
#define OEMCUIP_DOCPROP 1
#define OEMCUIP_PRNPROP 2

// QueryColorProfile.
#define QCP_DEVICEPROFILE 0
#define QCP_PROFILEMEMORY 1
#define QCP_PROFILEDISK 2

typedef struct _OEM_DMEXTRAHEADER {
  DWORD dwSize;
  DWORD dwSignature;
  DWORD dwVersion;
} OEM_DMEXTRAHEADER, *POEM_DMEXTRAHEADER;

typedef struct _OEMDMPARAM {
  DWORD cbSize;
  PVOID pdriverobj;
  HANDLE hPrinter;
  HANDLE hModule;
  PDEVMODEW pPublicDMIn;
  PDEVMODEW pPublicDMOut;
  PVOID pOEMDMIn;
  PVOID pOEMDMOut;
  DWORD cbBufSize;
} OEMDMPARAM, *POEMDMPARAM;

struct _OEMUIPROCS;
typedef struct _OEMUIOBJ {
  DWORD cbSize;
  struct _OEMUIPROCS* pOemUIProcs;
} OEMUIOBJ, *POEMUIOBJ;

struct _OEMCUIPPARAM;
typedef LONG(APIENTRY* OEMCUIPCALLBACK)(PCPSUICBPARAM, struct _OEMCUIPPARAM*);

typedef struct _OEMCUIPPARAM {
  DWORD cbSize;
  POEMUIOBJ poemuiobj;
  HANDLE hPrinter;
  PWSTR pPrinterName;
  HANDLE hModule;
  HANDLE hOEMHeap;
  PDEVMODEW pPublicDM;
  PVOID pOEMDM;
  DWORD dwFlags;
  POPTITEM pDrvOptItems;
  DWORD cDrvOptItems;
  POPTITEM pOEMOptItems;
  DWORD cOEMOptItems;
  PVOID pOEMUserData;
  OEMCUIPCALLBACK OEMCUIPCallback;
} OEMCUIPPARAM, *POEMCUIPPARAM;

typedef struct _OEMUIPSPARAM {
  DWORD cbSize;
  POEMUIOBJ poemuiobj;
  HANDLE hPrinter;
  PWSTR pPrinterName;
  HANDLE hModule;
  HANDLE hOEMHeap;
  PDEVMODEW pPublicDM;
  PVOID pOEMDM;
  PVOID pOEMUserData;
  DWORD dwFlags;
  PVOID pOemEntry;
} OEMUIPSPARAM, *POEMUIPSPARAM;

// Passed to DevQueryPrintEx, which the plug-in declines; only its pointer is needed.
typedef struct _DEVQUERYPRINT_INFO* PDEVQUERYPRINT_INFO;

// {C6A7A9D0-774C-11D1-947F-00A0C90640B8}
inline constexpr IID IID_IPrintOemUI = {0xC6A7A9D0, 0x774C, 0x11D1, {0x94, 0x7F, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};
// {92B05D50-78BC-11D1-9480-00A0C90640B8}
inline constexpr IID IID_IPrintOemDriverUI = {0x92B05D50, 0x78BC, 0x11D1, {0x94, 0x80, 0x00, 0xA0, 0xC9, 0x06, 0x40, 0xB8}};

// The driver's helper interface, in slot order.
struct IPrintOemDriverUI : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE DrvGetDriverSetting(PVOID pci, PCSTR feature, PVOID output, DWORD size,
                                                        PDWORD needed, PDWORD options_returned) = 0;
  virtual HRESULT STDMETHODCALLTYPE DrvUpgradeRegistrySetting(HANDLE printer, PCSTR feature, PCSTR option) = 0;
  virtual HRESULT STDMETHODCALLTYPE DrvUpdateUISetting(PVOID pci, PVOID opt_item, DWORD previous_selection,
                                                       DWORD mode) = 0;
};

// The plug-in interface, in slot order (GetInfo and DevMode come from the common base
// interface of driver plug-ins and precede the user-interface methods).
struct IPrintOemUI : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetInfo(DWORD mode, PVOID buffer, DWORD size, PDWORD needed) = 0;
  virtual HRESULT STDMETHODCALLTYPE DevMode(DWORD mode, POEMDMPARAM param) = 0;
  virtual HRESULT STDMETHODCALLTYPE PublishDriverInterface(IUnknown* driver) = 0;
  virtual HRESULT STDMETHODCALLTYPE CommonUIProp(DWORD mode, POEMCUIPPARAM param) = 0;
  virtual HRESULT STDMETHODCALLTYPE DocumentPropertySheets(PPROPSHEETUI_INFO info, LPARAM extra) = 0;
  virtual HRESULT STDMETHODCALLTYPE DevicePropertySheets(PPROPSHEETUI_INFO info, LPARAM extra) = 0;
  virtual HRESULT STDMETHODCALLTYPE DevQueryPrintEx(POEMUIOBJ ui, PDEVQUERYPRINT_INFO info, PDEVMODEW public_dm,
                                                    PVOID oem_dm) = 0;
  virtual HRESULT STDMETHODCALLTYPE DeviceCapabilities(POEMUIOBJ ui, HANDLE printer, PWSTR device_name,
                                                       WORD capability, PVOID output, PDEVMODEW public_dm,
                                                       PVOID oem_dm, DWORD old, DWORD* result) = 0;
  virtual HRESULT STDMETHODCALLTYPE UpgradePrinter(DWORD level, PBYTE upgrade_info) = 0;
  virtual HRESULT STDMETHODCALLTYPE PrinterEvent(PWSTR printer_name, INT event, DWORD flags, LPARAM param) = 0;
  virtual HRESULT STDMETHODCALLTYPE DriverEvent(DWORD event, DWORD level, LPBYTE driver_info, LPARAM param) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryColorProfile(HANDLE printer, POEMUIOBJ ui, PDEVMODEW public_dm,
                                                      PVOID oem_dm, ULONG query_mode, VOID* profile,
                                                      ULONG* profile_size, FLONG* profile_flags) = 0;
  virtual HRESULT STDMETHODCALLTYPE FontInstallerDlgProc(HWND window, UINT message, WPARAM wparam,
                                                         LPARAM lparam) = 0;
  virtual HRESULT STDMETHODCALLTYPE UpdateExternalFonts(HANDLE printer, HANDLE heap, PWSTR cartridges) = 0;
};

// The binary layouts, for both targets.
#ifdef _WIN64
#define VARNEL_LAYOUT(type, size32, size64) static_assert(sizeof(type) == (size64), #type)
#define VARNEL_FIELD(type, field, at32, at64) static_assert(offsetof(type, field) == (at64), #type "." #field)
#else
#define VARNEL_LAYOUT(type, size32, size64) static_assert(sizeof(type) == (size32), #type)
#define VARNEL_FIELD(type, field, at32, at64) static_assert(offsetof(type, field) == (at32), #type "." #field)
#endif
VARNEL_LAYOUT(OEM_DMEXTRAHEADER, 12, 12);
VARNEL_LAYOUT(OEMDMPARAM, 36, 72);
VARNEL_FIELD(OEMDMPARAM, pOEMDMIn, 24, 48);
VARNEL_FIELD(OEMDMPARAM, pOEMDMOut, 28, 56);
VARNEL_FIELD(OEMDMPARAM, cbBufSize, 32, 64);
VARNEL_LAYOUT(OEMCUIPPARAM, 60, 120);
VARNEL_FIELD(OEMCUIPPARAM, hPrinter, 8, 16);
VARNEL_FIELD(OEMCUIPPARAM, pPrinterName, 12, 24);
VARNEL_FIELD(OEMCUIPPARAM, pOEMDM, 28, 56);
VARNEL_FIELD(OEMCUIPPARAM, pDrvOptItems, 36, 72);
VARNEL_FIELD(OEMCUIPPARAM, cDrvOptItems, 40, 80);
VARNEL_FIELD(OEMCUIPPARAM, pOEMOptItems, 44, 88);
VARNEL_FIELD(OEMCUIPPARAM, cOEMOptItems, 48, 96);
VARNEL_FIELD(OEMCUIPPARAM, OEMCUIPCallback, 56, 112);
VARNEL_LAYOUT(OEMUIPSPARAM, 44, 88);
VARNEL_FIELD(OEMUIPSPARAM, hPrinter, 8, 16);
VARNEL_FIELD(OEMUIPSPARAM, pPrinterName, 12, 24);
VARNEL_FIELD(OEMUIPSPARAM, pOEMDM, 28, 56);
VARNEL_FIELD(OEMUIPSPARAM, dwFlags, 36, 72);
VARNEL_FIELD(OEMUIPSPARAM, pOemEntry, 40, 80);
VARNEL_LAYOUT(PROPSHEETUI_INFO, 28, 48);
VARNEL_FIELD(PROPSHEETUI_INFO, Reason, 6, 6);
VARNEL_FIELD(PROPSHEETUI_INFO, hComPropSheet, 8, 8);
VARNEL_FIELD(PROPSHEETUI_INFO, pfnComPropSheet, 12, 16);
VARNEL_FIELD(PROPSHEETUI_INFO, lParamInit, 16, 24);
VARNEL_FIELD(PROPSHEETUI_INFO, Result, 24, 40);
VARNEL_LAYOUT(PROPSHEETUI_INFO_HEADER, 20, 40);
VARNEL_FIELD(PROPSHEETUI_INFO_HEADER, pTitle, 4, 8);
VARNEL_LAYOUT(SETRESULT_INFO, 12, 24);
VARNEL_FIELD(SETRESULT_INFO, Result, 8, 16);
VARNEL_LAYOUT(PROPSHEETPAGEW_V3, 52, 96);
VARNEL_FIELD(PROPSHEETPAGEW_V3, hActCtx, 48, 88);
#undef VARNEL_LAYOUT
#undef VARNEL_FIELD
