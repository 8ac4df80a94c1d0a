#pragma once

#include <termios.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "device/link/line_port.h"
#include "device/link/protocol_trace.h"

namespace orvik::device {

// The register's serial port: opened exclusively, raw, 115200 baud 8E2 with parity checking,
// no flow control, DTR and RTS raised. All termios handling of the program lives here.

class SerialPort final : public LinePort {
  public:
    SerialPort() = default;
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens the COM name's device and configures the line. On failure returns false and puts
    // the system's reason (with the remedy for a missing permission) into *reason. A name whose
    // entry lies in a ports folder that may not be used is refused with the folder's remedy.
    bool Open(const std::string& comName, std::string* reason);
    bool IsOpen() const override { return m_fd >= 0; }
    int Fd() const override { return m_fd; }

    // Changes the line rate; 57600 is the log-in's fall-back. False with the system's reason
    // (or the setting the driver did not take) in *reason.
    bool SetBaudRate(int baud, std::string* reason = nullptr) override;
    // Raises or drops the DTR line. A device without modem lines (a pseudo-terminal) counts as
    // done.
    bool SetDtr(bool on, std::string* reason = nullptr) override;
    // Discards what is waiting in both directions.
    bool Purge(std::string* reason = nullptr) override;
    // Writes the whole buffer, waiting while the driver's queue is full. False on an error or
    // when the driver takes nothing for a long time (the device is gone).
    bool Write(std::span<const std::uint8_t> bytes) override;
    ssize_t Read(std::span<std::uint8_t> into) override;
    // The settings the driver holds now; nothing when it does not say.
    std::optional<LineSettings> ReadLineSettings() const override;
    // Whether the driver granted low-latency mode at open.
    bool LowLatency() const override { return m_lowLatency; }
    // The simulated register's line: a pseudo-terminal, which keeps no parity.
    bool IsPseudoTerminal() const override;
    // Frames written, the wake-up byte, rate and DTR changes go to the trace while it is open
    // (nullptr: none).
    void SetTrace(ProtocolTrace* trace) override { m_trace = trace; }
    // The device path opened.
    const std::string& Path() const override { return m_path; }
    // The error number of the system call whose refusal made the last Open or Write fail; 0
    // when none did (a refused name, a setting the driver did not take, a stalled or hung-up
    // line) or the last one succeeded.
    int LastError() const override { return m_lastError; }
    // Drops DTR, purges, restores the settings found at open, releases exclusivity and closes.
    void Close() override;

  private:
    int m_fd = -1;
    std::string m_path;
    termios m_savedSettings{};
    bool m_lowLatency = false;
    ProtocolTrace* m_trace = nullptr;
    int m_lastError = 0;
};

// The system's reason why the device at path could not be opened (err is its errno), as it
// follows message 3012: with the remedy on a line of its own for a missing permission, and a
// note for a port held by another program.
std::string DescribeOpenError(int err, const std::string& path);

// Maps a termios rate constant to baud and back (0 where unknown).
int BaudFromSpeed(speed_t speed);

LineSettings LineSettingsOf(const termios& tio);
// What of the wanted settings the driver did not take ("even parity, 2 stop bits"), or empty.
// A pseudo-terminal is excused its parity: the kernel keeps none on it, and a request that
// would change nothing but the parity is taken as done. The one rule for opening a port and for
// the doctor's judgement of a line.
std::string RefusedLineSettings(const termios& wanted, const termios& taken, bool pseudoTerminal);
std::string RefusedLineSettings(const LineSettings& wanted, const LineSettings& taken,
                                bool pseudoTerminal);

}  // namespace orvik::device
