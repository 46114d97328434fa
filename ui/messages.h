#pragma once

#include <QString>

class QWidget;

namespace tw {

// Every message box of the program goes through this interface, so tests can record them
// instead of blocking on a modal dialog.
class Messages {
public:
    virtual ~Messages() = default;
    // Information box with an OK button.
    virtual void information(const QString &text) = 0;
    // Titled Yes/No question; true for Yes.
    virtual bool question(const QString &title, const QString &text) = 0;
    // The standard error display for a failed event handler.
    virtual void error(const QString &text) = 0;
};

// Message boxes on screen. Pending floating-point flags survive the nested event loop of the
// box, so a computation that shows a message is still checked for its own faults afterwards.
class BoxMessages final : public Messages {
public:
    explicit BoxMessages(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void information(const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    void error(const QString &text) override;

private:
    QWidget *parent_;
};

} // namespace tw
