#include "cli/port_verbs.h"

#include <cstdio>
#include <vector>

#include "cli/core_verb.h"
#include "cli/doctor.h"
#include "device/link/port_description.h"
#include "device/link/port_names.h"
#include "device/link/registers_file.h"
#include "support/text_codec.h"

namespace orvik::cli {

namespace {

// doctor's own options: --port COMn, a network address or a register's name (also accepted
// before the verb) and --json.
struct DoctorOptions {
    std::string port;
    bool json = false;
};

std::string ReadDoctorOptions(const CliOptions& options, DoctorOptions& doctor) {
    doctor.port = options.port;
    const std::vector<std::string>& args = options.arguments;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            doctor.json = true;
        } else if (args[i] == "--port") {
            if (i + 1 >= args.size()) {
                return "doctor: --port needs a value";
            }
            doctor.port = args[++i];
        } else {
            return "doctor: unknown argument \"" + args[i] + "\"";
        }
    }
    // A register's name or a network address is checked by the doctor itself, its name first.
    return {};
}

}  // namespace

std::string CheckPortsArguments(const CliOptions& options) {
    if (options.arguments.empty() ||
        (options.arguments.size() == 1 && options.arguments[0] == "--long")) {
        return {};
    }
    return "ports takes no arguments but --long";
}

int RunPorts(const CliOptions& options) {
    const bool wide = !options.arguments.empty();
    // Its entries are left out of the list: say why, where a script does not read it.
    if (const auto refusal = device::CheckPortsDirectory(device::PortsDirectory())) {
        PrintProblem(refusal->Text());
    }
    for (const std::string& name : device::ListExistingPorts()) {
        if (wide) {
            std::printf("%s\n", support::EscapeControls(
                                    device::DescribePortLine(device::DescribePort(name)))
                                    .c_str());
        } else {
            std::printf("%s\n", name.c_str());
        }
    }
    // Then the registers named in the registers file, each by its name.
    const device::RegistersFile registers = device::ReadRegistersFile(device::RegistersFilePath());
    if (!registers.problem.empty()) {
        PrintProblem("the registers file " + registers.path + ": " + registers.problem);
    }
    for (const device::NamedRegister& entry : registers.registers) {
        const std::string line = wide ? entry.name + "  " + entry.address : entry.name;
        std::printf("%s\n", support::EscapeControls(line).c_str());
    }
    return 0;
}

std::string CheckDoctorArguments(const CliOptions& options) {
    DoctorOptions doctor;
    return ReadDoctorOptions(options, doctor);
}

int RunDoctor(const CliOptions& options) {
    DoctorOptions doctor;
    ReadDoctorOptions(options, doctor);
    std::vector<std::string> ports{doctor.port};
    if (doctor.port.empty()) {
        ports = PortsToDiagnose();
        for (const device::NamedRegister& entry :
             device::ReadRegistersFile(device::RegistersFilePath()).registers) {
            ports.push_back(entry.name);
        }
    }
    std::vector<DoctorReport> reports;
    bool answered = false;
    for (const std::string& port : ports) {
        reports.push_back(device::ParsePortName(port) ? DiagnosePort(port)
                                                      : DiagnoseNamedRegister(port));
        answered = answered || reports.back().answered;
    }
    if (doctor.json) {
        std::fputs(DoctorJson(reports).c_str(), stdout);
    } else if (reports.empty()) {
        std::printf(
            "no serial port found: no COM1-COM24 device and nothing in the ports folder %s\n"
            "  remedy: plug the adapter in, or start orvik-sim, or link the device there\n",
            support::EscapeControls(device::PortsDirectory()).c_str());
    } else {
        std::fputs(support::EscapeControls(DoctorText(reports)).c_str(), stdout);
    }
    return answered ? 0 : 1;
}

}  // namespace orvik::cli
