#include "device/link/port_check.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>

#include "device/link/port_names.h"

namespace orvik::device {

namespace {

namespace fs = std::filesystem;

void CheckGroup(const struct stat& st, PortFacts& facts) {
    if (const group* gr = ::getgrgid(st.st_gid)) {
        facts.groupName = gr->gr_name;
        const std::string user = CurrentUserName();
        for (char** member = gr->gr_mem; member && *member; ++member) {
            if (user == *member) {
                facts.groupListsUser = true;
            }
        }
        if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_gid == st.st_gid) {
            facts.groupListsUser = true;
        }
    } else {
        facts.groupName = std::to_string(st.st_gid);
    }
    std::vector<gid_t> groups(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    const int count = ::getgroups(static_cast<int>(groups.size()), groups.data());
    groups.resize(static_cast<std::size_t>(std::max(count, 0)));
    facts.inGroupNow = ::getegid() == st.st_gid ||
                       std::find(groups.begin(), groups.end(), st.st_gid) != groups.end();
}

// Opens the device as the console does, but only to see whether that works.
void TryOpen(const std::string& device, PortFacts& facts) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        facts.openErrno = errno;
        return;
    }
    facts.terminal = ::isatty(fd) == 1;
    // The console also takes the device's lock: a program holding it keeps the console out.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        facts.openErrno = errno == EWOULDBLOCK ? EBUSY : errno;
    }
    ::close(fd);
}

}  // namespace

std::string CurrentUserName() {
    if (const passwd* pw = ::getpwuid(::getuid())) {
        return pw->pw_name;
    }
    return std::to_string(::getuid());
}

std::vector<ProcessInfo> FindHolders(const std::string& device) {
    std::vector<ProcessInfo> holders;
    std::error_code ec;
    const fs::path wanted = fs::canonical(device, ec);
    if (ec) {
        return holders;
    }
    const pid_t self = ::getpid();
    for (fs::directory_iterator proc("/proc", ec), end; !ec && proc != end; proc.increment(ec)) {
        const std::string name = proc->path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        if (pid == self) {
            continue;
        }
        std::error_code fdError;
        for (fs::directory_iterator fd(proc->path() / "fd", fdError), fdEnd;
             !fdError && fd != fdEnd; fd.increment(fdError)) {
            std::error_code linkError;
            if (fs::read_symlink(fd->path(), linkError) == wanted && !linkError) {
                ProcessInfo info{pid, {}};
                std::ifstream comm(proc->path() / "comm");
                std::getline(comm, info.name);
                holders.push_back(std::move(info));
                break;
            }
        }
    }
    return holders;
}

PortFacts CheckPort(const std::string& comName) {
    PortFacts facts;
    facts.nameValid = ParsePortName(comName).has_value();
    if (!facts.nameValid) {
        facts.port.name = comName;
        return facts;
    }
    facts.port = DescribePort(comName);
    struct stat st {};
    facts.pathPresent = ::lstat(facts.port.path.c_str(), &st) == 0;
    if (facts.pathPresent && S_ISLNK(st.st_mode)) {
        std::error_code ec;
        facts.linkTarget = fs::read_symlink(facts.port.path, ec).string();
        facts.dangling = ::stat(facts.port.path.c_str(), &st) != 0;
    }
    if (!facts.pathPresent || facts.dangling) {
        return facts;
    }
    const std::string device = facts.port.device.empty() ? facts.port.path : facts.port.device;
    if (::stat(device.c_str(), &st) != 0) {
        return facts;
    }
    facts.characterDevice = S_ISCHR(st.st_mode);
    CheckGroup(st, facts);
    facts.readWrite = ::access(device.c_str(), R_OK | W_OK) == 0;
    if (facts.characterDevice) {
        TryOpen(device, facts);
        facts.holders = FindHolders(device);
    }
    return facts;
}

}  // namespace orvik::device
