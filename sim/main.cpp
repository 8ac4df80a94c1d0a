// orvik-sim: the simulated register on a pseudo-terminal, for the console and orvik-cli to
// talk to when no register is at hand.
#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <span>
#include <string>

#include "sim_options.h"
#include "simulator.h"

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

    CSimulator simulator({options.port, options.tape});
    if (!simulator.Start(&error)) {
        std::fprintf(stderr, "orvik-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("orvik-sim: %s is linked as %s (%s)\n", simulator.SlavePath().c_str(),
                options.port.c_str(), simulator.LinkPath().c_str());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&endSignals, &signal);
    simulator.Stop();
    return 0;
}
