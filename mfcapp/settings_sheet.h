// "KYZの設定": the modal property sheet of kyz424, one page per settings group in the
// order of the sheet. Every edit goes into the settings record at once, so the sheet's
// one button, OK, and its close box both keep all edits.
#pragma once

#include "framework/framework.h"

namespace kyz::mfc {

class CMyPropertySheet final : public CPropertySheet {
 public:
  explicit CMyPropertySheet(CWnd* parent);

 protected:
  void OnInitSheet() override;
};

}  // namespace kyz::mfc
