#pragma once

// orvik-cli run as a script runs it: its exit status and what it printed.
#include <string>
#include <utility>
#include <vector>

#include "tests/integration/child_program.h"

namespace sim_test {

struct CliRun {
    int status = -1;  // exit status; -1 when it did not end by itself in time
    std::string out;
    std::string err;
};

inline CliRun RunCli(std::vector<std::string> args) {
    ChildProgram cli(ORVIK_CLI_PROGRAM, std::move(args));
    CliRun run;
    run.status = cli.Finish();
    run.out = cli.Output();
    run.err = cli.Errors();
    return run;
}

}  // namespace sim_test
