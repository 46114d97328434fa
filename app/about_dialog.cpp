#include "app/about_dialog.h"

#include "app/link_images.h"
#include "app/links.h"
#include "app/version.h"
#include "ui/controls.h"
#include "ui/event_guard.h"
#include "ui/platform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tw {

TForm2::TForm2(Desktop &desktop, QWidget *parent) : QDialog(parent)
{
    setObjectName("TForm2");
    setWindowTitle("About Korvane, Inc. - Tracewright");
    setModal(false);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    Image1 = new LinkImage(this, "Image1", Picture::Logo, {200, 44});
    Image6 = new LinkImage(this, "Image6", Picture::Traces, {150, 70});
    StaticText1 = makeLabel(this, "StaticText1", "Korvane, Inc. - Tracewright");
    QFont title = StaticText1->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.4);
    StaticText1->setFont(title);
    Label6 = makeLabel(this, "Label6", QStringLiteral("Version ") + QLatin1String(programVersion));
    Label1 = makeLabel(this, "Label1", "Developed by:");
    Label2 = new LinkLabel(this, "Label2", "Korvane Engineering Team", &desktop, link::developer);
    Label3 = makeLabel(this, "Label3", "Korvane, Inc.");
    Label4 = new LinkLabel(this, "Label4", link::homeShown, &desktop, link::home);
    setHint(Label4, "Visit the Korvane, Inc. webpage.");
    Label5 = new LinkLabel(this, "Label5", link::salesMail, &desktop, link::salesMailTo);
    Label7 = makeLabel(this, "Label7",
                       "Free software under the MIT License, provided as is, without warranty.");
    Label7->setWordWrap(true);
    Label8 = makeLabel(this, "Label8", "Follow Us");

    const QSize icon(28, 28);
    Image2 = new LinkImage(this, "Image2", Picture::Facebook, icon, &desktop, link::facebook,
                           "Follow Korvane on Facebook");
    Image3 = new LinkImage(this, "Image3", Picture::LinkedIn, icon, &desktop, link::linkedIn,
                           "Follow Korvane on LinkedIn");
    Image55 = new LinkImage(this, "Image55", Picture::Twitter, icon, &desktop, link::twitter,
                            "Follow Korvane on Twitter");
    Image7 = new LinkImage(this, "Image7", Picture::YouTube, icon, &desktop, link::youTube,
                           "Follow Korvane on YouTube");
    Image5 =
        new LinkImage(this, "Image5", Picture::Donate, {92, 28}, &desktop, link::donate,
                      "Help keep the Korvane Tracewright free by making an online donation today!");

    Button2 = new QPushButton("Program Feedback", this);
    Button2->setObjectName("Button2");
    setHint(Button2, "Send feedback about the Tracewright to Korvane, Inc.");
    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 12);
    auto *top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addStretch(1);
    top->addWidget(Image6);
    page->addLayout(top);
    page->addSpacing(6);
    page->addWidget(StaticText1);
    page->addWidget(Label6);
    page->addSpacing(8);

    auto *facts = new QGridLayout;
    facts->setHorizontalSpacing(10);
    facts->addWidget(Label1, 0, 0);
    facts->addWidget(Label2, 0, 1);
    facts->addWidget(Label3, 1, 1);
    facts->addWidget(Label4, 2, 1);
    facts->addWidget(Label5, 3, 1);
    facts->setColumnStretch(1, 1);
    page->addLayout(facts);
    page->addSpacing(8);
    page->addWidget(Label7);
    page->addSpacing(8);

    auto *follow = new QHBoxLayout;
    follow->addWidget(Label8);
    for (QWidget *image : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(Image3),
                           static_cast<QWidget *>(Image55), static_cast<QWidget *>(Image7)})
        follow->addWidget(image);
    follow->addStretch(1);
    follow->addWidget(Image5);
    page->addLayout(follow);
    page->addSpacing(10);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    page->addLayout(buttons);
    setFixedSize(420, sizeHint().height());

    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this,
            [&desktop] { guardEvent([&desktop] { openLink(desktop, link::feedback); }); });
}

} // namespace tw
