#include "ui/messages.h"

#include "ui/event_guard.h"

#include <QApplication>
#include <QMessageBox>

#include <cfenv>

namespace tw {

namespace {

// Keeps the floating-point flags of the interrupted computation across the box's event loop.
class FloatFlagsKept {
public:
    FloatFlagsKept() { std::fegetexceptflag(&flags_, FE_ALL_EXCEPT); }
    ~FloatFlagsKept() { std::fesetexceptflag(&flags_, FE_ALL_EXCEPT); }

private:
    std::fexcept_t flags_;
};

} // namespace

void BoxMessages::information(const QString &text)
{
    FloatFlagsKept kept;
    NestedEventLoop loop;
    QMessageBox::information(parent_, QApplication::applicationName(), text);
}

bool BoxMessages::question(const QString &title, const QString &text)
{
    FloatFlagsKept kept;
    NestedEventLoop loop;
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void BoxMessages::error(const QString &text)
{
    FloatFlagsKept kept;
    NestedEventLoop loop;
    QMessageBox::critical(parent_, QApplication::applicationName(), text);
}

} // namespace tw
