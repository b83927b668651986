// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"
#include "mainboard.h"

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Descriptors 0, 1 and 2 left closed by whoever started the program are opened on /dev/null,
// so that no later file (the display connection, say) takes their number and gets the report.
void openClosedStandardDescriptors()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", O_RDWR); // the lowest free number: fd itself
    }
}

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage> heldMessages;
const char *programName = "netroute";

// What the toolkit said about its platform before failing, or else the first line of its
// fatal message.
QString displayFailure(const QString &fatalText)
{
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        if (message.category.startsWith("qt.qpa"))
            return message.text.trimmed();
    }
    return fatalText.section(QLatin1Char('\n'), 0, 0).trimmed();
}

// While the application object is being made, the toolkit's messages are held back. If it
// finds no display it can use, it ends with a fatal message; the user then gets one line
// saying what failed instead of a list of plugin errors and an abort.
void holdStartupMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
            "netroute: cannot open a display (%s); to run it headless use xvfb-run %s\n",
            qPrintable(displayFailure(text)), programName);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.append({type, QByteArray(context.category), text});
}

// Start-up went well: what was held back is said as it would have been.
void releaseStartupMessages(QtMessageHandler toolkitHandler)
{
    qInstallMessageHandler(toolkitHandler);
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

} // namespace

int main(int argc, char **argv)
{
    openClosedStandardDescriptors();
    // A reader of the report that goes away makes writes fail; it must not end the program.
    std::signal(SIGPIPE, SIG_IGN);
    if (argc > 0 && argv[0])
        programName = argv[0];

    QApplication::setApplicationName(QStringLiteral("netroute"));
    QApplication::setApplicationVersion(QStringLiteral(NETROUTE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(NETROUTE_APP_ID));

    const QtMessageHandler toolkitHandler = qInstallMessageHandler(holdStartupMessage);
    QApplication app(argc, argv);
    releaseStartupMessages(toolkitHandler);

    installAccessibleFactory();
    MainBoard board;
    board.setGeometry(MainBoard::StartingGeometry);
    board.show();
    return QApplication::exec();
}
