#include "device/link/port_check.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

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

// The processes holding a whole-file lock (flock) on the device node, from /proc/locks, whose
// lines read "1: FLOCK  ADVISORY  WRITE 14932 00:1a:3 0 EOF" (the node's file system as hex
// major:minor, then its inode).
std::vector<pid_t> LockHolders(const struct stat& node) {
    std::vector<pid_t> pids;
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);) {
        std::istringstream in(line);
        std::string ordinal, kind, advisory, access, file;
        long pid = 0;
        // Waiters are listed as "1: -> FLOCK ..." below the lock they wait for.
        if (!(in >> ordinal >> kind >> advisory >> access >> pid >> file) || kind != "FLOCK") {
            continue;
        }
        unsigned fileMajor = 0;
        unsigned fileMinor = 0;
        unsigned long inode = 0;
        if (std::sscanf(file.c_str(), "%x:%x:%lu", &fileMajor, &fileMinor, &inode) == 3 &&
            makedev(fileMajor, fileMinor) == node.st_dev && inode == node.st_ino) {
            pids.push_back(static_cast<pid_t>(pid));
        }
    }
    return pids;
}

// Whether the descriptor (st its file) is the master of pseudo-terminal index: a /dev/ptmx
// descriptor, whose fdinfo names the terminal it made.
bool IsMasterOf(const fs::path& process, const fs::path& fd, const struct stat& st,
                unsigned index) {
    constexpr unsigned kPtmxMajor = 5;
    constexpr unsigned kPtmxMinor = 2;
    if (major(st.st_rdev) != kPtmxMajor || minor(st.st_rdev) != kPtmxMinor) {
        return false;
    }
    std::ifstream info(process / "fdinfo" / fd.filename());
    for (std::string line; std::getline(info, line);) {
        if (line.rfind("tty-index:", 0) == 0) {
            return std::strtoul(line.c_str() + 10, nullptr, 10) == index;
        }
    }
    return false;
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
    struct stat node {};
    if (::stat(device.c_str(), &node) != 0 || !S_ISCHR(node.st_mode)) {
        return holders;
    }
    const std::vector<pid_t> lockers = LockHolders(node);
    const std::optional<unsigned> ptyIndex = PseudoTerminalIndex(node.st_rdev);
    const pid_t self = ::getpid();
    std::error_code ec;
    for (fs::directory_iterator proc("/proc", ec), end; !ec && proc != end; proc.increment(ec)) {
        const std::string name = proc->path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), ::isdigit)) {
            continue;
        }
        const pid_t pid = static_cast<pid_t>(std::stol(name));
        if (pid == self) {
            continue;
        }
        ProcessInfo info{pid, {}, false, false};
        bool opened = false;
        std::error_code fdError;
        for (fs::directory_iterator fd(proc->path() / "fd", fdError), fdEnd;
             !fdError && fd != fdEnd; fd.increment(fdError)) {
            // stat follows the descriptor to the file it has open, whatever path opened it.
            struct stat st {};
            if (::stat(fd->path().c_str(), &st) != 0 || !S_ISCHR(st.st_mode)) {
                continue;
            }
            if (st.st_rdev == node.st_rdev) {
                opened = true;
            } else if (ptyIndex && IsMasterOf(proc->path(), fd->path(), st, *ptyIndex)) {
                info.otherEnd = true;
            }
        }
        if (!opened) {
            continue;
        }
        info.locked = std::find(lockers.begin(), lockers.end(), pid) != lockers.end();
        std::ifstream comm(proc->path() / "comm");
        std::getline(comm, info.name);
        holders.push_back(std::move(info));
    }
    // Whoever holds the lock keeps the port from everyone else; the simulator serving the line
    // holds its slave open all the time and is named last.
    std::stable_sort(holders.begin(), holders.end(), [](const auto& a, const auto& b) {
        auto rank = [](const ProcessInfo& p) { return p.locked ? 0 : p.otherEnd ? 2 : 1; };
        return rank(a) < rank(b);
    });
    return holders;
}

PortFacts CheckPort(const std::string& comName) {
    PortFacts facts;
    facts.nameValid = ParsePortName(comName).has_value();
    if (!facts.nameValid) {
        facts.port.name = comName;
        return facts;
    }
    facts.folderRefused = RefusedPortEntry(comName);
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
