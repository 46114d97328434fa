#include "calc/general/planar_inductor_picture_panel.h"

#include "ui/controls.h"
#include "ui/drawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tw {

namespace {

int sidesOf(planar::SpiralShape shape)
{
    switch (shape) {
    case planar::SpiralShape::Square:
        return 4;
    case planar::SpiralShape::Hexagonal:
        return 6;
    case planar::SpiralShape::Octagonal:
        return 8;
    case planar::SpiralShape::Circular:
        break;
    }
    return 0;
}

// Where the lines n1.x = a1 and n2.x = a2 cross; the normals are never parallel here.
QPointF meet(double phi1, double a1, double phi2, double a2)
{
    const double c1 = std::cos(phi1), s1 = std::sin(phi1);
    const double c2 = std::cos(phi2), s2 = std::sin(phi2);
    const double det = c1 * s2 - s1 * c2;
    return {(a1 * s2 - s1 * a2) / det, (c1 * a2 - a1 * c2) / det};
}

} // namespace

int drawnTurns(const SpiralGeometry &g, int maxTurns)
{
    const double pitch = g.width + g.spacing;
    const double room = g.outerDiameter / 2 - g.width;
    if (!(g.turns > 0) || !(room >= 0))
        return 0;
    const double wanted = std::min(std::ceil(g.turns), static_cast<double>(maxTurns));
    if (!(pitch > 0))
        return static_cast<int>(std::min(wanted, 1.0));
    return static_cast<int>(std::min(wanted, std::floor(room / pitch) + 1));
}

QPainterPath spiralCentreLine(planar::SpiralShape shape, const SpiralGeometry &g, int maxTurns)
{
    QPainterPath path;
    const int turns = drawnTurns(g, maxTurns);
    if (turns == 0)
        return path;
    const double pitch = g.width + g.spacing;
    const double outer = g.outerDiameter / 2 - g.width / 2;
    const double drawn = std::min(g.turns, static_cast<double>(turns));
    auto apothem = [&](int turn) { return outer - std::clamp(turn, 0, turns - 1) * pitch; };

    const int sides = sidesOf(shape);
    if (sides > 0) {
        const int total = std::max(1, static_cast<int>(std::lround(drawn * sides)));
        const double step = 2 * std::numbers::pi / sides;
        auto side = [&](int k) { return apothem(k < 0 ? 0 : k / sides); };
        path.moveTo(meet(-step, side(-1), 0, side(0)));
        for (int k = 0; k < total; ++k) {
            // The last side ends where a side of its own turn would begin.
            const int next = k + 1 < total ? k + 1 : k;
            path.lineTo(meet(k * step, side(k), (k + 1) * step, side(next)));
        }
        return path;
    }

    // A circle per turn, joined to the next one over the last stretch of its round.
    const double total = drawn * 360;
    const double jog = 45;
    auto radius = [&](double degrees) {
        const int turn = static_cast<int>(degrees / 360);
        const double into = degrees - turn * 360.0;
        if (turn + 1 >= turns || into <= 360 - jog)
            return apothem(turn);
        return apothem(turn) - pitch * (into - (360 - jog)) / jog;
    };
    for (double degrees = 0;; degrees = std::min(degrees + 1.5, total)) {
        const double r = radius(degrees);
        const double a = degrees * std::numbers::pi / 180;
        const QPointF at(r * std::cos(a), r * std::sin(a));
        if (degrees == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
        if (degrees >= total)
            break;
    }
    return path;
}

SpiralPicture::SpiralPicture(QWidget *parent, const QString &name, planar::SpiralShape shape)
    : QWidget(parent), shape_(shape)
{
    setObjectName(name);
    setMinimumSize(220, 250);
}

void SpiralPicture::setSpiral(const SpiralGeometry &geometry)
{
    geometry_ = geometry;
    update();
}

void SpiralPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const SpiralGeometry &g = geometry_;
    const QPainterPath line = spiralCentreLine(shape_, g);

    const double top = 34;
    const double footer = 22;
    const double side = std::min(width() - 24.0, height() - top - footer - 12.0);
    const QRectF bounds =
        line.boundingRect().adjusted(-g.width / 2, -g.width / 2, g.width / 2, g.width / 2);
    const drawing::Scale scale(std::max({bounds.width(), bounds.height(), g.outerDiameter}), side,
                               1.0);
    const double f = scale.factor();
    const QPointF centre(width() / 2.0, top + side / 2);

    const QRectF boardRect(centre.x() - side / 2 - 8, top - 8, side + 16, side + 16);
    drawing::fill(p, boardRect, drawing::board);

    QTransform toWidget;
    toWidget.translate(centre.x(), centre.y());
    toWidget.scale(f, f);
    QPen conductor(drawing::copper, scale(g.width));
    conductor.setJoinStyle(shape_ == planar::SpiralShape::Circular ? Qt::RoundJoin : Qt::MiterJoin);
    conductor.setCapStyle(Qt::FlatCap);
    p.setPen(conductor);
    p.setBrush(Qt::NoBrush);
    const QPainterPath shown = toWidget.map(line);
    p.drawPath(shown);
    if (!shown.isEmpty()) {
        // The outer end leaves the board to the right; the inner end goes down through a via.
        const QPointF start = shown.pointAtPercent(0);
        p.drawLine(start, QPointF(boardRect.right(), start.y()));
        const double via = std::max(scale(g.width) * 0.9, 3.0);
        p.setPen(Qt::NoPen);
        p.setBrush(drawing::plane);
        p.drawEllipse(shown.currentPosition(), via / 2, via / 2);
    }

    QFont small = p.font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    p.setFont(small);
    const double outerHalf = g.outerDiameter / 2 * f;
    drawing::horizontalDimension(p, centre.x() - outerHalf, centre.x() + outerHalf, top - 14,
                                 "dout");
    const double inner = planar::innerDiameter(g.turns, g.width, g.spacing, g.outerDiameter);
    if (inner * f > 36)
        drawing::horizontalDimension(p, centre.x() - inner / 2 * f, centre.x() + inner / 2 * f,
                                     centre.y() + 10, "din");

    // Width and spacing across the outer turns on the right, where they are wide enough to
    // carry arrows.
    const double outerLine = (g.outerDiameter / 2 - g.width / 2) * f;
    const double w = g.width * f;
    const double s = g.spacing * f;
    if (w >= 10 && drawnTurns(g) >= 2 && s >= 10) {
        drawing::horizontalDimension(p, centre.x() + outerLine - w / 2,
                                     centre.x() + outerLine + w / 2, centre.y() - 14, "w");
        drawing::horizontalDimension(p, centre.x() + outerLine - w / 2 - s,
                                     centre.x() + outerLine - w / 2, centre.y() - 14, "s");
    }

    if (inner < 0 || drawnTurns(g) < std::ceil(g.turns)) {
        p.setPen(warningRed);
        p.drawText(QRectF(0, height() - footer, width(), footer), Qt::AlignCenter,
                   "The turns overlap");
    }
}

} // namespace tw
