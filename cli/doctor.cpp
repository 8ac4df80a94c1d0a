#include "cli/doctor.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

#include "cli/verb_arguments.h"
#include "device/link/port_check.h"
#include "device/link/port_names.h"
#include "device/link/serial_port.h"
#include "device/link/wake_probe.h"

namespace orvik::cli {

namespace {

using State = DoctorLine::State;
using device::PortFacts;

constexpr int kLineBaud = 115200;

// How the name resolved. False when nothing further can be checked.
bool CheckName(const PortFacts& facts, DoctorReport& report) {
    if (!facts.nameValid) {
        report.Add("name", State::Failed, "\"" + facts.port.name + "\" is not a port name",
                   "name a port from COM1 to COM24");
        return false;
    }
    if (facts.folderRefused) {
        report.Add("name", State::Failed,
                   facts.folderRefused->reason + "; its entry " + facts.port.name + " is ignored",
                   facts.folderRefused->remedy);
        return false;
    }
    const device::PortDescription& port = facts.port;
    if (port.fromPortsFolder) {
        std::string detail = "ports-folder entry " + port.path;
        if (!facts.linkTarget.empty()) {
            detail += " -> " + facts.linkTarget;
        }
        if (facts.dangling) {
            report.Add(
                "name", State::Failed, detail + ", which does not exist",
                "the link leads nowhere: start the simulator again, or remove the link (rm " +
                    port.path + ") or point it at the device (ln -sf /dev/ttyUSB0 " + port.path +
                    ")");
            return false;
        }
        report.Add("name", State::Ok, detail);
        return true;
    }
    report.Add("name", State::Ok,
               "fixed table: " + port.path + " (no entry " + port.name + " in the ports folder " +
                   device::PortsDirectory() + ")");
    return true;
}

bool CheckDevice(const PortFacts& facts, DoctorReport& report) {
    const std::string device = facts.port.device.empty() ? facts.port.path : facts.port.device;
    if (!facts.pathPresent) {
        report.Add(
            "device", State::Failed, device + " does not exist",
            "plug the adapter in and see which device it becomes (ls /dev/ttyUSB* /dev/ttyACM*, "
            "or orvik-cli ports --long); link an unusual device as " +
                facts.port.name + " in " + device::PortsDirectory());
        return false;
    }
    if (!facts.characterDevice) {
        report.Add("device", State::Failed, device + " is not a character device",
                   "point " + facts.port.name + " at the serial device itself");
        return false;
    }
    if (facts.openErrno == 0 && !facts.terminal) {
        report.Add("device", State::Failed, device + " is a character device but not a terminal",
                   "point " + facts.port.name + " at a serial port (a tty), not at another device");
        return false;
    }
    report.Add("device", State::Ok,
               device + " is a character device" + (facts.terminal ? " and a terminal" : ""));
    return true;
}

bool CheckPermission(const PortFacts& facts, DoctorReport& report) {
    const std::string user = device::CurrentUserName();
    if (facts.readWrite) {
        report.Add("permission", State::Ok, "user " + user + " may read and write it");
        return true;
    }
    std::string remedy;
    if (facts.groupListsUser && !facts.inGroupNow) {
        remedy = "user " + user + " was added to group " + facts.groupName +
                 " after logging in: log out and in again";
    } else {
        remedy = "sudo usermod -aG " + facts.groupName + " $USER, then log out and in again";
    }
    report.Add("permission", State::Failed,
               "user " + user + " may not read and write it (group " + facts.groupName + ")",
               remedy);
    return false;
}

std::string HolderList(const std::vector<device::ProcessInfo>& holders) {
    std::string text;
    for (const auto& holder : holders) {
        if (!text.empty()) {
            text += ", ";
        }
        text += holder.name + " (pid " + std::to_string(holder.pid) + ")";
    }
    return text;
}

// The processes that keep the port from this one: those holding its lock, else every other
// process with it open but the simulator serving the line.
std::vector<device::ProcessInfo> Keepers(const std::vector<device::ProcessInfo>& holders) {
    std::vector<device::ProcessInfo> keepers;
    for (const auto& holder : holders) {
        if (holder.locked) {
            keepers.push_back(holder);
        }
    }
    if (keepers.empty()) {
        for (const auto& holder : holders) {
            if (!holder.otherEnd) {
                keepers.push_back(holder);
            }
        }
    }
    return keepers;
}

bool CheckFree(const PortFacts& facts, DoctorReport& report) {
    if (facts.openErrno == EBUSY) {
        const std::vector<device::ProcessInfo> keepers = Keepers(facts.holders);
        const std::string held = keepers.empty()
                                     ? "another program holds it (its process is not visible "
                                       "to this user)"
                                     : "held by " + HolderList(keepers);
        report.Add("free", State::Failed, held,
                   keepers.empty() ? "close the other program that uses the port"
                                   : "close that program, or end it: kill " +
                                         std::to_string(keepers.front().pid));
        return false;
    }
    if (facts.openErrno != 0) {
        report.Add("free", State::Failed,
                   std::string("cannot open it: ") + std::strerror(facts.openErrno),
                   "see the reason; a device that vanished was unplugged");
        return false;
    }
    std::string detail = "no other program holds it";
    if (const auto others = Keepers(facts.holders); !others.empty()) {
        detail += " (also open, without the lock, in " + HolderList(others) + ")";
    }
    report.Add("free", State::Ok, detail);
    return true;
}

std::string Milliseconds(std::chrono::microseconds elapsed) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f ms", static_cast<double>(elapsed.count()) / 1000.0);
    return text;
}

void CheckLineAndRegister(const PortFacts& facts, DoctorReport& report) {
    device::SerialPort port;
    std::string reason;
    if (!port.Open(facts.port.name, &reason)) {
        report.Add(
            "line", State::Failed, "the port refused to open: " + reason,
            "see the reason above; a driver that refuses 115200 8E2 cannot talk to the register");
        return;
    }
    const auto settings = port.ReadLineSettings();
    // A pseudo-terminal (the simulated register) has no line, and the kernel keeps no parity
    // on it; a real port must run exactly 8E2.
    const bool pty = port.IsPseudoTerminal();
    const device::LineSettings wanted{kLineBaud, 8, 'E', 2};
    if (!settings || !device::RefusedLineSettings(wanted, *settings, pty).empty()) {
        report.Add("line", State::Failed,
                   "the driver did not take 115200 baud 8E2" +
                       (settings ? " (it reports " + device::DescribeLineSettings(*settings) + ")"
                                 : std::string()),
                   "use an adapter whose driver supports 115200 baud, even parity and 2 stop bits");
    } else {
        report.Add("line", State::Ok,
                   device::DescribeLineSettings(*settings) +
                       (pty ? " (a pseudo-terminal: no line, so no parity)" : ""));
    }

    CheckWakeUp(port, report);

    if (facts.port.usb) {
        const device::UsbAdapter& usb = *facts.port.usb;
        std::string detail = "USB " + usb.vendorId + ":" + usb.productId;
        for (const std::string* part : {&usb.manufacturer, &usb.product}) {
            if (!part->empty()) {
                detail += " " + *part;
            }
        }
        if (!usb.serial.empty()) {
            detail += ", serial " + usb.serial;
        }
        if (!usb.driver.empty()) {
            detail += ", driver " + usb.driver;
        }
        detail += port.LowLatency() ? "; low-latency mode granted"
                                    : "; low-latency mode not granted (replies may come up to "
                                      "16 ms late)";
        report.Add("usb", State::Note, detail);
    } else {
        report.Add("usb", State::Note, "not a USB adapter");
    }
}

const char* StateName(State state) {
    switch (state) {
        case State::Ok:
            return "ok";
        case State::Failed:
            return "failed";
        case State::Note:
            return "note";
    }
    return "";
}

}  // namespace

void CheckWakeUp(device::LinePort& port, DoctorReport& report) {
    const device::WakeProbeResult wake = device::ProbeWake(port, kLineBaud);
    if (wake.answeredBaud == kLineBaud) {
        report.Add("wake-up", State::Ok,
                   "answered at 115200 baud in " + Milliseconds(wake.elapsed));
        report.answered = true;
    } else if (wake.answeredBaud != 0) {
        report.Add("wake-up", State::Ok,
                   "answered only at " + std::to_string(wake.answeredBaud) + " baud, in " +
                       Milliseconds(wake.elapsed) + "; the console falls back to it by itself");
        report.answered = true;
    } else if (wake.hungUp) {
        report.Add(
            "wake-up", State::Failed, "the line hung up while waiting for the answer",
            "the adapter was unplugged or the simulator ended: plug it in or start it again");
    } else {
        report.Add("wake-up", State::Failed,
                   "no answer to the wake-up byte at 115200 or 57600 baud",
                   "switch the register on, check the cable (a null-modem cable for a PC port) and "
                   "that this is the port it is plugged into");
    }
}

DoctorReport DiagnosePort(const std::string& comName) {
    DoctorReport report;
    report.port = comName;
    const PortFacts facts = device::CheckPort(comName);
    if (CheckName(facts, report) && CheckDevice(facts, report) && CheckPermission(facts, report) &&
        CheckFree(facts, report)) {
        CheckLineAndRegister(facts, report);
    }
    return report;
}

std::vector<std::string> PortsToDiagnose() {
    std::set<int> numbers;
    for (const std::string& name : device::ListExistingPorts()) {
        numbers.insert(*device::ParsePortName(name));
    }
    std::error_code ec;
    for (std::filesystem::directory_iterator it(device::PortsDirectory(), ec), end;
         !ec && it != end; it.increment(ec)) {
        if (const auto number = device::ParsePortName(it->path().filename().string())) {
            numbers.insert(*number);
        }
    }
    std::vector<std::string> names;
    for (const int number : numbers) {
        names.push_back("COM" + std::to_string(number));
    }
    return names;
}

std::string DoctorText(const std::vector<DoctorReport>& reports) {
    std::string text;
    for (const DoctorReport& report : reports) {
        text += report.port + "\n";
        for (const DoctorLine& line : report.lines) {
            char state[16];
            std::snprintf(state, sizeof(state), "  %-7s ",
                          line.state == State::Failed ? "FAILED" : StateName(line.state));
            text += state + line.check + ": " + line.detail + "\n";
            if (!line.remedy.empty()) {
                text += "          remedy: " + line.remedy + "\n";
            }
        }
        text += report.answered ? "  a register answered on " + report.port + "\n"
                                : "  no register answered on " + report.port + "\n";
    }
    return text;
}

std::string DoctorJson(const std::vector<DoctorReport>& reports) {
    std::string json = "{\"ports\":[";
    for (std::size_t r = 0; r < reports.size(); ++r) {
        const DoctorReport& report = reports[r];
        json += r ? "," : "";
        json += "{\"port\":" + JsonString(report.port) +
                ",\"answered\":" + (report.answered ? "true" : "false") + ",\"checks\":[";
        for (std::size_t i = 0; i < report.lines.size(); ++i) {
            const DoctorLine& line = report.lines[i];
            json += i ? "," : "";
            json += "{\"check\":" + JsonString(line.check) +
                    ",\"state\":" + JsonString(StateName(line.state)) +
                    ",\"detail\":" + JsonString(line.detail);
            if (!line.remedy.empty()) {
                json += ",\"remedy\":" + JsonString(line.remedy);
            }
            json += "}";
        }
        json += "]}";
    }
    return json + "]}\n";
}

}  // namespace orvik::cli
