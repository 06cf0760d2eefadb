#pragma once
// The protocol every page of the plug-in's sheets follows:
// - at WM_INITDIALOG the page parameter (the sheet context) goes into the dialog's user
//   data (DWLP_USER), and is read back from there for every later message; a message
//   before it is not handled;
// - document pages write each change into the record at once and send PSM_CHANGED;
// - on PSN_APPLY the page reports CPSUI_OK through the sheet callback with the context's
//   page handle, and a document page then sends PSM_UNCHANGED;
// - PSN_SETACTIVE and PSN_KILLACTIVE are accepted unless the page says more.
// The page object itself is created at WM_INITDIALOG and lives in a window property until
// the window is destroyed.

#include <new>
#include <type_traits>

#include "plugin/frame/dialog.h"
#include "plugin/frame/sheet_context.h"
#include "plugin/record/private_settings.h"

namespace varnel::plugin {

class SheetPage : public Dialog {
 public:
  using Dialog::Dialog;

 protected:
  // The notifications of the sheet; each returns the dialog procedure's answer.
  virtual bool OnApply() = 0;
  virtual bool OnSetActive() { return true; }
  virtual bool OnKillActive() { return true; }
  virtual bool OnQueryCancel() { return false; }
  // Other notifications (from the page's own controls); true when handled.
  virtual bool OnControlNotify(NMHDR& header, LRESULT& result) { return false; }

  void MarkChanged() const { SendMessageW(GetParent(window()), PSM_CHANGED, reinterpret_cast<WPARAM>(window()), 0); }
  void MarkUnchanged() const {
    SendMessageW(GetParent(window()), PSM_UNCHANGED, reinterpret_cast<WPARAM>(window()), 0);
  }
  // The page parameter kept in the dialog's user data.
  void* StoredContext() const { return reinterpret_cast<void*>(GetWindowLongPtrW(window(), DWLP_USER)); }

 private:
  bool OnNotify(NMHDR& header, LRESULT& result) final;
};

// A page of one sheet, with the protocol's apply answer.
template <typename Context>
class ContextPage : public SheetPage {
 public:
  using SheetPage::SheetPage;

 protected:
  Context& sheet() const { return *static_cast<Context*>(StoredContext()); }

  // Tells the common property sheet that this sheet's settings are accepted.
  void ReportApplied() const {
    const Context& context = sheet();
    if (context.callback != nullptr) {
      context.callback(context.common_sheet, CPSFUNC_SET_RESULT, reinterpret_cast<LPARAM>(context.page), CPSUI_OK);
    }
  }

  bool OnApply() override {
    ReportApplied();
    if constexpr (std::is_same_v<Context, DocumentSheetContext>) MarkUnchanged();
    return true;
  }
};

// A page of the document settings sheet; it edits the record under edit.
class DocumentPage : public ContextPage<DocumentSheetContext> {
 public:
  using ContextPage::ContextPage;

 protected:
  // The private settings record of the settings under edit (null when the driver gave none).
  PrivateSettings* settings() const {
    const OEMUIPSPARAM* params = sheet().document_params;
    return params != nullptr ? static_cast<PrivateSettings*>(params->pOEMDM) : nullptr;
  }
};

// A page of the printer properties sheet.
using DevicePage = ContextPage<DeviceSheetContext>;

// The window property that holds a page object.
inline constexpr wchar_t kPageProperty[] = L"VarnelPage";

// The dialog procedure of page class `Page` (constructible from its window).
template <typename Page>
INT_PTR CALLBACK PageProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lparam);
    if (description == nullptr || description->lParam == 0) return FALSE;
    SetWindowLongPtrW(window, DWLP_USER, description->lParam);
    Page* page = new (std::nothrow) Page(window);
    if (page == nullptr) return FALSE;
    SetPropW(window, kPageProperty, page);
    return page->Dispatch(message, wparam, lparam);
  }
  Page* page = static_cast<Page*>(GetPropW(window, kPageProperty));
  if (page == nullptr) return FALSE;
  const INT_PTR result = page->Dispatch(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    RemovePropW(window, kPageProperty);
    delete page;
  }
  return result;
}

}  // namespace varnel::plugin
