#include "device/link/serial_port.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "device/link/port_names.h"
#include "device/link/write_all.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::device {

namespace {

constexpr int kDefaultBaud = 115200;

speed_t SpeedFromBaud(int baud) {
    switch (baud) {
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        default:
            return B115200;
    }
}

void ConfigureLine(termios& tio, int baud) {
    cfmakeraw(&tio);
    // The driver keeps what the last program set: stick parity or a separate input rate left
    // behind would garble every byte.
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARODD | CMSPAR | CIBAUD | CRTSCTS);
    tio.c_cflag |= CS8 | PARENB | CSTOPB | CREAD | CLOCAL;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | IGNPAR | PARMRK);
    tio.c_iflag |= INPCK;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    cfsetispeed(&tio, SpeedFromBaud(baud));
    cfsetospeed(&tio, SpeedFromBaud(baud));
}

// The system's reason for the last failed call: "cannot WHAT PATH: reason".
std::string Failure(const std::string& what, const std::string& path, int err = errno) {
    return "cannot " + what + " " + path + ": " + std::strerror(err);
}

// A pseudo-terminal (the simulated register) has no line: the kernel keeps no parity on it.
bool IsPtySlave(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISCHR(st.st_mode) &&
           PseudoTerminalIndex(st.st_rdev).has_value();
}

// Applies the settings and reads them back: tcsetattr reports success when the driver took any
// one of them, so only the read-back tells whether the line really runs as asked.
bool ApplyLineSettings(int fd, const termios& wanted, const std::string& path,
                       std::string* reason) {
    const bool pty = IsPtySlave(fd);
    if (::tcsetattr(fd, TCSANOW, &wanted) != 0) {
        // The kernel keeps no parity on a pseudo-terminal and answers EINVAL when the parity is
        // all that a request would change, as on a line left at 8N2 by a console that was
        // killed. Without the parity there is nothing to refuse; anything else still fails.
        termios withoutParity = wanted;
        withoutParity.c_cflag &= ~static_cast<tcflag_t>(PARENB | PARODD | CMSPAR);
        if (!pty || errno != EINVAL || ::tcsetattr(fd, TCSANOW, &withoutParity) != 0) {
            *reason = Failure("apply the line settings to", path);
            return false;
        }
    }
    termios taken{};
    if (::tcgetattr(fd, &taken) != 0) {
        *reason = Failure("read back the line settings of", path);
        return false;
    }
    const std::string refused = RefusedLineSettings(wanted, taken, pty);
    if (!refused.empty()) {
        *reason = "the driver of " + path + " refused " + refused;
        return false;
    }
    return true;
}

// USB adapters hold received bytes for up to 16 ms unless asked for low latency. Best effort:
// true when the driver reports the mode on afterwards.
bool RequestLowLatency(int fd) {
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0) {
        return false;
    }
    if ((serial.flags & ASYNC_LOW_LATENCY) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        if (::ioctl(fd, TIOCSSERIAL, &serial) != 0 || ::ioctl(fd, TIOCGSERIAL, &serial) != 0) {
            return false;
        }
    }
    return (serial.flags & ASYNC_LOW_LATENCY) != 0;
}

// Modem lines: a device without them (a pseudo-terminal) says so with ENOTTY or EINVAL, which
// is no fault; any other refusal is.
bool SetModemLine(int fd, int line, bool on, const std::string& path, std::string* reason) {
    if (::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line) == 0 || errno == ENOTTY || errno == EINVAL) {
        return true;
    }
    if (reason) {
        *reason = Failure(
            std::string(on ? "raise " : "drop ") + (line == TIOCM_DTR ? "DTR on" : "RTS on"), path);
    }
    return false;
}

}  // namespace

std::string DescribeOpenError(int err, const std::string& path) {
    std::string reason = std::strerror(err);
    reason += " (" + path + ")";
    // A link left behind in the ports folder: say where it leads, which is what is missing.
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (err == ENOENT && !ec) {
        reason += ": " + support::ToUtf8(FormatMessage(kStrPortLinkTargetMissing,
                                                       {support::FromUtf8(target.string())}));
    }
    if (err == EACCES || err == EPERM) {
        reason += ".\n" + support::ToUtf8(LoadString(kStrPortAccessRemedy));
    } else if (err == EBUSY || err == EWOULDBLOCK) {
        reason += ".\n" + support::ToUtf8(LoadString(kStrPortBusy));
    }
    return reason;
}

int BaudFromSpeed(speed_t speed) {
    switch (speed) {
        case B57600:
            return 57600;
        case B115200:
            return 115200;
        case B9600:
            return 9600;
        case B19200:
            return 19200;
        case B38400:
            return 38400;
        default:
            return 0;
    }
}

SerialPort::~SerialPort() {
    Close();
}

bool SerialPort::Open(const std::string& comName, std::string* reason) {
    Close();
    m_lastError = 0;
    std::string ignored;
    if (!reason) {
        reason = &ignored;
    }
    if (const auto refusal = RefusedPortEntry(comName)) {
        *reason = refusal->Text();
        return false;
    }
    // A registers file may name the device itself.
    const std::string path = comName.starts_with('/') ? comName : ResolvePortPath(comName);
    if (path.empty()) {
        *reason = "\"" + comName + "\" is not a port name (COM1 to COM24).";
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_lastError = errno;
        *reason = DescribeOpenError(m_lastError, path);
        return false;
    }
    // From here on every step must work, or the port is not used: a line that runs with the
    // wrong framing would show only as a register that never answers.
    auto fail = [&](std::string why) {
        *reason = std::move(why);
        ::close(fd);
        return false;
    };
    // Exclusive use: no second open of the tty, and no other program holding the lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        m_lastError = err == EWOULDBLOCK ? EBUSY : err;
        return fail(DescribeOpenError(m_lastError, path));
    }
    termios saved{};
    if (::tcgetattr(fd, &saved) != 0) {
        m_lastError = errno;
        return fail(Failure("read the line settings of", path, m_lastError));
    }
    if (::ioctl(fd, TIOCEXCL) != 0) {
        m_lastError = errno;
        return fail(Failure("take exclusive use of", path, m_lastError));
    }
    termios tio = saved;
    ConfigureLine(tio, kDefaultBaud);
    if (::tcflush(fd, TCIOFLUSH) != 0) {
        m_lastError = errno;
        const std::string why = Failure("purge", path, m_lastError);
        ::ioctl(fd, TIOCNXCL);
        return fail(why);
    }
    std::string why;
    if (!ApplyLineSettings(fd, tio, path, &why) || !SetModemLine(fd, TIOCM_DTR, true, path, &why) ||
        !SetModemLine(fd, TIOCM_RTS, true, path, &why)) {
        ::tcsetattr(fd, TCSANOW, &saved);
        ::ioctl(fd, TIOCNXCL);
        return fail(why);
    }
    m_fd = fd;
    m_path = path;
    m_savedSettings = saved;
    m_lowLatency = RequestLowLatency(fd);
    if (m_trace) {
        m_trace->Note("open " + comName + " " + path + (m_lowLatency ? " low-latency" : ""));
        m_trace->Baud(kDefaultBaud);
        m_trace->Dtr(true);
    }
    return true;
}

bool SerialPort::SetBaudRate(int baud, std::string* reason) {
    std::string ignored;
    if (!reason) {
        reason = &ignored;
    }
    if (m_fd < 0) {
        *reason = "the port is not open";
        return false;
    }
    termios tio{};
    if (::tcgetattr(m_fd, &tio) != 0) {
        *reason = Failure("read the line settings of", m_path);
        return false;
    }
    if (m_trace) {
        m_trace->Baud(baud);
    }
    if (::cfsetispeed(&tio, SpeedFromBaud(baud)) != 0 ||
        ::cfsetospeed(&tio, SpeedFromBaud(baud)) != 0) {
        *reason = Failure("choose " + std::to_string(baud) + " baud for", m_path);
        return false;
    }
    return ApplyLineSettings(m_fd, tio, m_path, reason);
}

bool SerialPort::SetDtr(bool on, std::string* reason) {
    if (m_fd < 0) {
        return false;
    }
    if (m_trace) {
        m_trace->Dtr(on);
    }
    return SetModemLine(m_fd, TIOCM_DTR, on, m_path, reason);
}

bool SerialPort::Purge(std::string* reason) {
    if (m_fd < 0) {
        return false;
    }
    if (::tcflush(m_fd, TCIOFLUSH) != 0) {
        if (reason) {
            *reason = Failure("purge", m_path);
        }
        return false;
    }
    return true;
}

std::optional<LineSettings> SerialPort::ReadLineSettings() const {
    termios tio{};
    if (m_fd < 0 || ::tcgetattr(m_fd, &tio) != 0) {
        return std::nullopt;
    }
    return LineSettingsOf(tio);
}

bool SerialPort::IsPseudoTerminal() const {
    return m_fd >= 0 && IsPtySlave(m_fd);
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes) {
    m_lastError = 0;
    if (m_fd < 0) {
        return false;
    }
    if (m_trace) {
        m_trace->Written(bytes);
    }
    int error = 0;
    const bool written = WriteAll(
        m_fd, bytes,
        [this](std::span<const std::uint8_t> rest) {
            return ::write(m_fd, rest.data(), rest.size());
        },
        &error);
    m_lastError = error;
    return written;
}

ssize_t SerialPort::Read(std::span<std::uint8_t> into) {
    return ::read(m_fd, into.data(), into.size());
}

void SerialPort::Close() {
    if (m_fd < 0) {
        return;
    }
    // Best effort on the way out: a device that has gone refuses all of these, and the
    // descriptor is closed whatever they answer.
    SetDtr(false);
    ::tcflush(m_fd, TCIOFLUSH);
    ::tcsetattr(m_fd, TCSANOW, &m_savedSettings);
    ::ioctl(m_fd, TIOCNXCL);
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
    if (m_trace) {
        m_trace->Note("close " + m_path);
    }
    m_path.clear();
    m_lowLatency = false;
}

LineSettings LineSettingsOf(const termios& tio) {
    LineSettings settings;
    settings.baud = BaudFromSpeed(::cfgetospeed(&tio));
    switch (tio.c_cflag & CSIZE) {
        case CS5:
            settings.dataBits = 5;
            break;
        case CS6:
            settings.dataBits = 6;
            break;
        case CS7:
            settings.dataBits = 7;
            break;
        default:
            settings.dataBits = 8;
    }
    settings.parity = (tio.c_cflag & PARENB) == 0 ? 'N' : (tio.c_cflag & PARODD) ? 'O' : 'E';
    settings.stopBits = (tio.c_cflag & CSTOPB) ? 2 : 1;
    return settings;
}

std::string DescribeLineSettings(const LineSettings& settings) {
    const char* parity = settings.parity == 'E'   ? "even parity"
                         : settings.parity == 'O' ? "odd parity"
                                                  : "no parity";
    return (settings.baud ? std::to_string(settings.baud) : std::string("an unusual")) + " baud, " +
           std::to_string(settings.dataBits) + " data bits, " + parity + ", " +
           std::to_string(settings.stopBits) + " stop bits";
}

namespace {

std::string Refused(const LineSettings& want, const LineSettings& got, bool rateTaken,
                    bool pseudoTerminal) {
    std::string refused;
    auto add = [&](const std::string& what) { refused += refused.empty() ? what : ", " + what; };
    if (!rateTaken) {
        add(std::to_string(want.baud) + " baud (it runs at " +
            (got.baud ? std::to_string(got.baud) : std::string("another rate")) + ")");
    }
    if (want.dataBits != got.dataBits) {
        add(std::to_string(want.dataBits) + " data bits");
    }
    // A pseudo-terminal carries bytes without framing: the kernel drops its parity setting.
    if (want.parity != got.parity && !pseudoTerminal) {
        add(std::string(want.parity == 'E'   ? "even"
                        : want.parity == 'O' ? "odd"
                                             : "no") +
            " parity");
    }
    if (want.stopBits != got.stopBits) {
        add(std::to_string(want.stopBits) + " stop bits");
    }
    return refused;
}

}  // namespace

std::string RefusedLineSettings(const termios& wanted, const termios& taken, bool pseudoTerminal) {
    const bool rateTaken = ::cfgetospeed(&wanted) == ::cfgetospeed(&taken) &&
                           ::cfgetispeed(&wanted) == ::cfgetispeed(&taken);
    return Refused(LineSettingsOf(wanted), LineSettingsOf(taken), rateTaken, pseudoTerminal);
}

std::string RefusedLineSettings(const LineSettings& wanted, const LineSettings& taken,
                                bool pseudoTerminal) {
    return Refused(wanted, taken, wanted.baud == taken.baud, pseudoTerminal);
}

}  // namespace orvik::device
