#include "conversion/SignalCleanup.h"

#include <cerrno>
#include <csignal>

#include "mapexport/TemporaryFileRegistry.h"

namespace ondrel::conversion {
namespace {

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// Only async-signal-safe calls: unlink, sigaction, raise. The signal stays
// blocked while the handler runs, so the raised copy is delivered, with its
// default action, as soon as the handler returns.
extern "C" void RemoveUnfinishedMapsAndEnd(int signal) {
    const int savedErrno = errno;
    TemporaryFiles().RemoveAll();
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
    errno = savedErrno;
}

}  // namespace

void RemoveUnfinishedMapsOnSignals() {
    for (const int signal : kEndingSignals) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
        struct sigaction cleanup {};
        cleanup.sa_handler = RemoveUnfinishedMapsAndEnd;
        sigemptyset(&cleanup.sa_mask);
        // While one ending signal is handled, the others wait.
        for (const int other : kEndingSignals) sigaddset(&cleanup.sa_mask, other);
        sigaction(signal, &cleanup, nullptr);
    }
}

}  // namespace ondrel::conversion
