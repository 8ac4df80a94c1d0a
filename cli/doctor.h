#pragma once

#include <string>
#include <vector>

// The connection doctor: a checklist per port, from how its COM name resolves to whether a
// register answers the wake-up byte, with a remedy on every line that failed.
namespace orvik::device {
class LinePort;
}

namespace orvik::cli {

struct DoctorLine {
    enum class State { Ok, Failed, Note };
    // "name", "device", "permission", "free", "line", "wake-up", "usb"; for a register on the
    // network "name", "resolve", "connect", "tls", "telnet", "line", "wake-up"
    std::string check;
    State state = State::Ok;
    std::string detail;
    std::string remedy;  // set on a failed line
};

struct DoctorReport {
    std::string port;
    std::vector<DoctorLine> lines;
    bool answered = false;  // a register answered the wake-up byte

    void Add(std::string check, DoctorLine::State state, std::string detail,
             std::string remedy = {}) {
        lines.push_back({std::move(check), state, std::move(detail), std::move(remedy)});
    }
};

// Checks one COM name; the register is woken only when everything before it passed.
DoctorReport DiagnosePort(const std::string& comName);

// Checks a register by its name in the registers file or by its network address, step by
// step: the name, the host's name, the connection, TLS, the telnet negotiation, the line
// settings and the wake-up. A named register on this computer is checked as a COM port.
DoctorReport DiagnoseNamedRegister(const std::string& given);

// Wakes the register on an open line (at 115200 baud, then at 57600) and adds the "wake-up"
// line with what it found.
void CheckWakeUp(device::LinePort& port, DoctorReport& report);

// The COM names worth checking when none is given: those that exist, and every entry of the
// ports folder (a link that leads nowhere included).
std::vector<std::string> PortsToDiagnose();

// The checklists for a person, and as JSON for scripts.
std::string DoctorText(const std::vector<DoctorReport>& reports);
std::string DoctorJson(const std::vector<DoctorReport>& reports);

}  // namespace orvik::cli
