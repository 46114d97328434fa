#include "calc/current/via_picture_panel.h"

#include <QPainter>
#include <QPainterPath>

namespace tw {

namespace {

const QColor copperColour(205, 127, 50);
const QColor boardColour(170, 200, 130);
const QColor planeColour(150, 150, 150);

// A measured span with an arrowhead at both ends.
void arrows(QPainter &p, QPointF from, QPointF to)
{
    const QLineF line(from, to);
    p.drawLine(line);
    for (const QLineF &end : {line, QLineF(to, from)}) {
        const QLineF head(end.p2(), end.p1());
        for (double turn : {25.0, -25.0}) {
            QLineF side = head;
            side.setLength(6);
            side.setAngle(head.angle() + turn);
            p.drawLine(side);
        }
    }
}

// A caption in the column right of the board, tied to its feature by a leader line.
void sideCaption(QPainter &p, QPointF feature, double columnLeft, double width,
                 const QString &caption)
{
    p.drawLine(feature, QPointF(columnLeft - 2, feature.y()));
    p.drawText(QRectF(columnLeft, feature.y() - 14, width - columnLeft, 28),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption);
}

// The height along the left edge, its caption turned to run beside the arrow.
void heightDimension(QPainter &p, double x, double top, double bottom)
{
    arrows(p, {x, top}, {x, bottom});
    p.save();
    p.translate(x - 4, (top + bottom) / 2);
    p.rotate(-90);
    p.drawText(QRectF(-60, -14, 120, 14), Qt::AlignCenter, "Via Height");
    p.restore();
}

void drawPad(QPainter &p, double centre, double half, double y, double thickness)
{
    p.setBrush(copperColour);
    p.drawRect(QRectF(centre - half, y - thickness / 2, 2 * half, thickness));
}

} // namespace

ViaPicture::ViaPicture(QWidget *parent, const QString &name, ViaLayerSet kind)
    : QWidget(parent), kind_(kind)
{
    setObjectName(name);
    setMinimumSize(240, 290);
}

void ViaPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = p.font();
    small.setPointSizeF(7.5);
    p.setFont(small);
    p.setPen(QPen(Qt::black, 1));

    const double w = width();
    const double h = height();
    const double boardLeft = w * 0.12;
    const double boardRight = w * 0.64;
    const double column = w * 0.68;
    const double top = h * 0.16;
    const double bottom = h * 0.76;
    const double cx = (boardLeft + boardRight) / 2;
    const double hole = w * 0.06;
    const double wall = w * 0.022;
    const double copper = 5;

    p.setBrush(boardColour);
    p.drawRect(QRectF(boardLeft, top, boardRight - boardLeft, bottom - top));
    arrows(p, {cx - hole, top - 12}, {cx + hole, top - 12});
    p.drawText(QRectF(cx - 80, top - 30, 160, 14), Qt::AlignCenter, "Via Hole Diameter");
    p.setBrush(Qt::NoBrush);
    p.drawText(QRectF(0, h * 0.86, w, 16), Qt::AlignCenter, "Via Plating Thickness");
    const QPointF captionAnchor(w * 0.5, h * 0.86);

    if (kind_ == ViaLayerSet::Microvia) {
        // A laser-drilled cone from the surface to the first inner layer, over a buried plane.
        const double inner = top + (bottom - top) * 0.35;
        p.setBrush(planeColour);
        p.drawRect(QRectF(boardLeft, top + (bottom - top) * 0.7, boardRight - boardLeft, copper));
        drawPad(p, cx, hole + wall + w * 0.05, top, copper);
        drawPad(p, cx, hole * 0.55 + wall + w * 0.04, inner, copper);
        QPainterPath cone;
        cone.moveTo(cx - hole - wall, top);
        cone.lineTo(cx + hole + wall, top);
        cone.lineTo(cx + hole * 0.5 + wall, inner);
        cone.lineTo(cx - hole * 0.5 - wall, inner);
        cone.closeSubpath();
        p.setBrush(copperColour);
        p.drawPath(cone);
        QPainterPath bore;
        bore.moveTo(cx - hole, top);
        bore.lineTo(cx + hole, top);
        bore.lineTo(cx + hole * 0.5, inner - wall);
        bore.lineTo(cx - hole * 0.5, inner - wall);
        bore.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(bore);
        heightDimension(p, w * 0.07, top, inner);
        p.drawLine(QPointF(cx + hole * 0.75 + wall / 2, (top + inner) / 2), captionAnchor);
        return;
    }

    // The barrel through the whole board, its bore open.
    p.fillRect(QRectF(cx - hole, top, 2 * hole, bottom - top), Qt::white);
    if (kind_ == ViaLayerSet::MultiLayer) {
        // Two reference planes, each opened around an internal pad.
        const double openingHalf = hole + wall + w * 0.13;
        const double padHalf = hole + wall + w * 0.05;
        const double planes[] = {top + (bottom - top) / 3, top + 2 * (bottom - top) / 3};
        for (double y : planes) {
            p.setBrush(planeColour);
            p.drawRect(QRectF(boardLeft, y - copper / 2, cx - openingHalf - boardLeft, copper));
            p.drawRect(
                QRectF(cx + openingHalf, y - copper / 2, boardRight - cx - openingHalf, copper));
            drawPad(p, cx, padHalf, y, copper);
        }
        const double above = planes[0] - 10;
        arrows(p, {cx - openingHalf, above}, {cx + openingHalf, above});
        sideCaption(p, {cx + openingHalf, above}, column, w, "Ref Plane Opening Diam");
        const double below = planes[1] + 10;
        arrows(p, {cx - padHalf, below}, {cx + padHalf, below});
        sideCaption(p, {cx + padHalf, below}, column, w, "Internal Pad Diameter");
    }
    p.setBrush(copperColour);
    p.drawRect(QRectF(cx - hole - wall, top, wall, bottom - top));
    p.drawRect(QRectF(cx + hole, top, wall, bottom - top));
    drawPad(p, cx, hole + wall + w * 0.07, top, copper);
    drawPad(p, cx, hole + wall + w * 0.07, bottom, copper);
    heightDimension(p, w * 0.07, top, bottom);
    p.drawLine(QPointF(cx + hole + wall / 2, bottom - (bottom - top) * 0.12), captionAnchor);
}

} // namespace tw
