#pragma once

// A real ser2net in front of the simulated register's pseudo-terminal, as a shop puts a
// register's serial line on the network: telnet with RFC 2217, in the clear or in TLS with a
// certificate of a CA made for the test.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "tests/integration/child_program.h"

namespace sim_test {

inline constexpr const char* kSer2netProgram = "/usr/sbin/ser2net";

// A listener on 127.0.0.1 that takes connections and never speaks: its descriptor (-1 on
// failure), its port in *port.
inline int SilentListener(int* port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        ::listen(fd, 4) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(fd);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return fd;
}

// A TCP port of 127.0.0.1 nobody listens on at the moment.
inline int FreeTcpPort() {
    int port = 0;
    const int fd = SilentListener(&port);
    if (fd >= 0) {
        ::close(fd);
    }
    return port;
}

// Whether something listens on 127.0.0.1:port, read from the kernel's table without
// connecting (a connection would make ser2net open the line).
inline bool Listening(int port) {
    std::ifstream table("/proc/net/tcp");
    char wanted[16];
    std::snprintf(wanted, sizeof(wanted), "0100007F:%04X", port);
    std::string line;
    std::getline(table, line);
    while (std::getline(table, line)) {
        std::istringstream fields(line);
        std::string slot;
        std::string local;
        std::string remote;
        std::string state;
        fields >> slot >> local >> remote >> state;
        if (local == wanted && state == "0A") {
            return true;
        }
    }
    return false;
}

// A CA and a server certificate for localhost and 127.0.0.1, made with the openssl program
// into folder; a second CA that signed nothing, for refusals.
inline bool MakeCertificates(const std::string& folder) {
    const std::string script =
        "set -e; cd '" + folder +
        "'; k='-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes';"
        " openssl req -x509 $k -keyout ca.key -out ca.pem -days 2 -subj '/CN=Orvik test CA';"
        " openssl req -x509 $k -keyout other.key -out other-ca.pem -days 2 -subj '/CN=Other CA';"
        " openssl req $k -keyout server.key -out server.csr -subj '/CN=localhost';"
        " printf 'subjectAltName=DNS:localhost,IP:127.0.0.1\\n' > ext;"
        " openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial"
        " -out server.pem -days 2 -extfile ext";
    ChildProgram make("/bin/sh", {"-c", script + " 2>/dev/null"});
    return make.Finish() == 0;
}

class Ser2netServer {
  public:
    // Serves devicePath on a free port of 127.0.0.1 until Stop; with TLS when certificates
    // (a folder MakeCertificates filled) is given.
    bool Start(const std::string& devicePath, const std::string& folder,
               const std::string& certificates, std::string* error) {
        if (m_port == 0) {
            m_port = FreeTcpPort();
        }
        m_tls = !certificates.empty();
        const std::string config = folder + "/ser2net.yaml";
        std::ofstream(config) << "connection: &register\n"
                              << "  accepter: telnet(rfc2217),"
                              << (m_tls ? "ssl(key=" + certificates +
                                              "/server.key,cert=" + certificates + "/server.pem),"
                                        : std::string())
                              << "tcp,127.0.0.1," << m_port << "\n"
                              << "  connector: serialdev," << devicePath << ",115200e82,local\n"
                              << "  options:\n"
                              << "    kickolduser: true\n"
                              << "    chardelay: false\n";
        if (!std::filesystem::exists(kSer2netProgram)) {
            *error = std::string(kSer2netProgram) + " is missing: install ser2net";
            return false;
        }
        m_server = std::make_unique<ChildProgram>(
            kSer2netProgram,
            std::vector<std::string>{"-n", "-c", config, "-P", folder + "/ser2net.pid"});
        if (!Eventually([this] { return Listening(m_port); })) {
            *error = "ser2net did not listen on port " + std::to_string(m_port) + ": " +
                     m_server->Errors();
            return false;
        }
        return true;
    }

    // Ends the server as an engineer pulling its plug would: at once, connections reset.
    void Kill() {
        if (m_server) {
            ::kill(m_server->Pid(), SIGKILL);
            m_server->Finish();
            m_server.reset();
        }
    }

    std::string Address() const {
        return (m_tls ? "rfc2217+tls://localhost:" : "rfc2217://127.0.0.1:") +
               std::to_string(m_port);
    }
    int Port() const { return m_port; }

  private:
    std::unique_ptr<ChildProgram> m_server;
    int m_port = 0;
    bool m_tls = false;
};

}  // namespace sim_test
