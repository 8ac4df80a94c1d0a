#include "sim/pty_endpoint.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "device/link/port_names.h"
#include "device/link/serial_port.h"

namespace orvik::sim {

namespace {

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Creates the ports folder (its parents as well) for this user alone, and refuses one that may
// not be used: a folder that someone else can write to could lead the console elsewhere.
bool MakePortsFolder(const std::string& dir, std::string* error) {
    std::error_code ec;
    // "ports/" names the folder "ports" as well.
    const std::filesystem::path folder = std::filesystem::path(dir).lexically_normal();
    const std::filesystem::path parent =
        (folder.has_filename() ? folder : folder.parent_path()).parent_path();
    if (!parent.empty()) {
        std::filesystem::create_directories(parent, ec);
    }
    if (!ec && ::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) {
        ec = std::error_code(errno, std::generic_category());
    }
    if (ec) {
        *error = "cannot create the ports folder " + dir + ": " + ec.message();
        return false;
    }
    if (const auto refusal = device::CheckPortsDirectory(dir)) {
        *error = refusal->Text();
        return false;
    }
    return true;
}

}  // namespace

PtyEndpoint::~PtyEndpoint() {
    Close();
}

bool PtyEndpoint::Open(const std::string& comName, std::string* error) {
    Close();
    if (!device::ParsePortName(comName)) {
        *error = "\"" + comName + "\" is not a port name (COM1 to COM24)";
        return false;
    }
    const std::string dir = device::PortsDirectory();
    if (!MakePortsFolder(dir, error)) {
        return false;
    }
    if (!LockName(dir, comName, error) || !CreatePty(error) || !Link(dir, comName, error)) {
        Close();
        return false;
    }
    return true;
}

bool PtyEndpoint::CreatePty(std::string* error) {
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_master < 0) {
        *error = SystemError("cannot create a pseudo-terminal");
        return false;
    }
    char name[128];
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        ::ptsname_r(m_master, name, sizeof(name)) != 0) {
        *error = SystemError("cannot unlock the pseudo-terminal");
        return false;
    }
    m_slavePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_slave < 0) {
        *error = SystemError("cannot open " + m_slavePath);
        return false;
    }
    // Raw before anyone can open it: a cooked slave would echo the console's frames back.
    termios tio{};
    if (::tcgetattr(m_slave, &tio) != 0) {
        *error = SystemError("cannot read the settings of " + m_slavePath);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    if (::tcsetattr(m_slave, TCSANOW, &tio) != 0) {
        *error = SystemError("cannot set " + m_slavePath + " to raw mode");
        return false;
    }
    return true;
}

bool PtyEndpoint::LockName(const std::string& dir, const std::string& comName, std::string* error) {
    const std::string lockPath = dir + "/." + comName + ".lock";
    m_lock = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_lock < 0) {
        *error = SystemError("cannot open " + lockPath);
        return false;
    }
    if (::flock(m_lock, LOCK_EX | LOCK_NB) != 0) {
        *error =
            errno == EWOULDBLOCK
                ? comName + " is already served by another running simulator (" + lockPath + ")"
                : SystemError("cannot lock " + lockPath);
        return false;
    }
    return true;
}

bool PtyEndpoint::Link(const std::string& dir, const std::string& comName, std::string* error) {
    const std::string linkPath = dir + "/" + comName;
    struct stat st {};
    if (::lstat(linkPath.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        *error = linkPath + " exists and is not a link; it is left alone";
        return false;
    }
    // A link left by a simulator that did not end cleanly is replaced in one step.
    const std::string temporary = dir + "/." + comName + "." + std::to_string(::getpid()) + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(m_slavePath.c_str(), temporary.c_str()) != 0) {
        *error = SystemError("cannot create a link in " + dir);
        return false;
    }
    if (::rename(temporary.c_str(), linkPath.c_str()) != 0) {
        *error = SystemError("cannot link " + linkPath);
        ::unlink(temporary.c_str());
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PtyEndpoint::Unlink() {
    if (m_linkPath.empty()) {
        return;
    }
    // Only our own link: someone may have pointed the name elsewhere meanwhile.
    char target[256];
    const ssize_t n = ::readlink(m_linkPath.c_str(), target, sizeof(target) - 1);
    if (n >= 0 && std::string(target, static_cast<std::size_t>(n)) == m_slavePath) {
        ::unlink(m_linkPath.c_str());
    }
    m_linkPath.clear();
}

void PtyEndpoint::HangUp() {
    CloseFd(m_master);
}

void PtyEndpoint::Close() {
    Unlink();
    CloseFd(m_master);
    CloseFd(m_slave);
    CloseFd(m_lock);
    m_slavePath.clear();
}

int PtyEndpoint::LineBaud() const {
    termios tio{};
    if (m_slave < 0 || ::tcgetattr(m_slave, &tio) != 0) {
        return 0;
    }
    return device::BaudFromSpeed(::cfgetospeed(&tio));
}

}  // namespace orvik::sim
