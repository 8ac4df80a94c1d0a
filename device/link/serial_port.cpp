#include "device/link/serial_port.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "device/link/port_names.h"
#include "res/string_table.h"
#include "support/text_codec.h"

namespace orvik::device {

namespace {

constexpr int kDefaultBaud = 115200;
// A write that the driver cannot take for this long means the device is gone.
constexpr int kWriteStallMs = 2000;

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

// USB adapters hold received bytes for up to 16 ms unless asked for low latency. Best effort.
void RequestLowLatency(int fd) {
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ioctl(fd, TIOCSSERIAL, &serial);
    }
}

}  // namespace

std::string DescribeOpenError(int err, const std::string& path) {
    std::string reason = std::strerror(err);
    reason += " (" + path + ")";
    // A link left behind in the ports folder: say where it leads, which is what is missing.
    std::error_code ec;
    const std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (err == ENOENT && !ec) {
        std::u16string note = LoadString(kStrPortLinkTargetMissing);
        const std::u16string where = support::FromUtf8(target.string());
        note.replace(note.find(u"%1"), 2, where);
        reason += ": " + support::ToUtf8(note);
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
    const std::string path = ResolvePortPath(comName);
    if (path.empty()) {
        if (reason) {
            *reason = "\"" + comName + "\" is not a port name (COM1 to COM24).";
        }
        return false;
    }
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (reason) {
            *reason = DescribeOpenError(errno, path);
        }
        return false;
    }
    if (!isatty(fd)) {
        ::close(fd);
        if (reason) {
            *reason = path + " is not a serial device.";
        }
        return false;
    }
    // Exclusive use: no second open of the tty, and no other program holding the lock.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (reason) {
            *reason = DescribeOpenError(err == EWOULDBLOCK ? EBUSY : err, path);
        }
        return false;
    }
    ioctl(fd, TIOCEXCL);
    tcgetattr(fd, &m_savedSettings);
    termios tio = m_savedSettings;
    ConfigureLine(tio, kDefaultBaud);
    tcflush(fd, TCIOFLUSH);
    tcsetattr(fd, TCSANOW, &tio);
    m_fd = fd;
    SetDtr(true);
    int rts = TIOCM_RTS;
    ioctl(fd, TIOCMBIS, &rts);
    RequestLowLatency(fd);
    return true;
}

void SerialPort::SetBaudRate(int baud) {
    if (m_fd < 0) {
        return;
    }
    termios tio{};
    if (tcgetattr(m_fd, &tio) != 0) {
        return;
    }
    cfsetispeed(&tio, SpeedFromBaud(baud));
    cfsetospeed(&tio, SpeedFromBaud(baud));
    tcsetattr(m_fd, TCSANOW, &tio);
}

void SerialPort::SetDtr(bool on) {
    if (m_fd < 0) {
        return;
    }
    int dtr = TIOCM_DTR;
    ioctl(m_fd, on ? TIOCMBIS : TIOCMBIC, &dtr);
}

void SerialPort::Purge() {
    if (m_fd >= 0) {
        tcflush(m_fd, TCIOFLUSH);
    }
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (m_fd < 0) {
        return false;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return false;
        }
        // The driver's queue is full: wait until it takes more, but not forever.
        pollfd pfd{m_fd, POLLOUT, 0};
        const int ready = ::poll(&pfd, 1, kWriteStallMs);
        if (ready <= 0 || (pfd.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            if (ready < 0 && errno == EINTR) {
                continue;
            }
            return false;
        }
    }
    return true;
}

void SerialPort::Close() {
    if (m_fd < 0) {
        return;
    }
    SetDtr(false);
    tcflush(m_fd, TCIOFLUSH);
    tcsetattr(m_fd, TCSANOW, &m_savedSettings);
    ioctl(m_fd, TIOCNXCL);
    flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}

}  // namespace orvik::device
