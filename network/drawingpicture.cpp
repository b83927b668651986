// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawingpicture.h"

#include "networkdisplay.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QWidget>
#include <QXmlStreamWriter>

#ifdef NETROUTE_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace {

constexpr qreal PointsPerInch = 72;

bool hasSuffix(const QString &name, const char *suffix)
{
    return QFileInfo(name).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

// "%1" the file, "%2" why.
QString failureWording()
{
    return DrawingPicture::tr("Could not save the picture to %1: %2.");
}

QString failure(const QString &path, const QString &reason)
{
    return failureWording().arg(path, reason);
}

// QPdfWriter takes a title but no description: both go into the document's XMP metadata.
QByteArray xmpMetadata(const QString &title, const QString &description)
{
    const QString rdf = QStringLiteral("http://www.w3.org/1999/02/22-rdf-syntax-ns#");
    const QString dc = QStringLiteral("http://purl.org/dc/elements/1.1/");
    QByteArray xmp;
    QXmlStreamWriter xml(&xmp);
    xml.writeProcessingInstruction(QStringLiteral("xpacket"),
        QStringLiteral("begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\""));
    const QString meta = QStringLiteral("adobe:ns:meta/");
    xml.writeNamespace(meta, QStringLiteral("x"));
    xml.writeNamespace(rdf, QStringLiteral("rdf"));
    xml.writeNamespace(dc, QStringLiteral("dc"));
    xml.writeStartElement(meta, QStringLiteral("xmpmeta"));
    xml.writeStartElement(rdf, QStringLiteral("RDF"));
    xml.writeStartElement(rdf, QStringLiteral("Description"));
    xml.writeAttribute(rdf, QStringLiteral("about"), QString());
    const std::pair<const char *, QString> entries[]
        = {{"title", title}, {"description", description}};
    for (const auto &[name, text] : entries) {
        xml.writeStartElement(dc, QLatin1String(name));
        xml.writeStartElement(rdf, QStringLiteral("Alt"));
        xml.writeStartElement(rdf, QStringLiteral("li"));
        xml.writeAttribute(QStringLiteral("xml:lang"), QStringLiteral("x-default"));
        xml.writeCharacters(text);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeProcessingInstruction(QStringLiteral("xpacket"), QStringLiteral("end=\"w\""));
    return xmp;
}

// One page the widget's size, at the widget's resolution so that its fonts keep their size.
template<typename Paint> QByteArray pdf(QWidget &widget, const Paint &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer); // done with the document when it goes
        const int resolution = widget.logicalDpiX();
        writer.setResolution(resolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(widget.size()) * PointsPerInch / resolution,
                            QPageSize::Point, QString(), QPageSize::ExactMatch),
                QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(widget.accessibleName());
        writer.setDocumentXmpMetadata(
            xmpMetadata(widget.accessibleName(), widget.accessibleDescription()));
        paint(&writer);
    }
    return bytes;
}

// Made in memory: as PDF or SVG painted by the widget's own paint code, or as PNG from its
// pixels.
template<typename Paint, typename Pixels>
SaveDialog::Content content(
    QWidget &widget, const QString &name, const Paint &paint, const Pixels &pixels)
{
    if (hasSuffix(name, "pdf"))
        return {pdf(widget, paint), {}};
    SaveDialog::Content content;
    QBuffer buffer(&content.bytes);
    buffer.open(QIODevice::WriteOnly);
    if (hasSuffix(name, "svg")) {
#ifdef NETROUTE_HAVE_SVG
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(widget.size());
        generator.setViewBox(QRect(QPoint(), widget.size()));
        generator.setTitle(widget.accessibleName());
        generator.setDescription(widget.accessibleDescription());
        paint(&generator);
#else
        content.error
            = failure(name, DrawingPicture::tr("this build of netroute saves PNG and PDF only"));
#endif
    } else {
        QImageWriter writer(&buffer, "png");
        if (!writer.write(pixels()))
            content.error = failure(name, writer.errorString());
    }
    return content;
}

template<typename Paint, typename Pixels>
SaveDialog::Request pictureRequest(QWidget &widget, const QString &title,
    const QString &suggestedName, const Paint &paint, const Pixels &pixels)
{
    return {title, suggestedName, QStandardPaths::PicturesLocation, DrawingPicture::fileFilter(),
        failureWording(),
        [&widget, paint, pixels](
            const QString &name) { return content(widget, name, paint, pixels); },
        {}};
}

} // namespace

QImage DrawingPicture::image(NetworkDisplay &view)
{
    return view.picture();
}

SaveDialog::Request DrawingPicture::request(
    NetworkDisplay &view, const QString &title, const QString &suggestedName)
{
    return pictureRequest(
        view, title, suggestedName, [&view](QPaintDevice *device) { view.renderPicture(device); },
        [&view] { return image(view); });
}

SaveDialog::Request DrawingPicture::widgetRequest(
    QWidget &widget, const QString &title, const QString &suggestedName)
{
    return pictureRequest(
        widget, title, suggestedName, [&widget](QPaintDevice *device) { widget.render(device); },
        [&widget] { return widget.grab().toImage(); });
}

QString DrawingPicture::fileFilter()
{
#ifdef NETROUTE_HAVE_SVG
    return tr("PNG image (*.png);;PDF document (*.pdf);;SVG drawing (*.svg)");
#else
    return tr("PNG image (*.png);;PDF document (*.pdf)");
#endif
}
