// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "networklink.h"

#include "topology.h"

#include <QByteArray>
#include <QtEndian>

namespace {

constexpr auto Encoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
constexpr int SizeHeader = 4; // qCompress puts the unpacked size first, big-endian
constexpr int Level = 9;

constexpr char NameEnd = '\n'; // the network's name goes first, on a line of its own
constexpr int LongestName = 100;
constexpr qsizetype MostNameBytes
    = qsizetype {4} * LongestName; // UTF-8 takes up to four bytes a character

} // namespace

QString NetworkLink::encode(const Topology &network)
{
    const QByteArray named
        = network.name.left(LongestName).toUtf8() + NameEnd + NetworkFile::toGraphML(network);
    return QString::fromLatin1(qCompress(named, Level).toBase64(Encoding));
}

NetworkFile::ReadResult NetworkLink::decode(const QString &text)
{
    const auto refused = [](const QString &why) {
        return NetworkFile::ReadResult {std::nullopt, tr("The link's network: %1").arg(why)};
    };
    const QByteArray::FromBase64Result packed = QByteArray::fromBase64Encoding(
        text.trimmed().toLatin1(), Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!packed || packed.decoded.size() <= SizeHeader)
        return refused(tr("the link is cut off or was changed"));
    const auto size = qFromBigEndian<quint32>(packed.decoded.constData());
    if (size > NetworkFile::LargestFile)
        return refused(tr("the network is larger than a file may be"));
    const QByteArray named = qUncompress(packed.decoded);
    const qsizetype nameEnd = named.indexOf(NameEnd);
    if (named.size() != static_cast<qsizetype>(size) || nameEnd < 0 || nameEnd > MostNameBytes)
        return refused(tr("the link is cut off or was changed"));
    QString name = QString::fromUtf8(named.left(nameEnd)).left(LongestName);
    if (name.isEmpty())
        name = tr("shared network");
    return NetworkFile::parse(named.mid(nameEnd + 1), name);
}
