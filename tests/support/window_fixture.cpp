#include "tests/support/window_fixture.h"

#include "app/settings/registry_file.h"
#include "ui/controls.h"

#include <QAbstractButton>

namespace tw::test {

void clickIndicator(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

WindowFixture::WindowFixture(DecimalMode decimalMode)
    : programDirectory(dir.filePath("bin")),
      settings(std::make_unique<NativeSettingsStore>(dir.filePath("settings.ini"))),
      mode(decimalMode)
{
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::install(const QList<std::pair<QString, QString>> &changes)
{
    registry_file::Values values = registry_file::defaults();
    for (const auto &change : changes)
        for (auto &value : values)
            if (value.first == change.first)
                value.second = change.second;
    for (const auto &value : values)
        settings->write(value.first, value.second);
}

TForm1 &WindowFixture::start()
{
    Messages &shown = realBoxes_ ? static_cast<Messages &>(boxes) : messages;
    Services services{shown,
                      *settings,
                      desktop,
                      clock,
                      [this](int code) { exitCodes.append(code); },
                      printing_ ? printing_ : &printer,
                      programDirectory};
    window_ = std::make_unique<TForm1>(services, StartOptions{true, mode});
    window_->Button3Click();
    return *window_;
}

QString WindowFixture::text(const QString &name) const
{
    QObject *object = window_->findChild<QObject *>(name);
    if (auto *edit = qobject_cast<QLineEdit *>(object))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    return QStringLiteral("<no text control %1>").arg(name);
}

void WindowFixture::typeText(const QString &name, const QString &text)
{
    auto *edit = find<QLineEdit>(name);
    Q_ASSERT_X(edit, "typeText", qPrintable(name));
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void WindowFixture::enter(const QString &name, const QString &text)
{
    typeText(name, text);
    QTest::keyClick(find<QLineEdit>(name), Qt::Key_Return);
}

void WindowFixture::enterRefused(const QString &name, const QString &text, const QString &message,
                                 const QString &correction)
{
    QVERIFY2(realBoxes_, "enterRefused checks the boxes that open: useRealMessageBoxes first");
    enter(name, text);
    QCOMPARE(boxes.onScreen, QStringList{message});
    QCOMPARE(messages.take(), QStringList{"info: " + message});
    QCOMPARE(this->text(name), correction);
}

void WindowFixture::clickRadio(const QString &group, int index)
{
    auto *radio = find<RadioGroup>(group);
    Q_ASSERT_X(radio, "clickRadio", qPrintable(group));
    clickIndicator(radio->button(index));
}

void WindowFixture::clickTab(int index)
{
    QTest::mouseClick(window_->TabControl1->tab(index), Qt::LeftButton);
}

QString WindowFixture::stored(const QString &name) const
{
    return settings->read(name).value_or(QStringLiteral("<missing>"));
}

} // namespace tw::test
