// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtMessageHandler>

// Makes the process sound before the toolkit starts: descriptors 0, 1 and 2 that whoever
// started it left closed are opened on /dev/null, so that no later file takes their number and
// gets the report, and a reader of the report that goes away makes writes fail instead of
// ending the program.
void prepareProcess();

// Holds the toolkit's messages back while the application object is made. If the toolkit finds
// no display it can use, it ends with a fatal message; the user then gets one line saying what
// failed and exit code 1, instead of a list of plugin errors and an abort. release(), or the
// end of the hold, puts the toolkit's own handler back and says what was held as it would have
// been said.
class StartupMessageHold
{
public:
    explicit StartupMessageHold(const char *programName);
    ~StartupMessageHold();
    StartupMessageHold(const StartupMessageHold &) = delete;
    StartupMessageHold &operator=(const StartupMessageHold &) = delete;

    void release();

private:
    QtMessageHandler toolkitHandler;
    bool held = true;
};
