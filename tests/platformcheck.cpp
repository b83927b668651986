// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into every unit test: a run meant for one platform plugin that got another (a
// variable that did not reach the process, say) fails instead of passing on the wrong one.

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstdio>

namespace {

void checkPlatform()
{
    const QByteArray wanted = qgetenv("NETROUTE_TEST_PLATFORM");
    if (wanted.isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String(wanted))
        qFatal("the test runs on the platform plugin \"%s\", not \"%s\"", qPrintable(platform),
            wanted.constData());
    std::fprintf(stderr, "platform plugin: %s\n", qPrintable(platform));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(checkPlatform)
