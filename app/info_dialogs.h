#pragma once

#include <QString>

#include <memory>

namespace tw {

class Desktop;
class Messages;
class TForm2;
class TForm5;
class WindowLock;

// The Help menu's dialogs and documents: About, References, the disclaimer and the licence.
class InfoDialogs {
public:
    InfoDialogs(WindowLock &lock, Messages &messages, Desktop &desktop, QString programDirectory);
    ~InfoDialogs();

    // "&About Tracewright": the main window is disabled until About closes.
    void About1Click();
    // "&About" of the tray menu: the main window stays usable.
    void Exit2Click();
    void References1Click();
    void Disclaimer1Click();
    void EULA1Click();
    // The main window is closing: no dialog of its own outlives it.
    void hideAll();

    TForm2 *form2() const { return form2_.get(); }
    TForm5 *form5() const { return form5_.get(); }

private:
    WindowLock &lock_;
    Messages &messages_;
    Desktop &desktop_;
    QString programDirectory_;
    // No parent: disabling the main window must not disable them.
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm5> form5_;
};

} // namespace tw
