// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "networkfile.h"

#include <QCoreApplication>
#include <QString>

class Topology;

// A network carried in a web link, so that it can be shared without a file to host: its GraphML
// compressed and written in base64url, which a URL carries as it is.
class NetworkLink
{
    Q_DECLARE_TR_FUNCTIONS(NetworkLink)

public:
    static QString encode(const Topology &network);
    // The network a link's text carries, refused as a bad file would be; nothing larger than a
    // file may be is ever unpacked.
    static NetworkFile::ReadResult decode(const QString &text);
};
