#include "app/menus.h"

#include "app/calculator_table.h"
#include "app/link_images.h"
#include "app/links.h"
#include "ui/event_guard.h"
#include "ui/platform.h"

#include <QHBoxLayout>
#include <QMenuBar>

namespace tw {

namespace {

QMenu *addMenu(QMenuBar &bar, const char *name, const char *caption)
{
    QMenu *menu = bar.addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

QAction *MainMenu::item(QMenu *menu, const char *name, const char *caption, Handler handler)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, action,
                     [handler = std::move(handler)] { guardEvent(handler); });
    return action;
}

QAction *MainMenu::webItem(QMenu *menu, const char *name, const char *caption, const char *address)
{
    return item(menu, name, caption, [this, address] { openLink(desktop_, address); });
}

MainMenu::MainMenu(QMenuBar &bar, Desktop &desktop, const MenuHandlers &h) : desktop_(desktop)
{
    bar.setObjectName("MainMenu1");

    QMenu *file = addMenu(bar, "F1", "&File");
    item(file, "PrinterSetup1", "Printer &Setup", h.PrinterSetup1Click);
    item(file, "Print1", "&Print Form", h.Print1Click);
    file->addSeparator();
    Exit1 = item(file, "Exit1", "&Exit", h.Exit1Click);

    QMenu *function = addMenu(bar, "Function1", "&Program Function");
    for (const CalculatorRow &row : calculatorTable()) {
        const int index = row.index;
        calculatorItems[static_cast<std::size_t>(index)] =
            item(function, row.menuItem, row.menuCaption,
                 [click = h.calculatorClick, index] { click(index); });
    }

    QMenu *tools = addMenu(bar, "ool1", "&Tools");
    item(tools, "Calculator1", "&Calculator", h.Calculator1Click);
    item(tools, "ASCIIEditor1", "&ASCII Editor", h.ASCIIEditor1Click);
    tools->addSeparator();
    CopperWeight1 = item(tools, "CopperWeight1", "&Program Options", h.CopperWeight1Click);

    QMenu *help = addMenu(bar, "Help1", "&Help");
    webItem(help, "HelpTopics1", "&Help Topics", link::help);
    item(help, "Disclaimer1", "&Program Disclaimer", h.Disclaimer1Click);
    help->addSeparator();
    item(help, "References1", "Program &References", h.References1Click);
    help->addSeparator();
    webItem(help, "About2", "About &Korvane, Inc.", link::about);
    item(help, "About1", "&About Tracewright", h.About1Click);
    item(help, "EULA1", "&EULA", h.EULA1Click);
    ReinstallRegistryKeys1 = item(help, "ReinstallRegistryKeys1", "Re&install Registry Keys",
                                  h.ReinstallRegistryKeys1Click);

    QAction *divider = bar.addAction("|");
    divider->setObjectName("N7");
    divider->setEnabled(false);

    QMenu *contact = addMenu(bar, "Feedback1", "&Contact Korvane, Inc.");
    webItem(contact, "SendFeedbackToKorvaneInc1", "&Send Program Feedback To Korvane, Inc.",
            link::feedback);
    contact->addSeparator();
    webItem(contact, "ContactKorvaneInc1", "&Contact Korvane, Inc.", link::contact);
    contact->addSeparator();
    webItem(contact, "RequestaDesignQuote1", "Request a PCB Design &Quote!", link::designQuote);
    webItem(contact, "RequestaProductDevelopmentQuote2", "Request a PC&B Manufacturing Quote!",
            link::manufacturingQuote);
    webItem(contact, "RequestaProductDevelopmentQuote1", "Request a Product Development Q&uote!",
            link::productQuote);
    contact->addSeparator();
    webItem(contact, "PCBDesignServices1", "&PCB Design Services", link::pcbDesign);
    webItem(contact, "ElectronicEngineeringServices1", "&Electronic Engineering Services",
            link::electronicEngineering);
    webItem(contact, "SoftwareDevelopmentServices1", "S&oftware Development Services",
            link::softwareDevelopment);
    webItem(contact, "ConsultingServices1", "Consultin&g Services", link::consulting);
    contact->addSeparator();
    webItem(contact, "FollowKorvaneonFacebook1", "Follow Korvane on &Facebook", link::facebook);
    webItem(contact, "FollowKorvaneonLinkedIn3", "Follow Korvane on &Twitter", link::twitter);
    webItem(contact, "FollowKorvaneonLinkedIn1", "Follow Korvane on &LinkedIn", link::linkedIn);
    webItem(contact, "FollowKorvaneonLinkedIn2", "Follow Korvane on &YouTube", link::youTube);

    addPictures(bar);
}

void MainMenu::addPictures(QMenuBar &bar)
{
    auto *corner = new QWidget(&bar);
    corner->setObjectName("LinkImages");
    auto *row = new QHBoxLayout(corner);
    row->setContentsMargins(0, 1, 4, 1);
    row->setSpacing(4);
    const QSize icon(18, 18);
    Image6 = new LinkImage(corner, "Image6", Picture::Logo, {86, 18}, &desktop_, link::home,
                           "Visit the Korvane, Inc. webpage.");
    Image43 = new LinkImage(corner, "Image43", Picture::Facebook, icon, &desktop_, link::facebook,
                            "Follow Korvane on Facebook");
    Image55 = new LinkImage(corner, "Image55", Picture::Twitter, icon, &desktop_, link::twitter,
                            "Follow Korvane on Twitter");
    Image44 = new LinkImage(corner, "Image44", Picture::LinkedIn, icon, &desktop_, link::linkedIn,
                            "Follow Korvane on LinkedIn");
    Image57 = new LinkImage(corner, "Image57", Picture::YouTube, icon, &desktop_, link::youTube,
                            "Follow Korvane on YouTube");
    for (QWidget *image : {static_cast<QWidget *>(Image43), static_cast<QWidget *>(Image55),
                           static_cast<QWidget *>(Image44), static_cast<QWidget *>(Image57),
                           static_cast<QWidget *>(Image6)})
        row->addWidget(image);
    bar.setCornerWidget(corner, Qt::TopRightCorner);
}

} // namespace tw
