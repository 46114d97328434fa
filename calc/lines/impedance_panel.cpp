#include "calc/lines/impedance_panel.h"

#include "ui/info_panel.h"
#include "ui/context.h"
#include "ui/event_guard.h"
#include "ui/messages.h"
#include "ui/options_panel.h"
#include "ui/result_text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tw {

using lines::LineTopology;

namespace {

enum Topology {
    Microstrip = 0,
    MicrostripEmbed = 1,
    Stripline = 2,
    StriplineAsym = 3,
    DualStripline = 4,
    CoplanarWave = 5,
};

const char *const heightMessage = "Conductor height cannot be less less than or equal to zero.";
const char *const errorText = "Error";

const QColor normalBlack(0, 0, 0);

Edit *unitBox(QWidget *parent, const QString &name)
{
    Edit *box = makeReadOnly(parent, name, "mils");
    box->setFixedWidth(44);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// --- Cross-section drawing -------------------------------------------------------------------

const QColor planeColour(70, 80, 90);
const QColor dielectricColour(200, 225, 190);
const QColor copperColour(205, 130, 50);

void drawLayer(QPainter &p, const QRectF &r, const QColor &colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRect(r);
}

void arrowHead(QPainter &p, QPointF tip, QPointF from)
{
    const QPointF d = tip - from;
    const double length = std::hypot(d.x(), d.y());
    if (length <= 0)
        return;
    const QPointF u = d / length;
    const QPointF n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - u * 6 + n * 3);
    head.lineTo(tip - u * 6 - n * 3);
    head.closeSubpath();
    p.fillPath(head, Qt::black);
}

// A dimension line between two points with its name beside the middle.
void dimension(QPainter &p, QPointF a, QPointF b, const QString &name, QPointF labelOffset)
{
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
    const QPointF middle = (a + b) / 2 + labelOffset;
    p.drawText(QRectF(middle.x() - 20, middle.y() - 8, 40, 16), Qt::AlignCenter, name);
}

void verticalDimension(QPainter &p, double x, double top, double bottom, const QString &name)
{
    dimension(p, {x, top}, {x, bottom}, name, {-14, 0});
}

void horizontalDimension(QPainter &p, double left, double right, double y, const QString &name)
{
    dimension(p, {left, y}, {right, y}, name, {0, -9});
}

void drawConductor(QPainter &p, const QRectF &r, bool thicknessLabel = true)
{
    drawLayer(p, r, copperColour);
    if (thicknessLabel) {
        p.setPen(Qt::black);
        p.drawText(QRectF(r.right() + 3, r.top() - 3, 20, r.height() + 6), Qt::AlignVCenter, "T");
    }
}

void erLabel(QPainter &p, QPointF at)
{
    p.setPen(Qt::black);
    p.drawText(QRectF(at.x(), at.y() - 8, 40, 16), Qt::AlignLeft | Qt::AlignVCenter, "Er");
}

} // namespace

LineCrossSection::LineCrossSection(QWidget *parent, const QString &name, LineTopology topology)
    : QWidget(parent), topology_(topology)
{
    setObjectName(name);
    setFixedSize(300, 170);
}

void LineCrossSection::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double left = 30;
    const double right = width() - 10.0;
    const double mid = (left + right) / 2;
    const double planeH = 10;
    const double stripW = 70;
    const double stripT = 6;
    QFont small = font();
    small.setPointSize(8);
    p.setFont(small);

    switch (topology_) {
    case LineTopology::Microstrip: {
        const double planeTop = height() - 20.0;
        const double surface = planeTop - 70;
        drawLayer(p, {left, planeTop, right - left, planeH}, planeColour);
        drawLayer(p, {left, surface, right - left, planeTop - surface}, dielectricColour);
        drawConductor(p, {mid - stripW / 2, surface - stripT, stripW, stripT});
        horizontalDimension(p, mid - stripW / 2, mid + stripW / 2, surface - stripT - 12, "W");
        verticalDimension(p, mid - stripW / 2 - 20, surface, planeTop, "H");
        erLabel(p, {right - 40, (surface + planeTop) / 2});
        break;
    }
    case LineTopology::MicrostripEmbed: {
        const double planeTop = height() - 20.0;
        const double surface = planeTop - 100;
        const double stripBottom = planeTop - 60;
        drawLayer(p, {left, planeTop, right - left, planeH}, planeColour);
        drawLayer(p, {left, surface, right - left, planeTop - surface}, dielectricColour);
        drawConductor(p, {mid - stripW / 2, stripBottom - stripT, stripW, stripT});
        horizontalDimension(p, mid - stripW / 2, mid + stripW / 2, stripBottom - stripT - 12, "W");
        verticalDimension(p, mid - stripW / 2 - 20, stripBottom, planeTop, "H2");
        verticalDimension(p, right - 50, surface, planeTop, "H1");
        erLabel(p, {left + 8, planeTop - 20});
        break;
    }
    case LineTopology::Stripline:
    case LineTopology::StriplineAsym: {
        const bool offset = topology_ == LineTopology::StriplineAsym;
        const double top = 15;
        const double bottom = height() - 20.0;
        const double gap = bottom - top - planeH;
        const double below = offset ? gap * 0.35 : (gap - stripT) / 2;
        const double stripBottom = bottom - below;
        drawLayer(p, {left, top, right - left, planeH}, planeColour);
        drawLayer(p, {left, top + planeH, right - left, gap}, dielectricColour);
        drawLayer(p, {left, bottom, right - left, planeH}, planeColour);
        drawConductor(p, {mid - stripW / 2, stripBottom - stripT, stripW, stripT});
        horizontalDimension(p, mid - stripW / 2, mid + stripW / 2, stripBottom - stripT - 12, "W");
        verticalDimension(p, mid - stripW / 2 - 20, stripBottom, bottom, offset ? "H1" : "H");
        verticalDimension(p, mid + stripW / 2 + 35, top + planeH, stripBottom - stripT,
                          offset ? "H2" : "H");
        erLabel(p, {right - 40, bottom - 15});
        break;
    }
    case LineTopology::DualStripline: {
        const double top = 10;
        const double bottom = height() - 20.0;
        const double gap = bottom - top - planeH;
        const double h = gap * 0.25;
        const double lowerBottom = bottom - h;
        const double upperTop = top + planeH + h;
        drawLayer(p, {left, top, right - left, planeH}, planeColour);
        drawLayer(p, {left, top + planeH, right - left, gap}, dielectricColour);
        drawLayer(p, {left, bottom, right - left, planeH}, planeColour);
        drawConductor(p, {mid - stripW / 2, lowerBottom - stripT, stripW, stripT});
        drawConductor(p, {mid - stripW / 2, upperTop, stripW, stripT}, false);
        horizontalDimension(p, mid - stripW / 2, mid + stripW / 2, lowerBottom - stripT - 10, "W");
        verticalDimension(p, mid - stripW / 2 - 20, lowerBottom, bottom, "H");
        verticalDimension(p, mid + stripW / 2 + 35, upperTop + stripT, lowerBottom - stripT, "C");
        erLabel(p, {right - 40, bottom - 15});
        break;
    }
    case LineTopology::CoplanarWave: {
        const double planeTop = height() - 20.0;
        const double surface = planeTop - 70;
        const double g = 30;
        drawLayer(p, {left, planeTop, right - left, planeH}, planeColour);
        drawLayer(p, {left, surface, right - left, planeTop - surface}, dielectricColour);
        const double stripLeft = mid - stripW / 2;
        const double stripRight = mid + stripW / 2;
        drawConductor(p, {stripLeft, surface - stripT, stripW, stripT}, false);
        drawLayer(p, {left, surface - stripT, stripLeft - g - left, stripT}, copperColour);
        drawLayer(p, {stripRight + g, surface - stripT, right - stripRight - g, stripT},
                  copperColour);
        horizontalDimension(p, stripLeft, stripRight, surface - stripT - 12, "W");
        horizontalDimension(p, stripRight, stripRight + g, surface - stripT - 12, "G");
        verticalDimension(p, stripLeft - g / 2, surface, planeTop, "H");
        erLabel(p, {right - 40, (surface + planeTop) / 2});
        break;
    }
    }
}

// --- Calculator ------------------------------------------------------------------------------

ImpedanceCalculator::ImpedanceCalculator(QWidget *parent, Context &context) : context_(context)
{
    GroupBox15 = new QGroupBox(" Conductor Impedance ", parent);
    GroupBox15->setObjectName("GroupBox15");
    QGroupBox *box = GroupBox15;

    Label100 = makeLabel(box, "Label100", "Conductor Width (W)");
    Edit67 = new Edit(box, "Edit67", "5", "Enter the total width of the conductor.");
    Edit71 = unitBox(box, "Edit71");
    Label101 = makeLabel(box, "Label101", "Conductor Height (H)");
    Edit68 =
        new Edit(box, "Edit68", "10", "Enter the conductor's height above its reference plane.");
    Edit72 = unitBox(box, "Edit72");
    Label104 = makeLabel(box, "Label104", "Conductor Height (H2)");
    Edit74 =
        new Edit(box, "Edit74", "8", "Enter the conductor's distance above its reference plane.");
    Edit75 = unitBox(box, "Edit75");
    Label288 = makeLabel(box, "Label288", "Frequency (MHz)");
    Edit226 = new Edit(box, "Edit226", "500", "Enter the frequency in MHz.");

    Label103 = makeLabel(box, "Label103", "Zo");
    Edit70 = makeReadOnly(box, "Edit70", {}, "Characteristic impedance of the conductor.");
    Label115 = makeLabel(box, "Label115", "Tpd");
    Edit77 = makeReadOnly(box, "Edit77", {}, "Propagation delay per unit length.");
    Label114 = makeLabel(box, "Label114", "Co");
    Edit76 = makeReadOnly(box, "Edit76", {}, "Capacitance per unit length.");
    Label54 = makeLabel(box, "Label54", "Lo");
    Edit73 = makeReadOnly(box, "Edit73", {}, "Inductance per unit length.");
    Label289 = makeLabel(box, "Label289", "Er Effective = ");
    Label290 = makeLabel(box, "Label290", QString());
    Label116 = makeLabel(box, "Label116", QString());
    Label188 = makeLabel(box, "Label188", "Attention!");
    Label191 = makeLabel(box, "Label191", "Please use Stripline Calculator if H1 = H2");
    setFontColour(Label188, warningRed);

    Label57 = makeLabel(box, "Label57", "Formula Restrictions:");
    Label85 = makeLabel(box, "Label85", QString());
    Label86 = makeLabel(box, "Label86", QString());
    Label246 = makeLabel(box, "Label246", QString());
    Label107 = makeLabel(box, "Label107", "(W) = ");
    Label108 = makeLabel(box, "Label108", QString());
    Label111 = makeLabel(box, "Label111", "(H) = ");
    Label112 = makeLabel(box, "Label112", QString());
    Label260 = makeLabel(box, "Label260", "Ohm = ");
    Label261 = makeLabel(box, "Label261", QString());
    Label281 = makeLabel(box, "Label281", "Note:");
    Label282 =
        makeLabel(box, "Label282", "This calculator uses a complex formula, not the simplified");
    Label283 = makeLabel(box, "Label283",
                         "formula. Its results closely track a commercial 3D field solver.");
    SpeedButton1 = new QToolButton(box);
    SpeedButton1->setObjectName("SpeedButton1");
    SpeedButton1->setText("?");
    setHint(SpeedButton1, "Why is the conductor thickness disabled?");

    Image8 = new LineCrossSection(box, "Image8", LineTopology::Microstrip);
    Image16 = new LineCrossSection(box, "Image16", LineTopology::MicrostripEmbed);
    Image22 = new LineCrossSection(box, "Image22", LineTopology::Stripline);
    Image9 = new LineCrossSection(box, "Image9", LineTopology::StriplineAsym);
    Image47 = new LineCrossSection(box, "Image47", LineTopology::DualStripline);
    Image19 = new LineCrossSection(box, "Image19", LineTopology::CoplanarWave);
    images_ = {Image8, Image16, Image22, Image9, Image47, Image19};

    // Hidden rows take no room in a grid, so the visible inputs close up.
    // One grid for inputs and results keeps the boxes aligned whatever a topology hides.
    auto *inputs = new QGridLayout;
    const std::pair<QWidget *, QWidget *> rows[] = {
        {Label100, Edit67},  {Label101, Edit68}, {Label104, Edit74},
        {Label288, Edit226}, {Label103, Edit70}, {Label115, Edit77},
        {Label114, Edit76},  {Label54, Edit73},  {Label289, Label290}};
    int row = 0;
    for (const auto &[caption, field] : rows) {
        inputs->addWidget(caption, row, 0);
        inputs->addWidget(field, row, 1);
        field->setFixedWidth(110);
        ++row;
    }
    inputs->addWidget(Edit71, 0, 2);
    inputs->addWidget(Edit72, 1, 2);
    inputs->addWidget(Edit75, 2, 2);
    inputs->setRowMinimumHeight(4, 34);
    inputs->setAlignment(Edit70, Qt::AlignBottom);
    inputs->setAlignment(Label103, Qt::AlignBottom);
    for (QLabel *l : {Label116, Label188, Label191})
        inputs->addWidget(l, row++, 0, 1, 3);

    auto *restrictions = new QGridLayout;
    auto *heading = new QHBoxLayout;
    heading->addWidget(Label57);
    heading->addStretch(1);
    heading->addWidget(SpeedButton1);
    restrictions->addLayout(heading, 0, 0, 1, 2);
    restrictions->addWidget(Label85, 1, 0, 1, 2);
    restrictions->addWidget(Label86, 2, 0, 1, 2);
    restrictions->addWidget(Label246, 3, 0, 1, 2);
    restrictions->addWidget(Label107, 4, 0);
    restrictions->addWidget(Label108, 4, 1);
    restrictions->addWidget(Label111, 5, 0);
    restrictions->addWidget(Label112, 5, 1);
    restrictions->addWidget(Label260, 6, 0);
    restrictions->addWidget(Label261, 6, 1);
    restrictions->setColumnStretch(1, 1);

    Label282->setWordWrap(true);
    Label283->setWordWrap(true);
    auto *note = new QVBoxLayout;
    note->setSpacing(0);
    note->addWidget(Label281);
    note->addWidget(Label282);
    note->addWidget(Label283);

    auto *leftColumn = new QVBoxLayout;
    leftColumn->addLayout(inputs);
    leftColumn->addStretch(1);

    auto *rightColumn = new QVBoxLayout;
    for (LineCrossSection *image : images_)
        rightColumn->addWidget(image);
    rightColumn->addLayout(restrictions);
    rightColumn->addLayout(note);
    rightColumn->addStretch(1);

    auto *columns = new QHBoxLayout(GroupBox15);
    columns->addLayout(leftColumn, 0);
    columns->addSpacing(16);
    columns->addLayout(rightColumn, 1);

    for (Edit *e : {Edit67, Edit68, Edit74, Edit226})
        e->onEnter = [this] { context_.recalculate(); };
    QObject::connect(SpeedButton1, &QToolButton::clicked, SpeedButton1,
                     [this] { guardEvent([this] { SpeedButton1Click(); }); });

    layerSelected(Microstrip);
}

void ImpedanceCalculator::declareUnits(UnitSwitch &units)
{
    for (Edit *e : {Edit71, Edit72, Edit75})
        units.addText({e, "mils", "mm"});
    units.addInput({15, Edit67, Quantity::Length});
    units.addInput({16, Edit68, Quantity::Length});
    units.addInput({17, Edit74, Quantity::Length});
}

void ImpedanceCalculator::SpeedButton1Click()
{
    context_.messages->information(
        "Conductor thickness is disabled for this calculator due to formula restrictions.");
}

void ImpedanceCalculator::layerSelected(int itemIndex)
{
    if (itemIndex < Microstrip || itemIndex > CoplanarWave)
        return;
    const auto index = static_cast<std::size_t>(itemIndex);
    const auto is = [itemIndex](std::initializer_list<int> topologies) {
        return std::find(topologies.begin(), topologies.end(), itemIndex) != topologies.end();
    };

    Label101->setText(is({MicrostripEmbed, StriplineAsym}) ? "Conductor Height (H1)"
                                                           : "Conductor Height (H)");
    static const char *const secondCaptions[] = {nullptr,
                                                 "Conductor Height (H2)",
                                                 nullptr,
                                                 "Conductor Height (H2)",
                                                 "Conductor Spacing (C)",
                                                 "Conductor Gap (G)"};
    if (secondCaptions[index])
        Label104->setText(secondCaptions[index]);
    const bool second = secondCaptions[index] != nullptr;
    for (QWidget *w : std::initializer_list<QWidget *>{Label104, Edit74, Edit75})
        w->setVisible(second);
    Edit226->setVisible(itemIndex == Microstrip);
    Label288->setVisible(itemIndex == Microstrip);

    static const char *const heightHints[] = {
        "Enter the conductor's distance above its reference plane.",
        "Enter the total thickness of the substrate.",
        "Enter the conductor's distance above and/or below its reference plane.",
        "Enter the conductor's distance below its reference plane.",
        "Enter the conductor's distance above and/or below its reference plane.",
        "Enter the conductor's distance below its reference plane."};
    setHint(Edit68, heightHints[index]);
    static const char *const secondHints[] = {
        nullptr,
        "Enter the conductor's distance above its reference plane.",
        nullptr,
        "Enter the conductor's distance above its reference plane.",
        "Enter the conductor to conductor distance.",
        "Enter the conductor to conductor distance."};
    if (secondHints[index])
        setHint(Edit74, secondHints[index]);

    for (std::size_t i = 0; i < images_.size(); ++i)
        images_[i]->setVisible(i == index);

    const bool restricted = is({MicrostripEmbed, Stripline, CoplanarWave});
    const bool heightChecked = is({MicrostripEmbed, Stripline});
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label107, Label108, Label57, Label85, Label86})
        w->setVisible(restricted);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label111, Label112, Label246, Label260, Label261})
        w->setVisible(heightChecked);
    Label116->setVisible(itemIndex == StriplineAsym);
    Label188->hide();
    Label191->hide();
    for (QWidget *w :
         std::initializer_list<QWidget *>{Label289, Label290, Label281, Label282, Label283})
        w->setVisible(itemIndex == Microstrip);
    for (QWidget *w :
         std::initializer_list<QWidget *>{Edit73, Edit76, Edit77, Label54, Label114, Label115})
        w->setVisible(itemIndex != CoplanarWave);
    SpeedButton1->setVisible(itemIndex == CoplanarWave);

    OptionsPanel *o = context_.options;
    if (!o)
        return;
    // The coplanar model ignores the thickness, so the copper is fixed at its usual stack.
    if (itemIndex == CoplanarWave)
        o->RadioGroup1->setItemIndex(2);
    const bool plating = itemIndex == Microstrip;
    for (QWidget *w :
         std::initializer_list<QWidget *>{o->RadioGroup1, o->GroupBox32, o->Edit138, o->Edit139})
        w->setEnabled(plating);
    if (itemIndex == CoplanarWave)
        o->RadioGroup4->setItemIndex(1);
    const bool base = itemIndex != CoplanarWave;
    for (QWidget *w :
         std::initializer_list<QWidget *>{o->RadioGroup4, o->GroupBox31, o->Edit136, o->Edit137})
        w->setEnabled(base);
}

QString ImpedanceCalculator::replacementLength() const
{
    return context_.metric() ? literal(context_.decimalMode, "0.0254") : QStringLiteral("1");
}

ImpedanceCalculator::Entry ImpedanceCalculator::checkPositive(Edit *box, double value,
                                                              const char *message)
{
    if (value > 0)
        return Entry::Accepted;
    context_.messages->information(message);
    box->setText(replacementLength());
    // The recalculation with the replaced entry writes every result, so this run stops here.
    context_.recalculate();
    return Entry::Corrected;
}

void ImpedanceCalculator::showCopper(double t)
{
    if (context_.metric())
        showResult(context_.info->Label56, "%3.0f um", t * 1000);
    else
        showResult(context_.info->Label56, "%.2f mils", t);
}

void ImpedanceCalculator::showPerLength(double tpd, double z, bool zValid,
                                        bool errorWhenNotPositive)
{
    const bool metric = context_.metric();
    auto show = [errorWhenNotPositive](Edit *box, const char *format, double value) {
        if (errorWhenNotPositive && !(value > 0))
            box->setText(errorText);
        else
            showResult(box, format, value);
    };
    show(Edit77, metric ? "%.4f ps/cm" : "%.4f ps/in", tpd);
    const lines::PerLengthResult perLength =
        zValid ? lines::LinePerLength(z, tpd) : lines::PerLengthResult{};
    if (!perLength.valid) {
        Edit76->setText(errorText);
        Edit73->setText(errorText);
        return;
    }
    show(Edit76, metric ? "%.4f pF/cm" : "%.4f pF/in", perLength.c0);
    show(Edit73, metric ? "%.4f nH/cm" : "%.4f nH/in", perLength.l0);
}

void ImpedanceCalculator::showRangeCheck(QLabel *label, double value, double low, double high)
{
    if (value >= low && value <= high) {
        label->setText(generalFloatText(value, context_.decimalMode));
        setFontColour(label, normalBlack);
    } else {
        label->setText(formatResult("%.1f", value) + " Warning!");
        setFontColour(label, warningRed);
    }
}

void ImpedanceCalculator::showImpedanceCheck(double z, bool valid)
{
    if (!valid) {
        Label261->setText(errorText);
        setFontColour(Label261, warningRed);
    } else if (z >= 40 && z <= 90) {
        showResult(Label261, "%.4f", z);
        setFontColour(Label261, normalBlack);
    } else {
        Label261->setText(formatResult("%.4f", z) + " Warning!");
        setFontColour(Label261, warningRed);
    }
}

void ImpedanceCalculator::showStriplineResult(lines::LineTopology topology, double er, double z,
                                              bool valid)
{
    if (valid)
        showResult(Edit70, "%.3f Ohms", z);
    else
        Edit70->setText(errorText);
    const lines::DelayResult delay = lines::propagationDelay(topology, er);
    showPerLength(context_.metric() ? delay.psPerCentimetre : delay.psPerInch, z, valid, true);
}

void ImpedanceCalculator::showLineError()
{
    for (Edit *e : {Edit70, Edit77, Edit76, Edit73})
        e->setText(errorText);
}

void ImpedanceCalculator::showWidthHeightChecks(const QString &heightName, double w, double h,
                                                double z, bool zValid)
{
    const bool metric = context_.metric();
    if (metric)
        setRestrictions("0.127mm < (W) < 0.381mm", "0.127mm < (" + heightName + ") < 0.381mm",
                        "40< Ohms < 90");
    else
        setRestrictions("5mils < (W) < 15mils", "5mils < (" + heightName + ") < 15mils",
                        "40< Ohms < 90");
    const double low = metric ? 0.1269 : 5;
    const double high = metric ? 0.3811 : 15;
    Label107->setText("(W) = ");
    showRangeCheck(Label108, w, low, high);
    Label111->setText("(H) = ");
    showRangeCheck(Label112, h, low, high);
    showImpedanceCheck(z, zValid);
}

void ImpedanceCalculator::setRestrictions(const QString &first, const QString &second,
                                          const QString &third)
{
    Label85->setText(first);
    Label86->setText(second);
    Label246->setText(third);
}

void ImpedanceCalculator::CalcConductorImpedance()
{
    OptionsPanel &o = *context_.options;
    const UnitSystem units = context_.metric() ? UnitSystem::Metric : UnitSystem::Imperial;
    const double tb = o.baseCopperThickness(units);
    const double tp = o.platingThickness(units);

    const double er = context_.parse(o.Edit7->text());
    if (er <= 1) {
        context_.messages->information("Minimum Er value can't be less than or equal to 1");
        o.Edit7->setText(literal(context_.decimalMode, "1.01"));
        context_.recalculate();
        return;
    }
    const double w = context_.parse(Edit67->text());
    if (checkPositive(Edit67, w, "Conductor width cannot be less less than or equal to zero.") ==
        Entry::Corrected)
        return;
    const double h = context_.parse(Edit68->text());
    if (checkPositive(Edit68, h, heightMessage) == Entry::Corrected)
        return;
    showResult(Label108, "%.3f", w / h);

    switch (o.RadioGroup3->itemIndex()) {
    case Microstrip:
        calcMicrostrip(w, h, tb + tp, er);
        break;
    case MicrostripEmbed:
        calcEmbedded(w, h, tb, er);
        break;
    case Stripline:
        calcStripline(w, h, tb, er);
        break;
    case StriplineAsym:
        calcOffsetStripline(w, h, tb, er);
        break;
    case DualStripline:
        calcDualStripline(w, h, tb, er);
        break;
    case CoplanarWave:
        calcCoplanar(w, h, tb + tp, er);
        break;
    default:
        break;
    }
}

void ImpedanceCalculator::calcMicrostrip(double w, double h, double t, double er)
{
    const double ghz = context_.parse(Edit226->text()) * 0.001;
    // The dispersion has no value below zero; say so and keep what the last pass showed.
    if (ghz < 0) {
        context_.messages->information("Frequency can't be negative");
        return;
    }
    showCopper(t);
    const bool metric = context_.metric();
    const double wMm = metric ? w : w * 0.001 * 25.4;
    const double hMm = metric ? h : h * 0.001 * 25.4;
    const double tMm = metric ? t : t * 0.001 * 25.4;

    const lines::MicrostripResult line = lines::MicrostripLine(wMm, hMm, tMm, er, ghz, hMm);
    if (!line.valid) {
        // No conductor thickness: the model has no value there.
        Label290->setText(errorText);
        showLineError();
        return;
    }
    showResult(Label290, "%.4f", line.erEff);
    showResult(Edit70, "%.4f Ohms", line.z);
    const lines::DelayResult delay = lines::propagationDelay(LineTopology::Microstrip, line.erEff);
    showPerLength(metric ? delay.psPerCentimetre : delay.psPerInch, line.z, true, false);
}

void ImpedanceCalculator::calcEmbedded(double w, double h1, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const double h2 = context_.parse(Edit74->text());
    if (checkPositive(Edit74, h2, heightMessage) == Entry::Corrected)
        return;
    // The formula wants the conductor inside the dielectric, with its thickness.
    if (t + h2 >= h1)
        context_.messages->information("Conductor Height2 can't be greater than or equal to "
                                       "Conductor Height1 + Copper Weight");

    const double toInch = metric ? 0.03937007874015748 : 0.001;
    const lines::EmbeddedMicrostripResult line =
        lines::EmbeddedMicrostripLine(w * toInch, h1 * toInch, h2 * toInch, t * toInch, er);
    if (line.valid) {
        showResult(Edit70, "%.4f Ohms", line.z);
        const lines::DelayResult delay =
            lines::propagationDelay(LineTopology::MicrostripEmbed, line.erPrime);
        showPerLength(metric ? delay.psPerCentimetre : delay.psPerInch, line.z, true, false);
    } else {
        showLineError();
    }

    showWidthHeightChecks("H1", w, h1, line.z, line.valid);
}

void ImpedanceCalculator::calcStripline(double w, double h, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const lines::StriplineResult line = lines::SymmetricStriplineLine(w, h, t, er);
    if (line.valid) {
        showResult(Edit70, "%.3f Ohms", line.z);
        const lines::DelayResult delay = lines::propagationDelay(LineTopology::Stripline, er);
        showPerLength(metric ? delay.psPerCentimetre : delay.psPerInch, line.z, true, false);
    } else {
        showLineError();
    }

    showWidthHeightChecks("2H", w, h, line.z, line.valid);
}

void ImpedanceCalculator::calcOffsetStripline(double w, double h1, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const double h2 = context_.parse(Edit74->text());
    if (checkPositive(Edit74, h2, heightMessage) == Entry::Corrected)
        return;
    const bool centred = h1 == h2;
    Label188->setVisible(centred);
    Label191->setVisible(centred);

    const double toMils = metric ? 1000 / 25.4 : 1.0;
    const lines::OffsetStriplineResult line =
        lines::OffsetStriplineLine(w * toMils, h1 * toMils, h2 * toMils, t * toMils, er);
    Label116->setText(line.mode == lines::OffsetStriplineMode::Narrow ? "Narrow calculation mode"
                                                                      : "Wide calculation mode");
    showStriplineResult(LineTopology::StriplineAsym, er, line.z, line.valid);
}

void ImpedanceCalculator::calcDualStripline(double w, double h, double t, double er)
{
    showCopper(t);
    const bool metric = context_.metric();
    const double d = context_.parse(Edit74->text());
    if (checkPositive(Edit74, d, "Conductor spacing cannot be less less than or equal to zero.") ==
        Entry::Corrected)
        return;
    const double toMils = metric ? 1000 / 25.4 : 1.0;
    const lines::StriplineResult line =
        lines::DualStriplineLine(w * toMils, h * toMils, d * toMils, t * toMils, er);
    showStriplineResult(LineTopology::DualStripline, er, line.z, line.valid);
}

void ImpedanceCalculator::calcCoplanar(double w, double h, double t, double er)
{
    // The thickness is shown, though the model does not use it.
    showCopper(t);
    const bool metric = context_.metric();
    const double g = context_.parse(Edit74->text());
    if (checkPositive(Edit74, g, "Conductor gap cannot be less less than or equal to zero.") ==
        Entry::Corrected)
        return;
    const lines::CoplanarResult line = lines::GroundedCoplanarLine(w, h, g, er);
    if (line.valid)
        showResult(Edit70, "%.4f Ohms", line.z);
    else
        Edit70->setText(errorText);

    Label107->setText("W/H = ");
    const double ratio = w / h;
    showResult(Label108, "%.3f", ratio);
    // The ratio has no unit, so both systems share one window.
    setFontColour(Label108, ratio >= 0.1 && ratio < 2.0 ? normalBlack : warningRed);

    setRestrictions("0.1 < W/H < 2.0",
                    metric ? formatResult("T = %.0fum", t * 1000) : formatResult("T = %.2fmils", t),
                    Label246->text());
}

} // namespace tw
