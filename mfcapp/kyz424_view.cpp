#include "mfcapp/kyz424_view.h"

#include "core/settings/settings_record.h"
#include "core/ui/win32/text_encoding.h"
#include "dialogs/dpi_scaling.h"
#include "dialogs/front_panel.h"
#include "mfcapp/kyz424_resource_ids.h"
#include "mfcapp/settings_sheet.h"

namespace kyz::mfc {

void CKYZ424View::OnDraw(HDC dc) {
  paint_front_panel(dc, settings.data_file_path, PanelShapes::filled_with_outlined_feet, window_dpi(m_hWnd));
}

bool CKYZ424View::OnCommand(UINT id) {
  if (id != ID_KYZ_SETTINGS) return false;
  CMyPropertySheet sheet(m_pFrame);
  sheet.SetTitle(L"File Name " + utf8_to_wide(settings.data_file_path));
  sheet.DoModal();
  return true;
}

}  // namespace kyz::mfc
