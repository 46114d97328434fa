#include "app/licence.h"

#include "ui/errors.h"
#include "ui/platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
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
    // The document keeps its own margin of 2 cm around the text.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));

    // The licence file is wrapped for a terminal; the page wraps its paragraphs itself.
    QString html = QStringLiteral("<h2>Tracewright - Licence Agreement</h2>");
    static const QRegularExpression blankLines(QStringLiteral("\\n\\s*\\n"));
    for (const QString &paragraph : text.split(blankLines, Qt::SkipEmptyParts))
        html +=
            QStringLiteral("<p>") + paragraph.simplified().toHtmlEscaped() + QStringLiteral("</p>");
    QTextDocument document;
    QFont font("DejaVu Sans");
    font.setPointSize(11);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.print(&writer);
    return QFileInfo(path).size() > 0;
}

} // namespace tw
