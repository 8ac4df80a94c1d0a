#pragma once

#include <string>
#include <vector>

// The connection doctor: a checklist per port, from how its COM name resolves to whether a
// register answers the wake-up byte, with a remedy on every line that failed.
namespace orvik::cli {

struct DoctorLine {
    enum class State { Ok, Failed, Note };
    std::string check;  // "name", "device", "permission", "free", "line", "wake-up", "usb"
    State state = State::Ok;
    std::string detail;
    std::string remedy;  // set on a failed line
};

struct DoctorReport {
    std::string port;
    std::vector<DoctorLine> lines;
    bool answered = false;  // a register answered the wake-up byte
};

// Checks one COM name; the register is woken only when everything before it passed.
DoctorReport DiagnosePort(const std::string& comName);

// The COM names worth checking when none is given: those that exist, and every entry of the
// ports folder (a link that leads nowhere included).
std::vector<std::string> PortsToDiagnose();

// The checklists for a person, and as JSON for scripts.
std::string DoctorText(const std::vector<DoctorReport>& reports);
std::string DoctorJson(const std::vector<DoctorReport>& reports);

}  // namespace orvik::cli
