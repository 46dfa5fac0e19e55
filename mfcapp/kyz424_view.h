// The document and the view of kyz424: the document is empty (the settings record is
// process-wide); the view paints the front panel and opens the settings sheet.
#pragma once

#include "framework/framework.h"

namespace kyz::mfc {

class CKYZ424Doc final : public CDocument {};

class CKYZ424View final : public CView {
 protected:
  void OnDraw(HDC dc) override;
  bool OnCommand(UINT id) override;
};

}  // namespace kyz::mfc
