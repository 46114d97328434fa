#include "app/licence.h"

#include "ui/errors.h"
#include "ui/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace tw {

QStringList licenceFolders(const QString &programDirectory)
{
    const QDir program(programDirectory);
    return {QDir::cleanPath(program.absolutePath()),
            QDir::cleanPath(program.absoluteFilePath("../share/tracewright"))};
}

void openLicence(Desktop &desktop, const QString &programDirectory)
{
    const QStringList folders = licenceFolders(programDirectory);
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(licenceFile);
        if (!QFileInfo(path).isFile())
            continue;
        if (!desktop.openDocument(path))
            throw HandlerError(QStringLiteral("No program could be started to show the licence "
                                              "document %1. Please open it with a PDF viewer.")
                                   .arg(QDir::toNativeSeparators(path)));
        return;
    }
    QStringList shown;
    for (const QString &folder : folders)
        shown << QDir::toNativeSeparators(folder);
    throw HandlerError(
        QStringLiteral("The licence document %1 was not found. Folders searched: %2.")
            .arg(licenceFile, shown.join(QStringLiteral(" and "))));
}

bool writeLicencePdf(const QString &text, const QString &path)
{
    // A document left from an earlier run must not pass for this one.
    QFile::remove(path);
    QPdfWriter writer(path);
    writer.setTitle("Tracewright Licence");
    writer.setCreator("Tracewright");
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    QTextDocument document;
    QFont font("DejaVu Sans");
    font.setPointSize(10);
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.print(&writer);
    return QFileInfo(path).size() > 0;
}

} // namespace tw
