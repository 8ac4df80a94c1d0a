// orvik-sim: the simulated register on a pseudo-terminal, for the console and orvik-cli to
// talk to when no register is at hand.
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <span>
#include <string>

#include "sim/control_input.h"
#include "sim/key_position.h"
#include "sim/sim_options.h"
#include "sim/simulator.h"
#include "support/text_codec.h"

int main(int argc, char** argv) {
    using namespace orvik::sim;

    ProgramOptions options;
    std::string error;
    const std::span<const char* const> args(const_cast<const char* const*>(argv) + 1,
                                            static_cast<std::size_t>(argc > 0 ? argc - 1 : 0));
    switch (ParseProgramOptions(args, &options, &error)) {
        case ParseOutcome::Help:
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        case ParseOutcome::UsageError:
            std::fprintf(stderr, "orvik-sim: %s\nTry 'orvik-sim --help'.\n", error.c_str());
            return 2;
        case ParseOutcome::Run:
            break;
    }

    // The signals that end the simulator are taken by sigwait below; they are blocked before
    // the simulator's thread starts, so that it inherits the mask and never receives them.
    sigset_t endSignals;
    sigemptyset(&endSignals);
    sigaddset(&endSignals, SIGINT);
    sigaddset(&endSignals, SIGTERM);
    sigaddset(&endSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &endSignals, nullptr);
    // A closed standard output must not end the simulator before it has removed its link.
    signal(SIGPIPE, SIG_IGN);
    // Run in the background of a shell, the simulator must not be stopped for reading its
    // terminal: the control input is then refused (EIO) and tried again later.
    signal(SIGTTIN, SIG_IGN);

    SimulatorOptions simulatorOptions;
    simulatorOptions.portName = options.port;
    simulatorOptions.tapePath = options.tape;
    simulatorOptions.profile = options.profile;
    simulatorOptions.password = orvik::support::FromUtf8(options.password);
    simulatorOptions.wakeOnlyAt57600 = options.wakeOnlyAt57600;
    simulatorOptions.answersTaxNames = options.answersTaxNames;
    Simulator simulator(simulatorOptions);
    if (const auto key = KeyFromLetter(options.key)) {
        simulator.WithState([&](RegisterState& state) { TurnKey(state, *key); });
    }
    if (!simulator.Start(&error)) {
        std::fprintf(stderr, "orvik-sim: %s\n", error.c_str());
        return 1;
    }
    // The first line on standard output is the word that the port can be opened: the link is
    // made and the register answers. Scripts wait for it (scripts/start-sim.sh).
    std::printf("orvik-sim: %s is linked as %s (%s)\n", simulator.SlavePath().c_str(),
                options.port.c_str(), simulator.LinkPath().c_str());
    std::printf("orvik-sim: register %s, operator password \"%s\"\n",
                DescribeProfile(*FindProfile(options.profile)).c_str(), options.password.c_str());
    std::fflush(stdout);

    // Control lines on the standard input turn the key, take the paper out and the like. They
    // are read from before the line that invites them.
    ControlInput control(simulator, STDIN_FILENO, stdout, stderr);
    if (!control.Start(&error)) {
        std::fprintf(stderr, "orvik-sim: %s; control lines are not read\n", error.c_str());
    }
    std::printf(
        "orvik-sim: key: %s; control lines on standard input (help lists them)\n",
        simulator.WithState([](RegisterState& state) { return DescribeKey(state); }).c_str());
    std::fflush(stdout);

    int received = 0;
    sigwait(&endSignals, &received);
    control.Stop();
    simulator.Stop();
    return 0;
}
