#pragma once

#include <termios.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvik::device {

// The register's serial port: opened exclusively, raw, 115200 baud 8E2 with parity checking,
// no flow control, DTR and RTS raised. All termios handling of the program lives here.

class SerialPort {
  public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the COM name's device and configures the line. On failure returns false and puts
    // the system's reason (with the remedy for a missing permission) into *reason.
    bool Open(const std::string& comName, std::string* reason);
    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // Changes the line rate; 57600 is the log-in's fall-back.
    void SetBaudRate(int baud);
    // Raises or drops the DTR line.
    void SetDtr(bool on);
    // Discards what is waiting in both directions.
    void Purge();
    // Writes the whole buffer, waiting while the driver's queue is full. False on an error or
    // when the driver takes nothing for a long time (the device is gone).
    bool Write(std::span<const std::uint8_t> bytes);
    // Drops DTR, purges, restores the settings found at open, releases exclusivity and closes.
    void Close();

  private:
    int m_fd = -1;
    termios m_savedSettings{};
};

// The system's reason why the device at path could not be opened (err is its errno), as it
// follows message 3012: with the remedy on a line of its own for a missing permission, and a
// note for a port held by another program.
std::string DescribeOpenError(int err, const std::string& path);

// Maps a termios rate constant to baud and back (0 where unknown).
int BaudFromSpeed(speed_t speed);

}  // namespace orvik::device
