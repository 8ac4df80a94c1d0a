#pragma once

// orvik-cli run as a script runs it, against the simulated register: its exit status, what it
// printed, and what the register received.
#include <fstream>
#include <string>
#include <vector>

#include "tests/integration/cli_run.h"
#include "tests/integration/sim_receipt_fixture.h"

namespace sim_test {

class SimReceiptCliTest : public SimReceiptTest {
  protected:
    CliRun Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", kPort, "--password", "0000"});
        return RunCli(std::move(args));
    }

    std::string WriteReceipt(const std::string& utf8Text, const std::string& name = "r.check") {
        std::string bytes;
        for (const char ch : orvik::support::Encode(orvik::support::CodePage::Ansi1251,
                                                    orvik::support::FromUtf8(utf8Text))) {
            if (ch == '\n') {
                bytes += '\r';
            }
            bytes += ch;
        }
        const std::string path = ports.Path() + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::size_t Received() const { return sim.Activity().Snapshot().commands.size(); }
    std::size_t WakeBytes() const { return sim.Activity().Snapshot().wakeBytes; }
};

}  // namespace sim_test
