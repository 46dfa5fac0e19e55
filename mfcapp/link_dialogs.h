// kyz424's dialogs of the settings menu that are not property pages: the interface,
// the COM port, the TCP/IP client, the version and the read-back notice.
#pragma once

#include "core/settings/configuration.h"
#include "framework/framework.h"

namespace kyz::mfc {

// "インターフェイスの設定": OK stores and writes "Interface"; choosing RS-232C opens the
// port and starts its reader at once when the port is not open yet.
class CInterfaceDialog final : public CDialog {
 public:
  explicit CInterfaceDialog(CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};

// "RS-232Cの設定": OK stores the port, reopens it with its reader, then writes "com_port".
class CSerialPortDialog final : public CDialog {
 public:
  explicit CSerialPortDialog(CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
};

// "TCP/IPの設定": the host list, the port, "接続" and "切断" of the client socket.
class CTcpIpDialog final : public CDialog {
 public:
  explicit CTcpIpDialog(CWnd* parent);

 protected:
  BOOL OnInitDialog() override;
  bool OnCommand(UINT id, UINT notification) override;
  void OnOK() override;

 private:
  void AddHost();
  void DeleteHost();
  void ChooseHost();
  void ShowAddress(const HostAddress& host);
};

// A dialog that only shows its template and closes: the version information, and the
// read-back notice (which registers as the socket's receiver while it is open).
class CNoticeDialog final : public CDialog {
 public:
  CNoticeDialog(UINT template_id, CWnd* parent, int receiver_kind = 0)
      : CDialog(template_id, parent), receiver_kind_(receiver_kind) {}

 protected:
  BOOL OnInitDialog() override;

 private:
  int receiver_kind_;
};

}  // namespace kyz::mfc
