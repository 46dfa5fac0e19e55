// The line parameters and timeouts the serial link sets on the COM port. A pseudo-
// terminal ignores most of them (parity, DTR/RTS handshake, XON/XOFF limits), so the
// link tests on one cannot see a wrong value; the sign on a real port would.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "core/links/win32/serial_link.h"

namespace kyz {
namespace {

// The device control block as the port might report it: every bit set, or none.
DCB reported_block(unsigned char fill) {
  DCB dcb;
  std::memset(&dcb, fill, sizeof dcb);
  return dcb;
}

TEST(SerialPortSettings, LineIs38400BaudEvenParityWithBothHandshakesAndTheRestKept) {
  for (unsigned char fill : {0x00, 0xFF}) {
    const DCB before = reported_block(fill);
    DCB dcb = before;
    set_line_parameters(dcb);

    // 38400 baud, 8 data bits, even parity sent but not checked, 1 stop bit; output waits
    // for CTS, DTR and RTS handshake, XON/XOFF both ways with DC1/DC3 at 512 bytes.
    DCB expected = before;
    expected.DCBlength = 28;
    expected.BaudRate = 38400;
    expected.ByteSize = 8;
    expected.Parity = 2;
    expected.StopBits = 0;
    expected.fBinary = 1;
    expected.fParity = 0;
    expected.fOutxCtsFlow = 1;
    expected.fDtrControl = 2;
    expected.fRtsControl = 2;
    expected.fOutX = 1;
    expected.fInX = 1;
    expected.XonChar = 0x11;
    expected.XoffChar = 0x13;
    expected.XonLim = 512;
    expected.XoffLim = 512;
    EXPECT_EQ(std::memcmp(&dcb, &expected, sizeof dcb), 0) << "fill " << int{fill};
    // Fields the line does not name keep what the port reported.
    EXPECT_EQ(dcb.fOutxDsrFlow, before.fOutxDsrFlow);
    EXPECT_EQ(dcb.fAbortOnError, before.fAbortOnError);
    EXPECT_EQ(dcb.ErrorChar, before.ErrorChar);
    EXPECT_EQ(dcb.EofChar, before.EofChar);
  }
}

TEST(SerialPortSettings, ReadsReturnAtOnceAndWritesGiveUpAfterOneSecond) {
  const COMMTIMEOUTS t = serial_timeouts();
  EXPECT_EQ(t.ReadIntervalTimeout, 0xFFFFFFFFu);
  EXPECT_EQ(t.ReadTotalTimeoutMultiplier, 0u);
  EXPECT_EQ(t.ReadTotalTimeoutConstant, 0u);
  EXPECT_EQ(t.WriteTotalTimeoutMultiplier, 0u);
  EXPECT_EQ(t.WriteTotalTimeoutConstant, 1000u);
}

}  // namespace
}  // namespace kyz
