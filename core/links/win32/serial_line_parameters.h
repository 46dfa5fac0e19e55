// The sign's line as both the programs and kyz424ctl.exe set it on a COM port: 38400
// baud, 8 data bits, even parity, one stop bit, RTS/CTS, DTR and XON/XOFF handshake.
#pragma once

#include <windows.h>

namespace kyz {

// Writes the line parameters into the device control block the port reported; every
// other field keeps its value.
void set_line_parameters(DCB& dcb);

}  // namespace kyz
