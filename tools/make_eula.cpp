// Build step: the licence document EULA.pdf, made from the LICENSE text.
// make_eula LICENSE EULA.pdf

#include "app/licence.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Only the PDF writer is needed: no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_eula LICENSE EULA.pdf\n");
        return 2;
    }
    QFile licence(QString::fromLocal8Bit(argv[1]));
    if (!licence.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make_eula: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString text = QString::fromUtf8(licence.readAll());
    if (!tw::writeLicencePdf(text, QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "make_eula: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
