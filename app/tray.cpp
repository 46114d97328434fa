#include "app/tray.h"

#include "app/link_images.h"
#include "ui/event_guard.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace tw {

Tray::Tray(Handler about, Handler exit) : PopupMenu1(std::make_unique<QMenu>())
{
    PopupMenu1->setObjectName("PopupMenu1");
    Exit2 = PopupMenu1->addAction("&About");
    Exit2->setObjectName("Exit2");
    Exit3 = PopupMenu1->addAction("&Exit");
    Exit3->setObjectName("Exit3");
    QObject::connect(Exit2, &QAction::triggered, Exit2,
                     [about = std::move(about)] { guardEvent(about); });
    QObject::connect(Exit3, &QAction::triggered, Exit3,
                     [exit = std::move(exit)] { guardEvent(exit); });

    TrayIcon1 = std::make_unique<QSystemTrayIcon>(logoIcon());
    TrayIcon1->setObjectName("TrayIcon1");
    TrayIcon1->setToolTip("Korvane Toolkit");
    TrayIcon1->setContextMenu(PopupMenu1.get());
    if (QSystemTrayIcon::isSystemTrayAvailable())
        TrayIcon1->show();
}

Tray::~Tray()
{
    // The icon goes before the menu it points to.
    TrayIcon1.reset();
}

bool Tray::iconShown() const
{
    return TrayIcon1->isVisible();
}

} // namespace tw
