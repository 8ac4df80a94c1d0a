#include "device/link/line_address.h"

#include <stdlib.h>

#include <gtest/gtest.h>

#include <fstream>

#include "device/link/registers_file.h"
#include "tests/unit/scratch_folder.h"

namespace {

using orvik::device::ParseNetworkAddress;
using orvik::device::ParseRegisters;
using orvik::device::ResolveLineAddress;

TEST(NetworkAddress, ReadsHostPortAndTlsAndRefusesTheRest) {
    struct Case {
        const char* text;
        bool valid;
        const char* host;
        const char* port;
        bool tls;
    };
    const Case cases[] = {
        {"rfc2217://127.0.0.1:7001", true, "127.0.0.1", "7001", false},
        {"rfc2217+tls://kassa-1.example.net:65535", true, "kassa-1.example.net", "65535", true},
        {"rfc2217://[::1]:7001", true, "::1", "7001", false},
        {"rfc2217://host:7001/", true, "host", "7001", false},
        {"rfc2217://host", false, "", "", false},
        {"rfc2217://:7001", false, "", "", false},
        {"rfc2217://host:0", false, "", "", false},
        {"rfc2217://host:65536", false, "", "", false},
        {"rfc2217://host:70a1", false, "", "", false},
        {"rfc2217://::1:7001", false, "", "", false},
        {"rfc2217://user@host:7001", false, "", "", false},
        {"rfc2217://ho st:7001", false, "", "", false},
        {"telnet://host:7001", false, "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string reason;
        const auto endpoint = ParseNetworkAddress(c.text, &reason);
        ASSERT_EQ(endpoint.has_value(), c.valid) << reason;
        if (endpoint) {
            EXPECT_EQ(endpoint->host, c.host);
            EXPECT_EQ(endpoint->service, c.port);
            EXPECT_EQ(endpoint->tls, c.tls);
        } else {
            EXPECT_NE(reason.find("rfc2217://HOST:PORT"), std::string::npos) << reason;
        }
    }
    EXPECT_EQ(ParseNetworkAddress("rfc2217+tls://[::1]:7001", nullptr)->Address(),
              "rfc2217+tls://[::1]:7001");
}

TEST(RegistersFile, KeepsEveryGoodRegisterAndNamesTheFirstFault) {
    struct Case {
        const char* what;
        const char* text;
        std::size_t registers;
        const char* problem;  // a part of it; empty: none
    };
    const Case cases[] = {
        {"two registers, Cyrillic and spaces, comments",
         "; the shops\n[Магазин на Садовой]\naddress = rfc2217+tls://k1:7001\noperator = 1\n"
         "ca = /etc/ca.pem\n\n[back office]\naddress=COM3\n",
         2, ""},
        {"no address", "[a]\noperator = 1\n[b]\naddress = COM1\n", 1, "[a] has no address"},
        {"a misspelt key", "[a]\naddress = COM1\nadress = COM2\n", 1, "line 3: unknown key"},
        {"a key twice", "[a]\naddress = COM1\naddress = COM2\n", 1, "line 3: \"address\""},
        {"a section twice", "[a]\naddress = COM1\n[b]\naddress = COM2\n[a]\nkey = k\n", 2,
         "line 6: [a] is named twice"},
        {"a key before any section", "address = COM1\n", 0, "line 1"},
        {"not a key line", "[a]\naddress = COM1\nwhat is this\n", 1, "line 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto file = ParseRegisters(c.text, "registers.conf");
        EXPECT_EQ(file.registers.size(), c.registers);
        if (*c.problem == '\0') {
            EXPECT_EQ(file.problem, "");
        } else {
            EXPECT_NE(file.problem.find(c.problem), std::string::npos) << file.problem;
        }
    }
    const auto shops = ParseRegisters(
        "[Магазин на Садовой]\naddress = rfc2217+tls://k1:7001\noperator = 1\nca = /etc/ca.pem\n",
        "");
    ASSERT_EQ(shops.registers.size(), 1u);
    EXPECT_EQ(shops.registers[0].name, "Магазин на Садовой");
    EXPECT_EQ(shops.registers[0].operatorName, "1");
    EXPECT_EQ(shops.registers[0].ca, "/etc/ca.pem");
}

TEST(LineAddress, ResolvesPortsAddressesAndNamesFromTheFileTheEnvironmentNames) {
    ScratchFolder folder;
    const std::string path = (folder / "registers.conf").string();
    std::ofstream(path) << "[Каса 1]\naddress = rfc2217+tls://10.0.0.5:7001\noperator = 2\n"
                           "ca = /ca.pem\n[local]\naddress = /dev/ttyUSB0\n"
                           "[plain with ca]\naddress = rfc2217://h:1\nca = /ca.pem\n"
                           "[odd]\naddress = ftp://h\n";
    ::setenv("ORVIK_REGISTERS", path.c_str(), 1);
    std::string reason;
    EXPECT_EQ(ResolveLineAddress("COM3", &reason)->serial, "COM3");
    EXPECT_EQ(ResolveLineAddress("rfc2217://h:7", &reason)->network->host, "h");
    const auto named = ResolveLineAddress("Каса 1", &reason);
    ASSERT_TRUE(named) << reason;
    EXPECT_TRUE(named->named);
    EXPECT_TRUE(named->network->tls);
    EXPECT_EQ(named->network->files.ca, "/ca.pem");
    EXPECT_EQ(named->operatorName, "2");
    EXPECT_EQ(ResolveLineAddress("local", &reason)->serial, "/dev/ttyUSB0");
    for (const char* refused : {"plain with ca", "odd", "Каса 2", "COM25"}) {
        SCOPED_TRACE(refused);
        reason.clear();
        EXPECT_FALSE(ResolveLineAddress(refused, &reason));
        EXPECT_NE(reason, "");
    }
    ::unsetenv("ORVIK_REGISTERS");
}

}  // namespace
