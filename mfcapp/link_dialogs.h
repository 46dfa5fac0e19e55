// kyz424's dialogs of the settings menu that are not property pages: the interface,
// the COM port, the TCP/IP client and the version.
#pragma once

#include <span>

#include "core/settings/configuration.h"
#include "framework/framework.h"

namespace kyz::mfc {

// A dialog of one drop-down list of fixed rows: it opens on the row `value` names, and OK
// hands the chosen row to `take`.
class CLinkChoiceDialog final : public CDialog {
 public:
  CLinkChoiceDialog(UINT template_id, CWnd* parent, int list_id,
                    std::span<const wchar_t* const> rows, int value, void (*take)(int row))
      : CDialog(template_id, parent), list_id_(list_id), rows_(rows), value_(value), take_(take) {}

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  int list_id_;
  std::span<const wchar_t* const> rows_;
  int value_;
  void (*take_)(int row);
};

// "インターフェイスの設定": OK stores and writes "Interface"; choosing RS-232C opens the
// port and starts its reader at once when the port is not open yet.
void run_interface_dialog(CWnd* parent);
// "RS-232Cの設定": OK stores the port, reopens it with its reader, then writes "com_port".
void run_serial_port_dialog(CWnd* parent);

// "TCP/IPの設定": the host list, the port, "接続" and "切断" of the client socket.
class CTcpIpDialog final : public CDialog {
 public:
  explicit CTcpIpDialog(CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(UINT id, UINT notification) override;
  void OnOK() override;

 private:
  void DeleteHost();
  void ChooseHost();
};

// A dialog that only shows its template and closes: the version information.
class CNoticeDialog final : public CDialog {
 public:
  CNoticeDialog(UINT template_id, CWnd* parent) : CDialog(template_id, parent) {}
};

}  // namespace kyz::mfc
