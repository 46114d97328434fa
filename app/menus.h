#pragma once

#include "ui/controls.h"

#include <array>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace tw {

class Desktop;
class LinkImage;

// What the items of the main menu lead to, besides the web pages the menu opens itself.
struct MenuHandlers {
    Handler PrinterSetup1Click;
    Handler Print1Click;
    Handler Exit1Click;
    // The panel configuration of a calculator, by index.
    std::function<void(int)> calculatorClick;
    Handler Calculator1Click;
    Handler ASCIIEditor1Click;
    Handler CopperWeight1Click;
    Handler Disclaimer1Click;
    Handler References1Click;
    Handler About1Click;
    Handler EULA1Click;
    Handler ReinstallRegistryKeys1Click;
};

// The main menu, and the maker's pictures with their links at its right end. Every item runs its
// handler through the event guard.
class MainMenu {
public:
    MainMenu(QMenuBar &bar, Desktop &desktop, const MenuHandlers &handlers);

    std::array<QAction *, 20> calculatorItems{};
    QAction *Exit1;
    QAction *CopperWeight1;
    QAction *ReinstallRegistryKeys1;
    LinkImage *Image6;
    LinkImage *Image43;
    LinkImage *Image44;
    LinkImage *Image55;
    LinkImage *Image57;

private:
    QAction *item(QMenu *menu, const char *name, const char *caption, Handler handler);
    QAction *webItem(QMenu *menu, const char *name, const char *caption, const char *address);
    void addPictures(QMenuBar &bar);

    Desktop &desktop_;
};

} // namespace tw
