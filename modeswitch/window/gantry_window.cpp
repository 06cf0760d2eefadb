#include "modeswitch/window/gantry_window.h"

#include <iterator>

#include "common/os/win32/wide.h"
#include "modeswitch/win32/win32_printer_library.h"
#include "modeswitch/window/about_box.h"
#include "resources/gantry/gantry_ids.h"

namespace varnel::gantry {

namespace {

using modeswitch::Personality;

constexpr wchar_t kProgramName[] = L"Gantry";
constexpr COLORREF kTitleColour = RGB(0, 0, 180);
constexpr COLORREF kLabelColour = RGB(0, 0, 255);
constexpr LONG kTitleHeight = 20;
constexpr LONG kLabelHeight = 16;
// The information box is emptied as characters 0 to 65535.
constexpr LPARAM kClearedLength = 65535;

struct ButtonLook {
  int id;
  int icon;
};
constexpr ButtonLook kButtonLooks[] = {
    {IDOK, IDI_EXIT},
    {IDC_CLEAR, IDI_CLEAR},
    {IDC_GET_ONLINE, IDI_GET_ONLINE},
    {IDC_PRINTER_MODE, IDI_PRINTER_MODE},
    {IDC_API_MODE, IDI_API_MODE},
    {IDC_ABOUT, IDI_ABOUT},
};

int ListId(Personality listed) { return listed == Personality::kPrinterMode ? IDC_PRINTER_MODE_LIST : IDC_API_MODE_LIST; }
// The button that switches printers to the target personality.
int SwitchId(Personality target) { return target == Personality::kApiMode ? IDC_API_MODE : IDC_PRINTER_MODE; }

HFONT DerivedGuiFont(LONG height, bool title) {
  LOGFONTW font{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  font.lfHeight = height;
  if (title) {
    font.lfWeight = FW_BOLD;
    font.lfItalic = TRUE;
  }
  return CreateFontIndirectW(&font);
}

}  // namespace

void GantryWindow::Show() { Run(nullptr, GetModuleHandleW(nullptr), IDD_GANTRY); }

INT_PTR GantryWindow::OnInit() {
  AddAboutItem();
  SetLook();
  switcher_.Initialise(win32::LoadPrinterLibrary(modeswitch::kLibraryFileName));
  return TRUE;
}

bool GantryWindow::OnCommand(int id, int code) {
  if (code == BN_CLICKED) OnButton(id);
  return true;
}

bool GantryWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) != IDM_ABOUT) return false;
      ShowAbout();
      result = TRUE;
      return true;
    case WM_CTLCOLORSTATIC:
      result = OnStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      return true;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_DESTROY:
      OnDestroy();
      return false;
  }
  return false;
}

void GantryWindow::OnButton(int id) {
  switch (id) {
    case IDC_ABOUT: ShowAbout(); break;
    case IDC_API_MODE: switcher_.SwitchToApiMode(); break;
    case IDC_PRINTER_MODE: switcher_.SwitchToPrinterMode(); break;
    case IDC_GET_ONLINE: switcher_.Refresh(); break;
    case IDC_CLEAR: ClearInformation(); break;
    case IDOK:
    case IDCANCEL: End(id); break;
  }
}

INT_PTR GantryWindow::OnStaticColour(HDC dc, HWND control) {
  const int id = GetDlgCtrlID(control);
  if (id != IDC_TITLE && id != IDC_PRINTER_MODE_LABEL && id != IDC_API_MODE_LABEL) return FALSE;
  SetTextColor(dc, id == IDC_TITLE ? kTitleColour : kLabelColour);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
}

void GantryWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  for (const FlatButton& button : buttons_) {
    if (button.handle() == item.hwndItem) button.Draw(item);
  }
}

void GantryWindow::OnDestroy() {
  if (titleFont_) DeleteObject(titleFont_);
  if (labelFont_) DeleteObject(labelFont_);
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  titleFont_ = labelFont_ = nullptr;
  bigIcon_ = smallIcon_ = nullptr;
}

void GantryWindow::AddAboutItem() {
  HMENU menu = GetSystemMenu(window(), FALSE);
  wchar_t item[64] = {};
  if (!menu || !LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUT_ITEM, item, static_cast<int>(std::size(item)))) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, IDM_ABOUT, item);
}

void GantryWindow::SetLook() {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  bigIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_GANTRY), IMAGE_ICON,
                                           GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
  smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_GANTRY), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  SendMessageW(window(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
  SendMessageW(window(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));

  titleFont_ = DerivedGuiFont(kTitleHeight, true);
  labelFont_ = DerivedGuiFont(kLabelHeight, false);
  SendMessageW(Item(IDC_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), TRUE);
  SendMessageW(Item(IDC_PRINTER_MODE_LABEL), WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);
  SendMessageW(Item(IDC_API_MODE_LABEL), WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);

  for (size_t i = 0; i < std::size(kButtonLooks); ++i) {
    buttons_[i].Attach(window(), kButtonLooks[i].id, kButtonLooks[i].icon, IDC_FLAT_BUTTON_CURSOR);
  }
}

void GantryWindow::ClearInformation() {
  HWND box = Item(IDC_INFORMATION);
  SendMessageW(box, EM_SETSEL, 0, kClearedLength);
  SendMessageW(box, WM_CLEAR, 0, 0);
}

void GantryWindow::ShowAbout() {
  AboutBox about;
  about.Show(window());
}

void GantryWindow::WriteLine(const std::string& text) {
  // Inserted at the start of the box's last line, which is where the previous line ended.
  HWND box = Item(IDC_INFORMATION);
  const LRESULT lastLine = SendMessageW(box, EM_GETLINECOUNT, 0, 0) - 1;
  const LRESULT start = SendMessageW(box, EM_LINEINDEX, lastLine, 0);
  SendMessageW(box, EM_SETSEL, start, start);
  const std::wstring line = win32::Widen(text + "\r\n");
  SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void GantryWindow::ShowMessage(const std::string& text) {
  MessageBoxW(window(), win32::Widen(text).c_str(), kProgramName, MB_OK);
}

void GantryWindow::ShowList(Personality listed, const std::vector<std::string>& entries) {
  HWND list = Item(ListId(listed));
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) {
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::Widen(entry).c_str()));
  }
  SendMessageW(list, CB_SETCURSEL, 0, 0);
}

int GantryWindow::SelectedEntry(Personality listed) {
  const LRESULT selected = SendMessageW(Item(ListId(listed)), CB_GETCURSEL, 0, 0);
  return selected == CB_ERR ? -1 : static_cast<int>(selected);
}

void GantryWindow::EnableSwitch(Personality target, bool enabled) { EnableWindow(Item(SwitchId(target)), enabled); }

void GantryWindow::Pause(uint32_t ms) { Sleep(ms); }

}  // namespace varnel::gantry
