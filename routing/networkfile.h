// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "topology.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Networks as GraphML files: read as NetworkX, igraph, yEd and Gephi write them, and written so
// that those tools read them as they are. A file that makes no network is refused with one
// message naming the file, the line and what is wrong.
class NetworkFile
{
    Q_DECLARE_TR_FUNCTIONS(NetworkFile)

public:
    static constexpr qint64 Mebibyte = qint64(1024) * 1024;
    // Larger files are refused before they are read.
    static constexpr qint64 LargestFile = 4 * Mebibyte;

    struct ReadResult
    {
        std::optional<Topology> network;
        QString error; // empty when the network was read
    };

    // The file dialogs' filter for GraphML files.
    static QString fileFilter();
    static ReadResult read(const QString &path);
    // The network is named after the file's complete base name.
    static ReadResult parse(const QByteArray &data, const QString &fileName);

    // Directed GraphML, the same bytes for the same network.
    static QByteArray toGraphML(const Topology &network);
    // Graphviz DOT: a digraph of numbered vertices at their pinned positions in points, y
    // upward, their labels, and the links with their weights as labels and edge weights.
    static QByteArray toDot(const Topology &network);
    // Replaces the file only once it is completely written; an error text, or empty.
    static QString write(const Topology &network, const QString &path);

    // Places the vertices in the built-in network's drawing area, keeping their proportions,
    // or on a circle in it when they have no positions or all share one.
    static void fitToDrawing(QList<Topology::Vertex> &vertices, bool positioned);

    // Where the example networks are looked up, most particular first: beside the program (as
    // the Windows zip has them), installed, and those built into the program.
    static QStringList exampleFolders();
    // The example files of the first folder that has any, sorted.
    static QStringList examples();
};
