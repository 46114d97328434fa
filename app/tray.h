#pragma once

#include "ui/controls.h"

#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tw {

// The notification-area icon and its right-click menu. The menu and its actions always exist;
// the icon is shown only where the desktop has a notification area.
class Tray {
public:
    Tray(Handler about, Handler exit);
    ~Tray();

    bool iconShown() const;

    // No parent: a disabled main window must not disable the tray menu.
    std::unique_ptr<QMenu> PopupMenu1;
    QAction *Exit2;
    QAction *Exit3;
    std::unique_ptr<QSystemTrayIcon> TrayIcon1;
};

} // namespace tw
