// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drawingpicture.h"

#include "networkdisplay.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QMessageBox>

#ifdef NETROUTE_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace {

bool isSvg(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

QString failure(const QString &path, const QString &reason)
{
    return DrawingPicture::tr("Could not save the picture to %1: %2.").arg(path, reason);
}

// Writes a picture: as SVG painted by the widget's own paint code, or as PNG from its pixels.
template<typename Paint, typename Pixels>
QString saveWith(QWidget &widget, const QString &path, Paint paint, Pixels pixels)
{
    if (isSvg(path)) {
#ifdef NETROUTE_HAVE_SVG
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(widget.size());
        generator.setViewBox(QRect(QPoint(), widget.size()));
        generator.setTitle(widget.accessibleName());
        generator.setDescription(widget.accessibleDescription());
        paint(&generator);
        // The generator says nothing of a failed write: look at what it left.
        if (QFileInfo(path).size() <= 0)
            return failure(path, DrawingPicture::tr("the file could not be written"));
        return {};
#else
        Q_UNUSED(widget);
        Q_UNUSED(paint);
        return failure(path, DrawingPicture::tr("this build of netroute saves PNG only"));
#endif
    }
    QImageWriter writer(path, "png");
    if (!writer.write(pixels()))
        return failure(path, writer.errorString());
    return {};
}

} // namespace

QImage DrawingPicture::image(NetworkDisplay &view)
{
    return view.picture();
}

QString DrawingPicture::save(NetworkDisplay &view, const QString &path)
{
    const auto paint = [&view](QPaintDevice *device) { view.renderPicture(device); };
    return saveWith(view, path, paint, [&view] { return image(view); });
}

QString DrawingPicture::saveWidget(QWidget &widget, const QString &path)
{
    return saveWith(
        widget, path, [&widget](QPaintDevice *device) { widget.render(device); },
        [&widget] { return widget.grab().toImage(); });
}

QString DrawingPicture::fileFilter()
{
#ifdef NETROUTE_HAVE_SVG
    return tr("PNG image (*.png);;SVG drawing (*.svg)");
#else
    return tr("PNG image (*.png)");
#endif
}

void DrawingPicture::saveWithDialog(QWidget *parent, const QString &title,
    const QString &suggestedName, const std::function<QString(const QString &path)> &save)
{
    const QString path = QFileDialog::getSaveFileName(parent, title, suggestedName, fileFilter());
    if (path.isEmpty())
        return;
    const QString error = save(path);
    if (!error.isEmpty())
        QMessageBox::warning(parent, title, error);
}
