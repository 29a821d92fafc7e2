#include "quitonsignal.h"

#include "support/log.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int kSignals[] = { SIGTERM, SIGHUP, SIGINT };
int signalSocket[2] = { -1, -1 };

// Only what is safe in a signal handler: one byte to the event loop, with
// errno left as the interrupted code had it.
void onSignal(int number)
{
    const int savedErrno = errno;
    const char byte = char(number);
    const ssize_t ignored = ::write(signalSocket[0], &byte, 1);
    (void)ignored;
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : kSignals)
        sigaction(number, &action, nullptr);
}

} // namespace

void quitOnSignals(std::function<void()> beforeQuit)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0) {
        logDebug(lcApp) << "no socket pair for the end signals; they end the program at once";
        return;
    }
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, beforeQuit]() {
        char number = 0;
        if (::read(signalSocket[1], &number, 1) != 1)
            return;
        notifier->setEnabled(false);
        setHandler(SIG_DFL);
        logDebug(lcApp) << "signal" << int(number) << ": saving and quitting";
        beforeQuit();
        QCoreApplication::quit();
    });
    setHandler(onSignal);
}
