// SPDX-FileCopyrightText: The netroute developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "savedialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

namespace {

constexpr QLatin1String FilterSeparator(";;");

// The extensions a name filter lists: "PNG image (*.png)" gives "png".
QStringList suffixes(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
    QStringList found;
    if (open < 0 || close < open)
        return found;
    const QStringList patterns
        = filter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &pattern : patterns) {
        if (pattern.startsWith(QLatin1String("*.")))
            found << pattern.mid(2);
    }
    return found;
}

// The folders chosen during this run, by kind.
QHash<int, QString> &lastFolders()
{
    static QHash<int, QString> folders;
    return folders;
}

// Opens a message box without an event loop of its own, the keyboard at its default button,
// where Qt for WebAssembly does not put it.
void openBox(QMessageBox *box)
{
    box->open();
    if (QPushButton *button = box->defaultButton())
        button->setFocus(Qt::ActiveWindowFocusReason);
}

#ifdef Q_OS_WASM
// What a name filter calls its files: "PNG image (*.png)" gives "PNG image".
QString kindName(const QString &filter)
{
    return filter.left(filter.lastIndexOf(QLatin1Char('('))).trimmed();
}

void download(QWidget *parent, const SaveDialog::Request &request, const QString &name)
{
    const SaveDialog::Content content = request.produce(name);
    if (!content.error.isEmpty()) {
        SaveDialog::showFailure(parent, request.title, content.error);
        return;
    }
    QFileDialog::saveFileContent(content.bytes, name);
    if (request.saved)
        request.saved(name);
}
#endif

} // namespace

void SaveDialog::ask(QWidget *parent, const Request &request)
{
#ifdef Q_OS_WASM
    // The browser has no folders to choose from: it offers the bytes as a download. Where the
    // filters give a choice of format, a box asks for it, as the dialog's filter would.
    const QStringList filters = request.filters.split(FilterSeparator);
    if (filters.size() < 2) {
        download(parent, request, request.suggestedName);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Question, request.title,
        tr("Save it as which kind of file?"), QMessageBox::Cancel, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    const QString name = QFileInfo(request.suggestedName).completeBaseName();
    for (const QString &filter : filters) {
        QPushButton *button = box->addButton(kindName(filter), QMessageBox::AcceptRole);
        QObject::connect(button, &QPushButton::clicked, box, [parent, request, name, filter] {
            download(parent, request, nameFor(name, request.filters, filter));
        });
        if (!box->defaultButton())
            box->setDefaultButton(button);
    }
    openBox(box);
#else
    auto *dialog = new QFileDialog(
        parent, request.title, startPath(request.folder, request.suggestedName), request.filters);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    // So that the dialog asks before replacing the file that will really be written.
    const auto takeSuffix
        = [dialog](const QString &filter) { dialog->setDefaultSuffix(suffixes(filter).value(0)); };
    takeSuffix(dialog->selectedNameFilter());
    QObject::connect(dialog, &QFileDialog::filterSelected, dialog, takeSuffix);
    QObject::connect(
        dialog, &QFileDialog::fileSelected, dialog, [parent, request, dialog](const QString &path) {
            const QString filter = dialog->selectedNameFilter();
            const QString error = saveChosen(request, path, filter);
            if (!error.isEmpty())
                showFailure(parent, request.title, error);
            else if (request.saved)
                request.saved(nameFor(path, request.filters, filter));
        });
    dialog->open();
#endif
}

QString SaveDialog::saveChosen(const Request &request, const QString &path, const QString &filter)
{
    const QString name = nameFor(path, request.filters, filter);
    lastFolders()[request.folder] = QFileInfo(name).absolutePath();
    return save(request, name);
}

QString SaveDialog::save(const Request &request, const QString &path)
{
    const Content content = request.produce(path);
    if (!content.error.isEmpty())
        return content.error;
    const QString reason = write(path, content.bytes);
    return reason.isEmpty() ? QString() : request.failure.arg(path, reason);
}

QString SaveDialog::nameFor(const QString &path, const QString &filters, const QString &filter)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const QString &known : filters.split(FilterSeparator)) {
        if (!suffix.isEmpty() && suffixes(known).contains(suffix, Qt::CaseInsensitive))
            return path;
    }
    const QStringList wanted
        = suffixes(filter.isEmpty() ? filters.section(FilterSeparator, 0, 0) : filter);
    return wanted.isEmpty() ? path : path + QLatin1Char('.') + wanted.first();
}

QString SaveDialog::startPath(QStandardPaths::StandardLocation folder, const QString &name)
{
    QString directory = lastFolders().value(folder);
    if (directory.isEmpty())
        directory = QStandardPaths::writableLocation(folder);
    if (directory.isEmpty() || !QDir(directory).exists())
        directory = QDir::homePath();
    return QDir(directory).filePath(name);
}

QString SaveDialog::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

void SaveDialog::showFailure(QWidget *parent, const QString &title, const QString &message)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    openBox(box);
}
