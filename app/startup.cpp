// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Made on first use, so that no list is built before main runs.
QList<HeldMessage> &heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

const char *heldProgramName = "netroute";

// The reason the toolkit gave before failing: the first warning it made while starting (a
// plugin that failed to load comes after the cause), or else the first line of its fatal message.
QString displayFailure(const QString &fatalText)
{
    for (const HeldMessage &message : std::as_const(heldMessages())) {
        if (message.type == QtWarningMsg || message.type == QtCriticalMsg)
            return message.text.trimmed();
    }
    return fatalText.section(QLatin1Char('\n'), 0, 0).trimmed();
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
            "netroute: cannot open a display (%s); to run it headless use xvfb-run %s\n",
            qPrintable(displayFailure(text)), heldProgramName);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages().append({type, QByteArray(context.category), text});
}

} // namespace

#ifdef Q_OS_WIN
// A Windows program of the GUI subsystem gets no console. Started from one, it reports there;
// output that was redirected (a file, a pipe) stays where it goes. Without either, the report is
// lost and the search goes on unchanged.
void prepareProcess()
{
    const bool redirected = _get_osfhandle(_fileno(stdout)) >= 0;
    if (!redirected && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
}
#else
void prepareProcess()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", O_RDWR); // the lowest free number: fd itself
    }
    std::signal(SIGPIPE, SIG_IGN);
}
#endif

StartupMessageHold::StartupMessageHold(const char *programName)
    : toolkitHandler(qInstallMessageHandler(holdMessage))
{
    if (programName)
        heldProgramName = programName;
}

StartupMessageHold::~StartupMessageHold()
{
    release();
}

void StartupMessageHold::release()
{
    if (!held)
        return;
    held = false;
    qInstallMessageHandler(toolkitHandler);
    for (const HeldMessage &message : std::as_const(heldMessages())) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages().clear();
}
