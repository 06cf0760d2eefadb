#pragma once
// The modal job operation dialog: edits a copy of one job point's block. The copy changes
// only when the dialog ends with OK; the page then writes it into the record.

#include "plugin/frame/dialog.h"
#include "plugin/pages/operation_form.h"

namespace varnel::plugin {

class OperationDialog final : public ModalDialog {
 public:
  OperationDialog(JobPoint point, const JobOperation& copy) : point_(point), copy_(copy) {}

  // Runs the dialog modally, owned by `owner`; true when it ended with OK.
  bool Run(HWND owner);
  const JobOperation& copy() const { return copy_; }

 protected:
  INT_PTR OnInit() override;
  bool OnCommand(int id, int code) override;

 private:
  void FillLists() const;
  void ShowForm(const OperationForm& form);
  void ShowEnables(const OperationEnables& enables) const;
  OperationForm ReadForm() const;
  // The spin of a number box follows what is typed, up to its largest value.
  void FollowNumberBox(int edit, int spin, unsigned max);
  void OnOk();

  JobPoint point_;
  JobOperation copy_;
  bool filling_ = false;  // set while the dialog fills its own controls
};

}  // namespace varnel::plugin
