#include "app/calculator_table.h"
#include "tests/support/window_fixture.h"
#include "ui/number_text.h"

#include <QAction>

#include <algorithm>

#include <QComboBox>
#include <QDateTime>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace tw;
using namespace tw::test;

// Random actions on the real window, with real message boxes: calculator switches, random texts
// in every box, Enter, Solve!, unit switches and option changes. After every action the window
// must still make sense. A failure names its seed and step so it can be replayed.
class RandomInputTest : public QObject {
    Q_OBJECT

private slots:
    void randomActions_data();
    void randomActions();
};

namespace {

const QStringList texts{
    "",     "0",      "-0",     "1",      "-1",     "12",       "0.5",  "0,5",   "1e9",   "-1e9",
    "1e-9", "1E400",  "1e-400", "1e308",  "-1e308", "4.9e-324", "abc",  "1.2.3", "+",     "-",
    "e5",   "1e",     "µ",      "Ω",      "１２",   "250",      "1000", "62",    "0.001", "99999",
    "3,14", "2.5E-3", "1e16",   "1e-301", "1e183",  "NaN",      "inf",  " 5",    "5 ",    "٣",
};

QString randomText(QRandomGenerator &random)
{
    if (random.bounded(10) == 0)
        return QString(300, QLatin1Char('9'));
    if (random.bounded(4) == 0)
        return QString::number(random.bounded(-1000, 1000)) + QStringLiteral(".") +
               QString::number(random.bounded(1000));
    return texts.at(random.bounded(texts.size()));
}

bool showsNotANumber(const QString &text)
{
    static const QRegularExpression word("(^|[^a-z])(nan|inf)([^a-z]|$)",
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(text).hasMatch();
}

class Run {
public:
    Run(WindowFixture &f, quint32 seed) : f_(f), w_(f.window()), random_(seed), seed_(seed) {}

    void step(int n)
    {
        step_ = n;
        switch (random_.bounded(9)) {
        case 0: {
            const int tab = random_.bounded(CalculatorCount);
            note(QStringLiteral("tab %1").arg(tab));
            f_.clickTab(tab);
            break;
        }
        case 1:
            menuSwitch();
            break;
        case 2:
        case 3:
        case 4:
            typeInto(true);
            break;
        case 5:
            typeInto(false);
            break;
        case 6:
            note(QStringLiteral("Solve!"));
            click(f_.find<QPushButton>("Button1"));
            break;
        case 7:
            chooseRadio();
            break;
        case 8:
            chooseMaterial();
            break;
        }
        check();
    }

private:
    QString where() const
    {
        return QStringLiteral("seed %1, step %2 (after %3): ")
            .arg(seed_)
            .arg(step_)
            .arg(done_.join(QStringLiteral("; ")));
    }

    void note(const QString &action)
    {
        done_.append(QStringLiteral("%1 on tab %2").arg(action).arg(w_.ActiveCalculator));
        if (done_.size() > 4)
            done_.removeFirst();
    }

    void menuSwitch()
    {
        const auto &row = calculatorTable().at(random_.bounded(CalculatorCount));
        if (auto *action = w_.findChild<QAction *>(row.menuItem))
            action->trigger();
    }

    static void click(QAbstractButton *button)
    {
        if (button && button->isEnabled() && button->isVisibleTo(button->window()))
            button->click();
    }

    QList<Edit *> editable() const
    {
        QList<Edit *> boxes;
        const QWidget *panel = shownPanel();
        for (Edit *e : w_.findChildren<Edit *>())
            if (!e->isReadOnly() && e->isEnabled() && e->isVisibleTo(&w_) &&
                (panel->isAncestorOf(e) || w_.options()->widget()->isAncestorOf(e)))
                boxes << e;
        return boxes;
    }

    void typeInto(bool enter)
    {
        const QList<Edit *> boxes = editable();
        if (boxes.isEmpty())
            return;
        Edit *box = boxes.at(random_.bounded(boxes.size()));
        const QString text = randomText(random_);
        const bool ascii =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (ascii) {
            f_.typeText(box->objectName(), text);
        } else {
            // Key events carry only ASCII; other characters are pasted in.
            box->selectAll();
            box->insert(text);
        }
        typed_[box] = box->text();
        note(QStringLiteral("'%1' in %2%3")
                 .arg(text.left(20), box->objectName(),
                      enter ? QStringLiteral(" + Enter") : QString()));
        if (enter)
            QTest::keyClick(box, Qt::Key_Return);
    }

    void chooseRadio()
    {
        static const QStringList groups{"RadioGroup3", "RadioGroup6", "RadioGroup4", "RadioGroup1"};
        auto *group = f_.find<RadioGroup>(groups.at(random_.bounded(groups.size())));
        if (!group || !group->isEnabled() || group->items().isEmpty())
            return;
        const int item = random_.bounded(group->items().size());
        note(QStringLiteral("%1 item %2").arg(group->objectName()).arg(item));
        click(group->button(item));
    }

    void chooseMaterial()
    {
        ComboBox *box = w_.options()->ComboBox1;
        if (box->isEnabled() && box->count() > 0) {
            const int item = random_.bounded(box->count());
            note(QStringLiteral("material %1").arg(item));
            box->setCurrentIndex(item);
        }
    }

    // The entries of the shown panel and of the options, for a failure to name.
    QString entries() const
    {
        QStringList shown;
        for (const QWidget *area :
             {shownPanel(), static_cast<const QWidget *>(w_.options()->widget())})
            for (const Edit *e : area->findChildren<Edit *>())
                if (!e->isReadOnly() && e->isVisibleTo(&w_))
                    shown << e->objectName() + "=" + e->text().left(24);
        return shown.join(", ");
    }

    const QWidget *shownPanel() const
    {
        const auto &row = calculatorTable().at(static_cast<std::size_t>(w_.ActiveCalculator));
        return w_.findChild<QWidget *>(row.groupBox);
    }

    void check()
    {
        const int tab = w_.TabControl1->tabIndex();
        QVERIFY2(w_.ActiveCalculator == tab, qPrintable(where() + "tab and calculator differ"));
        for (int i = 0; i < CalculatorCount; ++i) {
            const auto *box = w_.findChild<QWidget *>(calculatorTable().at(i).groupBox);
            QVERIFY2(box->isVisibleTo(&w_) == (i == tab),
                     qPrintable(where() + "panel " + box->objectName() + " shown wrongly"));
        }
        for (const QString &message : f_.messages.take())
            QVERIFY2(!message.contains("Floating point overflow"),
                     qPrintable(where() + message + " with " + entries()));
        for (QLineEdit *e : w_.findChildren<QLineEdit *>()) {
            const auto *edit = qobject_cast<Edit *>(e);
            if (edit && typed_.value(edit) == e->text())
                continue;
            QVERIFY2(!showsNotANumber(e->text()),
                     qPrintable(where() + e->objectName() + " shows " + e->text()));
            if (!edit || edit->isReadOnly())
                continue;
            // A text the program wrote into an input box reads back as a number.
            const QString text = e->text();
            QVERIFY2(text.isEmpty() || text == "N/A" || isNumber(text, f_.mode),
                     qPrintable(where() + e->objectName() + " holds " + text));
        }
        for (QLabel *l : shownPanel()->findChildren<QLabel *>())
            QVERIFY2(!showsNotANumber(l->text()),
                     qPrintable(where() + l->objectName() + " shows " + l->text()));
    }

    WindowFixture &f_;
    TForm1 &w_;
    QRandomGenerator random_;
    quint32 seed_;
    int step_ = 0;
    QHash<const Edit *, QString> typed_;
    QStringList done_;
};

} // namespace

void RandomInputTest::randomActions_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("steps");
    const int point = static_cast<int>(DecimalMode::Point);
    const int comma = static_cast<int>(DecimalMode::Comma);
    QTest::newRow("seed 1") << quint32(1) << point << 500;
    QTest::newRow("seed 2, comma") << quint32(2) << comma << 500;
    QTest::newRow("seed 3") << quint32(3) << point << 500;
    // TRACEWRIGHT_SEED replays a seed a run has printed.
    bool replay = false;
    const quint32 given = qEnvironmentVariable("TRACEWRIGHT_SEED").toUInt(&replay);
    const auto clock = replay ? given : static_cast<quint32>(QDateTime::currentMSecsSinceEpoch());
    qInfo("Seed from the clock: %u", clock);
    QTest::newRow("seed from the clock") << clock << int(clock % 2) << 500;
}

void RandomInputTest::randomActions()
{
    QFETCH(quint32, seed);
    QFETCH(int, mode);
    QFETCH(int, steps);
    WindowFixture f(static_cast<DecimalMode>(mode));
    f.install();
    f.useRealMessageBoxes();
    TForm1 &w = f.start();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Run run(f, seed);
    for (int i = 0; i < steps; ++i) {
        run.step(i);
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(RandomInputTest)
#include "tst_random_input.moc"
