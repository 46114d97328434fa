#include "calc/general/embedded_resistor_picture_panel.h"

#include "ui/drawing.h"

#include <QPainter>

#include <algorithm>

namespace tw {

QColor contactColour()
{
    return drawing::copper;
}

QColor overlapColour(EmbeddedType type)
{
    // Film printed over the copper, or solder mask lapping over the ends of the film.
    return type == EmbeddedType::Subtractive ? QColor(40, 140, 80) : QColor(130, 85, 160);
}

QColor resistorColour()
{
    return QColor(70, 70, 80);
}

QFrame *makeLegendSquare(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *square = new QFrame(parent);
    square->setObjectName(name);
    square->setFixedSize(14, 14);
    setLegendColour(square, colour);
    return square;
}

void setLegendColour(QFrame *square, const QColor &colour)
{
    square->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black;").arg(colour.name()));
}

ResistorPicture::ResistorPicture(QWidget *parent, const QString &name, EmbeddedType type)
    : QWidget(parent), type_(type)
{
    setObjectName(name);
    setMinimumSize(240, 170);
}

void ResistorPicture::setResistor(const ResistorGeometry &geometry)
{
    geometry_ = geometry;
    update();
}

void ResistorPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    drawing::fill(p, rect(), drawing::board);
    QFont small = p.font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    p.setFont(small);
    if (type_ == EmbeddedType::Annular)
        paintAnnular(p);
    else
        paintRectangular(p);
}

void ResistorPicture::paintRectangular(QPainter &p)
{
    const ResistorGeometry &g = geometry_;
    // The contacts are not entered: they take their size from the film.
    const double padLength = std::max(0.5 * g.width, 0.2 * g.length);
    const double padHeight = 1.4 * g.width;
    const double overlap = 0.35 * padLength;
    const double across = width() - 50.0;
    const double down = height() - 50.0;
    const drawing::Scale alongFit(g.length + 2 * padLength, across);
    const drawing::Scale acrossFit(padHeight, down);
    const drawing::Scale &scale = alongFit.factor() < acrossFit.factor() ? alongFit : acrossFit;

    const double l = scale(g.length);
    const double w = scale(g.width);
    const double pad = scale(padLength);
    const double padH = scale(padHeight);
    const double lap = std::min(scale(overlap), pad);
    const double cx = (width() - 20.0) / 2;
    const double cy = height() / 2.0 - 8;
    const double left = cx - l / 2;
    const double right = cx + l / 2;

    drawing::fill(p, QRectF(left - pad, cy - padH / 2, pad, padH), contactColour());
    drawing::fill(p, QRectF(right, cy - padH / 2, pad, padH), contactColour());
    if (type_ == EmbeddedType::Additive) {
        // The printed film reaches onto both contacts.
        drawing::fill(p, QRectF(left, cy - w / 2, l, w), resistorColour());
        drawing::fill(p, QRectF(left - lap, cy - w / 2, lap, w), overlapColour(type_));
        drawing::fill(p, QRectF(right, cy - w / 2, lap, w), overlapColour(type_));
    } else {
        // Etched film between the contacts; the mask laps over each joint.
        drawing::fill(p, QRectF(left, cy - w / 2, l, w), resistorColour());
        QColor mask = overlapColour(type_);
        mask.setAlpha(170);
        drawing::fill(p, QRectF(left - lap, cy - padH / 2, 2 * lap, padH), mask);
        drawing::fill(p, QRectF(right - lap, cy - padH / 2, 2 * lap, padH), mask);
    }

    drawing::horizontalDimension(p, left, right, cy + padH / 2 + 18, "L");
    p.drawLine(QPointF(left, cy + w / 2), QPointF(left, cy + padH / 2 + 22));
    p.drawLine(QPointF(right, cy + w / 2), QPointF(right, cy + padH / 2 + 22));
    const double dimensionX = right + pad + 16;
    p.drawLine(QPointF(right + pad + 2, cy - w / 2), QPointF(dimensionX + 4, cy - w / 2));
    p.drawLine(QPointF(right + pad + 2, cy + w / 2), QPointF(dimensionX + 4, cy + w / 2));
    drawing::dimension(p, {dimensionX, cy - w / 2}, {dimensionX, cy + w / 2}, "W", {12, 0});
}

void ResistorPicture::paintAnnular(QPainter &p)
{
    const ResistorGeometry &g = geometry_;
    const double contact = g.outerDiameter * 1.15;
    const drawing::Scale scale(contact, std::min(width() - 20.0, height() - 40.0));
    const QPointF c(width() / 2.0, height() / 2.0 + 10);
    auto disk = [&](double diameter, const QColor &colour) {
        const double r = scale(diameter) / 2;
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(c, r, r);
    };
    disk(contact, contactColour());
    disk(g.outerDiameter, resistorColour());
    disk(g.insideDiameter, contactColour());
    disk(g.insideDiameter * 0.6, Qt::white);

    const double outer = scale(g.outerDiameter) / 2;
    drawing::horizontalDimension(p, c.x() - outer, c.x() + outer, c.y() - scale(contact) / 2 - 8,
                                 "D");
    const double inner = scale(g.insideDiameter) / 2;
    if (inner >= 8)
        drawing::dimension(p, {c.x() - inner, c.y()}, {c.x() + inner, c.y()}, "d", {0, -9});
}

} // namespace tw
