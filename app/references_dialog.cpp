#include "app/references_dialog.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace tw {

QString programReferences()
{
    return QStringLiteral(
        "STANDARDS\n"
        "\n"
        "IPC - Association Connecting Electronics Industries, www.ipc.org\n"
        "  IPC-2221, Generic Standard on Printed Board Design.\n"
        "  IPC-2251, Design Guide for the Packaging of High Speed Electronic Circuits.\n"
        "  IPC-2152, Standard for Determining Current Carrying Capacity in Printed Board "
        "Design.\n"
        "  IPC-2141, Design Guide for High-Speed Controlled Impedance Circuit Boards.\n"
        "\n"
        "PAPERS AND APPLICATION NOTES\n"
        "\n"
        "  DC inductance of rectangular spiral inductors, manufacturer's application note.\n"
        "  DC line resistance and current-carrying capacity of printed conductors, application "
        "note.\n"
        "  Power delivery network design: target impedance and plane capacitance, application "
        "note.\n"
        "  Microstrip width and effective dielectric constant equations, application note.\n"
        "  Fusing current of printed circuit traces, published paper.\n"
        "  Embedded microstrip impedance, application note.\n"
        "  B. C. Wadell, Transmission Line Design Handbook, Artech House, 1991.\n"
        "  S. S. Mohan, M. del Mar Hershenson, S. P. Boyd, T. H. Lee, Simple Accurate "
        "Expressions for Planar Spiral Inductances, IEEE Journal of Solid-State Circuits, "
        "vol. 34, no. 10, 1999.\n"
        "  E. Hammerstad, O. Jensen, Accurate Models for Microstrip Computer-Aided Design, "
        "IEEE MTT-S International Microwave Symposium Digest, 1980.\n"
        "\n"
        "ACKNOWLEDGEMENTS\n"
        "\n"
        "  Thanks to the engineers who contributed formulas, tables and checks of the results, "
        "and to every user who took the time to send feedback: many of the calculators and "
        "corrections in this program began as a message from a designer at work.\n");
}

TForm5::TForm5(QWidget *parent) : QDialog(parent)
{
    setObjectName("TForm5");
    setWindowTitle("Program References");
    setModal(false);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(programReferences());
    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(Memo1);
    setFixedSize(640, 400);
}

void TForm5::showEvent(QShowEvent *event)
{
    // Centred on the screen each time it opens; the text keeps its scroll position.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace tw
