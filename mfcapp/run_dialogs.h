// kyz424's "全項目の設定" and "設定項目の読み込み": the dialogs that are nothing but a
// timed run, on kyz424lx's templates and its run logic, at this edition's pace.
#pragma once

#include "framework/framework.h"

namespace kyz::mfc {

// Runs the dialog of menu command `menu_id` modally; false when the command opens none.
bool run_timed_run_dialog(CWnd* parent, UINT menu_id);

}  // namespace kyz::mfc
