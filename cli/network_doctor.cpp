// The doctor's checklist for a register reached over the network (or named in the registers
// file): each step of reaching it, in order, with a remedy where it failed.
#include <vector>

#include "cli/doctor.h"
#include "cli/interrupt.h"
#include "device/link/line_address.h"
#include "device/link/port_names.h"
#include "device/link/registers_file.h"
#include "device/link/rfc2217_port.h"

namespace orvik::cli {

namespace {

using State = DoctorLine::State;
using device::NetworkStep;

struct StepText {
    NetworkStep step;
    const char* check;
    const char* remedy;
};

// What each step is called and what to do when it fails.
constexpr StepText kSteps[] = {
    {NetworkStep::Resolve, "resolve",
     "check the host's name in the address, or write its IP address"},
    {NetworkStep::Connect, "connect",
     "check that ser2net runs on the host and listens on that port (its accepter line), and "
     "that no firewall stands between"},
    {NetworkStep::Tls, "tls",
     "check ca = (the CA that signed ser2net's certificate), that the address names the host "
     "the certificate was made for, and certificate = / key = when ser2net asks for a client "
     "certificate"},
    {NetworkStep::Telnet, "telnet",
     "ser2net port without telnet(rfc2217)? Its accepter must read "
     "\"telnet(rfc2217),tcp,PORT\" (or \"telnet(rfc2217),ssl,tcp,PORT\" for TLS)"},
    {NetworkStep::LineSettings, "line",
     "ser2net could not set 115200 baud 8E2 on the serial device: check its connector line "
     "and the adapter's driver"},
};

std::string PassedDetail(NetworkStep step, const device::Rfc2217Port& port,
                         const device::NetworkEndpoint& endpoint) {
    switch (step) {
        case NetworkStep::Resolve:
            return endpoint.host + " resolved";
        case NetworkStep::Connect:
            return "connected to " + port.Peer();
        case NetworkStep::Tls:
            return port.TlsDescription() + ", the server's certificate verified for " +
                   endpoint.host;
        case NetworkStep::Telnet:
            return "BINARY, SUPPRESS-GO-AHEAD and COM-PORT-OPTION (RFC 2217) agreed";
        default:
            return {};
    }
}

void CheckNetworkRegister(const device::NetworkEndpoint& endpoint, DoctorReport& report) {
    device::Rfc2217Port port;
    std::string reason;
    const bool opened = port.Open(
        endpoint, [] { return Interrupted(); }, &reason);
    const NetworkStep failed = opened ? NetworkStep::Done : port.FailedStep();
    for (const StepText& step : kSteps) {
        if (step.step == NetworkStep::Tls && !endpoint.tls) {
            continue;
        }
        if (step.step == failed) {
            report.Add(step.check, State::Failed, reason, step.remedy);
            return;
        }
        if (step.step == NetworkStep::LineSettings) {
            const auto settings = port.ReadLineSettings();
            report.Add(
                step.check, State::Ok,
                settings ? device::DescribeLineSettings(*settings) + ", each acknowledged" : "set");
        } else {
            report.Add(step.check, State::Ok, PassedDetail(step.step, port, endpoint));
        }
    }
    CheckWakeUp(port, report);
}

}  // namespace

DoctorReport DiagnoseNamedRegister(const std::string& given) {
    DoctorReport report;
    report.port = given;
    std::string reason;
    const device::RegistersFile file = device::ReadRegistersFile(device::RegistersFilePath());
    const std::optional<device::LineAddress> address =
        device::ResolveLineAddress(given, file, &reason);
    if (!address) {
        report.Add("name", State::Failed, reason,
                   device::IsNetworkAddress(given)
                       ? "write the address as rfc2217://HOST:PORT or rfc2217+tls://HOST:PORT"
                       : "add a section [" + given + "] with address = … to " + file.path +
                             " (or set ORVIK_REGISTERS to the file that has it)");
        return report;
    }
    if (!address->network) {
        if (device::ParsePortName(address->serial)) {
            DoctorReport serial = DiagnosePort(address->serial);
            serial.port = given;
            serial.lines.insert(serial.lines.begin(),
                                {"name",
                                 State::Ok,
                                 "[" + given + "] in the registers file: " + address->serial,
                                 {}});
            return serial;
        }
        report.Add("name", State::Ok, "[" + given + "] in the registers file: " + address->serial);
        report.Add(
            "device", State::Note,
            "a device path: the doctor checks it by its COM name (link it in the ports folder)");
        return report;
    }
    report.Add("name", State::Ok,
               address->named
                   ? "[" + given + "] in the registers file: " + address->network->Address()
                   : "a network address");
    CheckNetworkRegister(*address->network, report);
    return report;
}

}  // namespace orvik::cli
