#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "device/link/port_description.h"
#include "device/link/port_names.h"

// The facts a connection doctor checks about one COM name, gathered without a register: how the
// name resolves, whether the device is there and is a terminal, whether this user may open it
// and whether another process holds it. The texts for a person are made by the caller.
namespace orvik::device {

struct ProcessInfo {
    pid_t pid = 0;
    std::string name;       // the command name the kernel keeps, as "orvik-cli"
    bool locked = false;    // holds the device's lock, as a console using the port does
    bool otherEnd = false;  // has the pseudo-terminal's master open: it serves the line (orvik-sim)
};

struct PortFacts {
    PortDescription port;
    bool nameValid = false;  // COM1 to COM24
    // The ports folder has an entry of this name but may not be used: why, and the remedy.
    std::optional<PortsFolderRefusal> folderRefused;
    bool pathPresent = false;  // the resolved path exists as a directory entry
    std::string linkTarget;    // where a ports-folder link points
    bool dangling = false;     // a link whose target is missing
    bool characterDevice = false;
    bool terminal = false;             // the device answers as a tty (checked only when it opens)
    bool readWrite = false;            // this user may read and write it
    std::string groupName;             // the device's group
    bool groupListsUser = false;       // the group database lists this user (a new log-in joins it)
    bool inGroupNow = false;           // this process already has the group
    int openErrno = 0;                 // 0 when a trial open for reading and writing worked
    std::vector<ProcessInfo> holders;  // other processes with the device open
};

// Gathers the facts of one COM name. The trial open is released at once.
PortFacts CheckPort(const std::string& comName);

// Processes other than this one that have the device open, found through /proc by the device's
// number (only those this user may look at): those holding its lock first, the other end of a
// pseudo-terminal last.
std::vector<ProcessInfo> FindHolders(const std::string& device);

// The login name of this user, or the numeric id.
std::string CurrentUserName();

}  // namespace orvik::device
