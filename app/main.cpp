#include "mainboard.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a list of plugin errors; say plainly what is wrong instead.
bool displayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto isEmpty = [](const char *name) {
        const char *value = std::getenv(name);
        return !value || !*value;
    };
    return isEmpty("QT_QPA_PLATFORM") && isEmpty("DISPLAY") && isEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    if (displayMissing()) {
        std::fprintf(stderr,
            "netroute: no display found (DISPLAY is not set); to run it headless use "
            "xvfb-run %s\n",
            argv[0]);
        return 1;
    }

    QApplication app(argc, argv);
    MainBoard board;
    board.setGeometry(QRect(100, 100, 800, 560));
    board.show();
    return app.exec();
}
