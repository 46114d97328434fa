#include "calc/layout/mechanical_panel.h"

#include "calc/layout/mechanical_tables.h"
#include "ui/context.h"
#include "ui/form.h"
#include "ui/result_text.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace tw {

namespace {

template <std::size_t N> QStringList lines(const std::array<const char *, N> &table)
{
    QStringList out;
    for (const char *line : table)
        out.append(QString::fromUtf8(line));
    return out;
}

QPlainTextEdit *makeMemo(QWidget *parent, const QString &name, const QStringList &text,
                         const QString &hint)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(text.join(QLatin1Char('\n')));
    setHint(memo, hint);
    return memo;
}

// The runs of text of a space-aligned line, as [first, last) character positions.
std::vector<std::pair<int, int>> columns(const QString &line)
{
    std::vector<std::pair<int, int>> runs;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char(' '))
            continue;
        qsizetype end = i;
        while (end < line.size() && line[end] != QLatin1Char(' '))
            ++end;
        runs.emplace_back(static_cast<int>(i), static_cast<int>(end));
        i = end;
    }
    return runs;
}

// Captions over the columns of a memo, placed where the memo's font puts the columns' text.
class ColumnCaptions final : public QWidget {
public:
    ColumnCaptions(QWidget *parent, QPlainTextEdit *memo, QString sample = {})
        : QWidget(parent), memo_(memo), sample_(std::move(sample)),
          left_(memo->frameWidth() + static_cast<int>(memo->document()->documentMargin()))
    {
    }
    // A caption starting at the text offset x, in the given row of captions.
    QLabel *add(const QString &name, const QString &caption, int x, int row = 0)
    {
        QLabel *label = makeLabel(this, name, caption);
        place(label, left_ + x, row);
        return label;
    }
    // A caption centred over the columns first to last of the sample line.
    QLabel *over(const QString &name, const QString &caption, int first, int last, int row)
    {
        const auto runs = columns(sample_);
        const QFontMetrics metrics = memo_->fontMetrics();
        const int from = metrics.horizontalAdvance(sample_.left(runs.at(first).first));
        const int to = metrics.horizontalAdvance(sample_.left(runs.at(last).second));
        QLabel *label = makeLabel(this, name, caption);
        place(label, left_ + (from + to - label->sizeHint().width()) / 2, row);
        return label;
    }

private:
    void place(QLabel *label, int x, int row)
    {
        const QSize size = label->sizeHint();
        label->setGeometry(std::max(0, x), row * size.height(), size.width(), size.height());
        width_ = std::max(width_, label->geometry().right() + 1);
        height_ = std::max(height_, label->geometry().bottom() + 1);
        setFixedHeight(height_);
        setMinimumWidth(width_);
    }

    QPlainTextEdit *memo_;
    QString sample_;
    int left_;
    int width_ = 0;
    int height_ = 0;
};

// Room for the longest line, the frame and the scroll bar.
void fitWidth(QPlainTextEdit *memo, const QStringList &text)
{
    int widest = 0;
    for (const QString &line : text)
        widest = std::max(widest, memo->fontMetrics().horizontalAdvance(line));
    memo->setMinimumWidth(widest + 2 * memo->frameWidth() +
                          2 * static_cast<int>(memo->document()->documentMargin()) +
                          memo->verticalScrollBar()->sizeHint().width() + 4);
}

} // namespace

MechanicalCalculator::MechanicalCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox11 = new QGroupBox(" Mechanical Info ", parent);
    GroupBox11->setObjectName("GroupBox11");

    GroupBox12 = new QGroupBox(" Wire Gauge ", GroupBox11);
    GroupBox12->setObjectName("GroupBox12");
    Form wire(
        GroupBox12, [this] { context_.recalculate(); }, &units_);
    QStringList gauges;
    for (const mechanical::WireGauge &gauge : mechanical::wireTable())
        gauges.append(QString::fromUtf8(gauge.item));
    ComboBox3 = new ComboBox(GroupBox12, "ComboBox3", gauges, true);
    ComboBox3->setEditText("4/0");
    setHint(ComboBox3, "Select the wire gauge.");
    Label74 = wire.field("Label74", "AWG", ComboBox3);
    const FormRow diameter =
        wire.result({"Label75", "Diameter", "Edit41", {}, "Diameter of selected wire."});
    Label75 = diameter.caption;
    Edit41 = diameter.box;
    const FormRow resistance = wire.result(
        {"Label200", "Ohms per 1000 feet", "Edit95", {}, "Resistance of selected wire."});
    Label200 = resistance.caption;
    Edit95 = resistance.box;
    units_.texts.push_back({Label200, "Ohms per 1000'", "Ohms per km"});
    const FormRow chassis =
        wire.result({"Label201",
                     "Max amps for wiring",
                     "Edit102",
                     {},
                     "Maximum estimated amps for chassis wiring of selected wire."});
    Label201 = chassis.caption;
    Edit102 = chassis.box;
    const FormRow power =
        wire.result({"Label99",
                     "Max amps, power tx",
                     "Edit141",
                     {},
                     "Maximum amps for power transmission. 700circular mils per amp rule."});
    Label99 = power.caption;
    Edit141 = power.box;
    wire.addStretch();
    ComboBox3->onChange = [this] { context_.recalculate(); };

    GroupBox14 = new QGroupBox(" Drill Chart ", GroupBox11);
    GroupBox14->setObjectName("GroupBox14");
    const QStringList drills = lines(mechanical::drillChart());
    Memo1 = makeMemo(GroupBox14, "Memo1", drills, "Drill chart / Diameter of drills.");
    const QFontMetrics metrics = Memo1->fontMetrics();
    const int tab = metrics.horizontalAdvance("Dia(Inches)") + metrics.horizontalAdvance("    ");
    Memo1->setTabStopDistance(tab);
    Memo1->setMinimumWidth(3 * tab + Memo1->verticalScrollBar()->sizeHint().width());
    auto *drillCaptions = new ColumnCaptions(GroupBox14, Memo1);
    Label202 = drillCaptions->add("Label202", "Drill #", 0);
    Label203 = drillCaptions->add("Label203", "Dia(Inches)", tab);
    Label204 = drillCaptions->add("Label204", "Dia(mm)", 2 * tab);
    auto *drillColumn = new QVBoxLayout(GroupBox14);
    drillColumn->addWidget(drillCaptions);
    drillColumn->addWidget(Memo1, 1);

    GroupBox19 = new QGroupBox(" Imperial Screw Thread Sizes ", GroupBox11);
    GroupBox19->setObjectName("GroupBox19");
    const QStringList threads = lines(mechanical::imperialThreads());
    Memo2 = makeMemo(GroupBox19, "Memo2", threads, "Imperial screw thread size chart.");
    fitWidth(Memo2, threads);
    auto *threadCaptions = new ColumnCaptions(GroupBox19, Memo2, threads.first());
    Label217 = threadCaptions->over("Label217", "Major Diameter", 2, 4, 0);
    Label218 = threadCaptions->over("Label218", "Pitch Diameter", 5, 7, 0);
    Label219 = threadCaptions->over("Label219", "Minor Diameter", 8, 8, 0);
    Label205 = threadCaptions->add("Label205", "Size", 0, 1);
    Label206 = threadCaptions->over("Label206", "Class", 1, 1, 1);
    Label209 = threadCaptions->over("Label209", "Basic", 2, 2, 1);
    Label207 = threadCaptions->over("Label207", "Max", 3, 3, 1);
    Label208 = threadCaptions->over("Label208", "Min", 4, 4, 1);
    Label213 = threadCaptions->over("Label213", "Basic", 5, 5, 1);
    Label214 = threadCaptions->over("Label214", "Max", 6, 6, 1);
    Label215 = threadCaptions->over("Label215", "Min", 7, 7, 1);
    Label216 = threadCaptions->over("Label216", "Max", 8, 8, 1);
    auto *threadColumn = new QVBoxLayout(GroupBox19);
    threadColumn->addWidget(threadCaptions);
    threadColumn->addWidget(Memo2, 1);

    GroupBox46 = new QGroupBox(" Metric Screw Thread Sizes ", GroupBox11);
    GroupBox46->setObjectName("GroupBox46");
    const QStringList metricThreads = lines(mechanical::metricThreads());
    Memo4 = makeMemo(GroupBox46, "Memo4", metricThreads, "Metric screw thread size chart.");
    fitWidth(Memo4, metricThreads);
    auto *metricCaptions = new ColumnCaptions(GroupBox46, Memo4, metricThreads.first());
    Label300 = metricCaptions->over("Label300", "Outside Diameter", 1, 2, 0);
    Label296 = metricCaptions->add("Label296", "Size", 0, 1);
    Label298 = metricCaptions->over("Label298", "Metric", 1, 1, 1);
    Label299 = metricCaptions->over("Label299", "Imperial", 2, 2, 1);
    auto *metricColumn = new QVBoxLayout(GroupBox46);
    metricColumn->addWidget(metricCaptions);
    metricColumn->addWidget(Memo4, 1);
    GroupBox46->hide();

    auto *top = new QHBoxLayout;
    top->addWidget(GroupBox12, 1);
    top->addWidget(GroupBox14);
    auto *threadRow = new QHBoxLayout;
    threadRow->addWidget(GroupBox19);
    threadRow->addWidget(GroupBox46);
    threadRow->addStretch(1);
    auto *column = new QVBoxLayout(GroupBox11);
    column->addLayout(top, 1);
    column->addLayout(threadRow, 1);
}

void MechanicalCalculator::declareUnits(UnitSwitch &units)
{
    units_.declareTo(units);
    units.addLeadingStep([this](UnitSystem to) { showThreads(to); });
}

void MechanicalCalculator::showThreads(UnitSystem units)
{
    GroupBox19->setVisible(units == UnitSystem::Imperial);
    GroupBox46->setVisible(units == UnitSystem::Metric);
}

void MechanicalCalculator::CalcMechanical()
{
    const bool metric = context_.metric();
    const int row = ComboBox3->itemIndex();
    if (row >= 0)
        wireRow_ = row;
    // A typed text that is no gauge keeps the last row, shown in the unit system of the
    // moment, so the texts and the current always describe the same wire.
    double mils = 0.0;
    if (wireRow_ >= 0) {
        const mechanical::WireGauge &gauge =
            mechanical::wireTable().at(static_cast<std::size_t>(wireRow_));
        showResult(Edit41, metric ? "%0.4f mm" : "%0.4f Inches", metric ? gauge.mm : gauge.inches);
        Edit95->setText(
            QString::fromUtf8(metric ? gauge.resistanceMetric : gauge.resistanceImperial));
        Edit102->setText(QString::fromUtf8(gauge.chassisWiring));
        mils = mechanical::diameterMils(gauge, metric);
    }
    showResult(Edit141, "%0.3f Amps", mechanical::powerTransmissionCurrent(mils));
}

} // namespace tw
