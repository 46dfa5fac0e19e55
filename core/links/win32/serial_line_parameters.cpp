#include "core/links/win32/serial_line_parameters.h"

namespace kyz {

void set_line_parameters(DCB& dcb) {
  dcb.DCBlength = sizeof(DCB);  // 28
  dcb.BaudRate = 38400;
  dcb.ByteSize = 8;
  dcb.Parity = EVENPARITY;     // 2
  dcb.StopBits = ONESTOPBIT;   // 0
  dcb.fBinary = 1;
  dcb.fParity = 0;             // even parity is sent, received parity is not checked
  dcb.fOutxCtsFlow = 1;
  dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;  // 2
  dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;  // 2
  dcb.fOutX = 1;
  dcb.fInX = 1;
  dcb.XonChar = 0x11;
  dcb.XoffChar = 0x13;
  dcb.XonLim = 512;
  dcb.XoffLim = 512;
}

}  // namespace kyz
