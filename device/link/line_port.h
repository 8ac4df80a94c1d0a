#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "device/link/protocol_trace.h"

namespace orvik::device {

// The line settings as the driver (or the network server) reports them.
struct LineSettings {
    int baud = 0;  // 0 for a rate this program does not use
    int dataBits = 8;
    char parity = 'N';  // 'N', 'E' or 'O'
    int stopBits = 1;
};

// "115200 baud, 8 data bits, even parity, 2 stop bits".
std::string DescribeLineSettings(const LineSettings& settings);

// The register's line as the core and the receiver use it, whether the register is cabled to
// this computer (a serial port) or reached over the network (a ser2net server speaking RFC
// 2217). Opening differs by kind; everything after the open goes through this interface.
class LinePort {
  public:
    virtual ~LinePort() = default;

    virtual bool IsOpen() const = 0;
    // The descriptor the receiver waits on for input.
    virtual int Fd() const = 0;
    // Reads what has arrived, as read(2) does: the count of register bytes, 0 at the end of
    // the line, -1 with errno set (EAGAIN: nothing for the register yet, which also follows
    // bytes the link consumed itself).
    virtual ssize_t Read(std::span<std::uint8_t> into) = 0;
    // Whether Read has register bytes in hand that no poll of Fd() would announce.
    virtual bool HasPending() const { return false; }
    // Writes the whole buffer, waiting while the line is busy. False on an error or when the
    // line takes nothing for a long time (the device is gone).
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    // Changes the line rate; 57600 is the log-in's fall-back. False with the reason (or the
    // setting that was not taken) in *reason.
    virtual bool SetBaudRate(int baud, std::string* reason = nullptr) = 0;
    // Raises or drops the DTR line. A line without modem lines counts as done.
    virtual bool SetDtr(bool on, std::string* reason = nullptr) = 0;
    // Discards what is waiting in both directions.
    virtual bool Purge(std::string* reason = nullptr) = 0;
    // The settings the line holds now; nothing when it does not say.
    virtual std::optional<LineSettings> ReadLineSettings() const = 0;
    // Whether the driver granted low-latency mode at open.
    virtual bool LowLatency() const { return false; }
    // The simulated register's line: a pseudo-terminal, which keeps no parity.
    virtual bool IsPseudoTerminal() const { return false; }
    // The receiver reads the line from now on (true) or no longer (false): a link that waits
    // for answers of its own then leaves the reading to it.
    virtual void SetReceiverRunning(bool /*running*/) {}
    // Written frames, the wake-up byte, rate and DTR changes go to the trace while it is open.
    virtual void SetTrace(ProtocolTrace* trace) = 0;
    // What was opened: a device path, or the network address.
    virtual const std::string& Path() const = 0;
    // The error number of the system call whose refusal made the last open or write fail; 0
    // when none did.
    virtual int LastError() const = 0;
    // Drops DTR, purges, restores what was changed and closes.
    virtual void Close() = 0;
};

}  // namespace orvik::device
