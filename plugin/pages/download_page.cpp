#include "plugin/pages/download_page.h"

#include <cstdio>

#include "common/os/win32/wide.h"
#include "plugin/frame/module.h"
#include "plugin/logo/win32_preview.h"
#include "resource.h"

namespace varnel::plugin {

namespace {

constexpr int kTypeButtons[] = {IDC_DL_ORIGINAL, IDC_DL_TRANSFORMATION, IDC_DL_GRAY};
constexpr int kMethodButtons[] = {IDC_DL_HALFTONE_NONE, IDC_DL_DITHER_M3, IDC_DL_DITHER_M4, IDC_DL_ERROR_DIFFUSE};
constexpr int kToneRange = 100;

std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
  return length > 0 && length <= MAX_PATH ? win32::Narrow(buffer) : std::string();
}

}  // namespace

DownloadPage::DownloadPage(HWND window)
    : DevicePage(window), library_(ModuleActivationContext()), chooser_(window) {}

INT_PTR DownloadPage::OnInit() {
  const OEMCUIPPARAM* params = sheet().common_params;
  model_ = std::make_unique<DownloadModel>(files_, spooler_, params ? params->hPrinter : nullptr, library_,
                                           TempFolder());
  SendMessageW(Item(IDC_DL_FILE_PATH), EM_SETREADONLY, TRUE, 0);
  EnableItem(IDC_DL_BROWSE, true);
  EnableItem(IDC_DL_DOWNLOAD_FILE, false);

  const HWND list = Item(IDC_DL_LOGO_LIST);
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  const struct {
    const wchar_t* title;
    int width;
  } columns[] = {{L"ID", 30}, {L"Name", 150}, {L"Path", 300}};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(columns[i].title);
    column.cx = columns[i].width;
    column.iSubItem = i;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
  }
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);

  Check(IDC_DL_ORIGINAL, true);
  Check(IDC_DL_HALFTONE_NONE, true);
  model_->ChooseType(PreviewType::kOriginal, false);
  for (int id : {IDC_DL_CONTRAST, IDC_DL_BRIGHTNESS}) {
    SendMessageW(Item(id), TBM_SETRANGEMIN, FALSE, -kToneRange);
    SendMessageW(Item(id), TBM_SETRANGEMAX, TRUE, kToneRange);
    SendMessageW(Item(id), TBM_SETPAGESIZE, 0, 20);
    SendMessageW(Item(id), TBM_SETLINESIZE, 0, 1);
  }
  SetTrackbar(IDC_DL_CONTRAST, IDC_DL_CONTRAST_VALUE, 0);
  SetTrackbar(IDC_DL_BRIGHTNESS, IDC_DL_BRIGHTNESS_VALUE, 0);
  EnableItem(IDC_DL_DOWNLOAD_ALL, false);
  return TRUE;
}

bool DownloadPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDC_DL_BROWSE: OnBrowse(); return true;
    case IDC_DL_DOWNLOAD_FILE: OnDownloadFile(); return true;
    case IDC_DL_ADD: OnAdd(); return true;
    case IDC_DL_DELETE: OnDelete(); return true;
    case IDC_DL_DOWNLOAD_ALL: OnDownloadAll(); return true;
    case IDC_DL_CLEAR_LOGOS: model_->ClearLogos(); return true;
    case IDC_DL_ORIGINAL: OnType(PreviewType::kOriginal); return true;
    case IDC_DL_TRANSFORMATION: OnType(PreviewType::kTransformation); return true;
    case IDC_DL_GRAY: OnType(PreviewType::kGray); return true;
    case IDC_DL_HALFTONE_NONE: OnMethod(0); return true;
    case IDC_DL_DITHER_M3: OnMethod(1); return true;
    case IDC_DL_DITHER_M4: OnMethod(2); return true;
    case IDC_DL_ERROR_DIFFUSE: OnMethod(3); return true;
    default: return false;
  }
}

bool DownloadPage::OnMessage(UINT message, WPARAM wparam, LPARAM lparam, INT_PTR& result) {
  if (message == WM_HSCROLL && LOWORD(wparam) <= TB_BOTTOM) {
    OnTrackbarScroll();
    return true;
  }
  if (message == WM_PAINT) {
    OnPaint();
    return true;
  }
  return false;
}

bool DownloadPage::OnControlNotify(NMHDR& header, LRESULT& result) {
  if (header.idFrom == IDC_DL_LOGO_LIST && header.code == LVN_ITEMCHANGED) {
    if (!filling_) Refresh();
    return true;
  }
  if (header.idFrom == IDC_DL_LOGO_LIST && header.code == NM_CLICK) {
    OnListClicked();
    return true;
  }
  if ((header.idFrom == IDC_DL_CONTRAST || header.idFrom == IDC_DL_BRIGHTNESS) &&
      header.code == NM_RELEASEDCAPTURE) {
    OnTrackbarReleased(int(header.idFrom));
    return true;
  }
  return false;
}

bool DownloadPage::OnApply() {
  ReportApplied();
  model_->RemoveConvertedFiles();
  return true;
}

bool DownloadPage::OnQueryCancel() {
  model_->RemoveConvertedFiles();
  return true;  // handled; the answer (0) allows the cancel
}

void DownloadPage::OnBrowse() {
  std::string path, name;
  if (!chooser_.Choose(FirmwareChoice(), path, name)) return;
  SetItemText(IDC_DL_FILE_PATH, win32::Widen(path).c_str());
  EnableItem(IDC_DL_DOWNLOAD_FILE, true);
}

void DownloadPage::OnDownloadFile() {
  if (const auto message = model_->DownloadFile(win32::Narrow(ItemText(IDC_DL_FILE_PATH)))) Show(*message);
}

void DownloadPage::OnAdd() {
  const auto message = model_->Add(chooser_);
  FillList(true);
  if (message) Show(*message);
  SetFocus(Item(IDC_DL_LOGO_LIST));
  EnableTypeButtons(SelectedLogo() >= 0);
  Refresh(true);
}

void DownloadPage::OnDelete() {
  const int selected = SelectedLogo();
  if (selected < 0) return;
  model_->Delete(size_t(selected));
  FillList(false);
  EnableTypeButtons(SelectedLogo() >= 0);
  Refresh(true);
}

void DownloadPage::OnType(PreviewType type) {
  const bool selected = SelectedLogo() >= 0;
  if (type == PreviewType::kOriginal) EnableItem(IDC_DL_DOWNLOAD_ALL, false);
  model_->ChooseType(type, selected);
  if (type != PreviewType::kOriginal && !model_->logos().empty()) EnableItem(IDC_DL_DOWNLOAD_ALL, true);
  if (selected) {
    SetTrackbar(IDC_DL_CONTRAST, IDC_DL_CONTRAST_VALUE, 0);
    SetTrackbar(IDC_DL_BRIGHTNESS, IDC_DL_BRIGHTNESS_VALUE, 0);
    const uint32_t method = type == PreviewType::kTransformation ? 1 : 0;
    for (uint32_t m = 0; m < 4; ++m) Check(kMethodButtons[m], m == method);
  }
  Refresh();
}

void DownloadPage::OnMethod(uint32_t method) {
  const int selected = SelectedLogo();
  if (selected >= 0) model_->SetMethod(size_t(selected), method);
  Refresh();
}

void DownloadPage::OnDownloadAll() {
  if (const auto message = model_->DownloadAll()) Show(*message);
}

void DownloadPage::OnTrackbarScroll() {
  const int selected = SelectedLogo();
  if (selected < 0) return;
  const int32_t contrast = TrackbarValue(IDC_DL_CONTRAST), brightness = TrackbarValue(IDC_DL_BRIGHTNESS);
  SetTrackbar(IDC_DL_CONTRAST, IDC_DL_CONTRAST_VALUE, contrast);
  SetTrackbar(IDC_DL_BRIGHTNESS, IDC_DL_BRIGHTNESS_VALUE, brightness);
  model_->SetTones(size_t(selected), contrast, brightness);
  Refresh();
}

void DownloadPage::OnTrackbarReleased(int id) {
  const int selected = SelectedLogo();
  if (selected < 0) return;
  const LogoEntry entry = model_->settings().entries[size_t(selected)];
  const int32_t value = TrackbarValue(id);
  if (id == IDC_DL_CONTRAST) {
    SetTrackbar(id, IDC_DL_CONTRAST_VALUE, value);
    model_->SetTones(size_t(selected), value, entry.brightness);
  } else {
    SetTrackbar(id, IDC_DL_BRIGHTNESS_VALUE, value);
    model_->SetTones(size_t(selected), entry.contrast, value);
  }
  MarkChanged();
  Refresh();
}

void DownloadPage::OnListClicked() {
  Refresh();
  const int selected = SelectedLogo();
  EnableTypeButtons(selected >= 0);
  if (selected < 0) return;
  const LogoEntry entry = model_->settings().entries[size_t(selected)];
  SetTrackbar(IDC_DL_CONTRAST, IDC_DL_CONTRAST_VALUE, entry.contrast);
  SetTrackbar(IDC_DL_BRIGHTNESS, IDC_DL_BRIGHTNESS_VALUE, entry.brightness);
  for (uint32_t m = 0; m < 4; ++m) Check(kMethodButtons[m], m == entry.method);
}

void DownloadPage::OnPaint() {
  PAINTSTRUCT paint;
  BeginPaint(window(), &paint);
  EndPaint(window(), &paint);
  const HWND frame = Item(IDC_DL_PREVIEW);
  if (SelectedLogo() < 0 || !preview_) {
    RECT client{};
    GetClientRect(frame, &client);
    HDC dc = GetDC(frame);
    FillRect(dc, &client, GetSysColorBrush(COLOR_HIGHLIGHTTEXT));
    ReleaseDC(frame, dc);
    return;
  }
  win32::DrawBitmapFile(*preview_, frame);
}

int DownloadPage::SelectedLogo() const {
  return int(SendMessageW(Item(IDC_DL_LOGO_LIST), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
}

void DownloadPage::FillList(bool keepSelection) {
  const HWND list = Item(IDC_DL_LOGO_LIST);
  const int selected = keepSelection ? SelectedLogo() : -1;
  filling_ = true;
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  const auto& logos = model_->logos();
  for (size_t i = 0; i < logos.size(); ++i) {
    const std::wstring texts[] = {std::to_wstring(i + 1), win32::Widen(logos[i].name), win32::Widen(logos[i].path)};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = int(i);
    item.pszText = const_cast<wchar_t*>(texts[0].c_str());
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    for (int sub = 1; sub < 3; ++sub) {
      item.iSubItem = sub;
      item.pszText = const_cast<wchar_t*>(texts[sub].c_str());
      SendMessageW(list, LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
    }
  }
  if (selected >= 0 && size_t(selected) < logos.size()) {
    LVITEMW state{};
    state.stateMask = state.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, selected, reinterpret_cast<LPARAM>(&state));
  }
  filling_ = false;
}

void DownloadPage::EnableTypeButtons(bool enable) {
  for (int id : kTypeButtons) EnableItem(id, enable);
}

void DownloadPage::SetTrackbar(int id, int valueId, int32_t value) {
  SendMessageW(Item(id), TBM_SETPOS, TRUE, value);
  wchar_t text[16];
  swprintf(text, 16, L"%d", int(value));
  SetItemText(valueId, text);
}

int32_t DownloadPage::TrackbarValue(int id) const { return int32_t(SendMessageW(Item(id), TBM_GETPOS, 0, 0)); }

void DownloadPage::Refresh(bool force) {
  const int selected = SelectedLogo();
  std::string key;
  if (selected >= 0) {
    const LogoEntry& entry = model_->settings().entries[size_t(selected)];
    key = model_->logos()[size_t(selected)].path + "|" + std::to_string(int(model_->type())) + "|" +
          std::to_string(entry.method) + "|" + std::to_string(entry.contrast) + "|" + std::to_string(entry.brightness);
  }
  if (force || key != shownKey_) {
    shownKey_ = key;
    preview_.reset();
    if (selected >= 0) {
      const PreviewPlan plan = model_->Preview(size_t(selected));
      for (int id : kMethodButtons) EnableItem(id, plan.halftoneEnabled);
      EnableItem(IDC_DL_CONTRAST, plan.tonesEnabled);
      EnableItem(IDC_DL_BRIGHTNESS, plan.tonesEnabled);
      preview_ = plan.draw;
      if (plan.message) Show(*plan.message);
    }
  }
  InvalidateRect(window(), nullptr, FALSE);
}

void DownloadPage::Show(DownloadMessage message) const {
  const MessageText text = TextOf(message);
  Message(win32::Widen(text.text).c_str(), win32::Widen(text.caption).c_str(),
          MB_OK | (text.errorIcon ? MB_ICONERROR : 0));
}

}  // namespace varnel::plugin
