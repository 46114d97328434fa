#include "calc/layout/padstack_picture_panel.h"

#include "ui/drawing.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tw {

using padstack::PadType;

namespace {

const QColor hole(255, 255, 255);
const QColor solder(175, 180, 190);
const QColor solderMask(40, 120, 70);

// A length drawn as entered, or its default when it is no positive number.
double usable(double value, double fallback)
{
    return std::isfinite(value) && value > 0 ? value : fallback;
}

void disc(QPainter &p, QPointF centre, double diameter, const QColor &colour)
{
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawEllipse(centre, diameter / 2, diameter / 2);
}

} // namespace

PadstackPicture::PadstackPicture(QWidget *parent, const QString &name, PadType type)
    : QWidget(parent), type_(type)
{
    setObjectName(name);
    setMinimumSize(220, 220);
}

void PadstackPicture::setShape(const PadstackShape &shape)
{
    shape_ = shape;
    update();
}

void PadstackPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    switch (type_) {
    case PadType::ThruHole:
        drawThruHole(p);
        break;
    case PadType::BgaLand:
        drawBgaLand(p);
        break;
    case PadType::ConductorPad:
        drawConductorBetween(p, false);
        break;
    case PadType::ConductorPadBga:
        drawConductorBetween(p, true);
        break;
    case PadType::CornerToCorner:
        drawCornerToCorner(p);
        break;
    }
}

// The pad on a plane layer: the clearance to the plane, the copper ring and the hole, with the
// four spokes of a plated hole crossing the clearance.
void PadstackPicture::drawThruHole(QPainter &p) const
{
    using namespace drawing;
    const double drill = usable(shape_.drill, 32);
    const double pad = std::max(usable(shape_.pad, 56), drill);
    const double outer = std::max(usable(shape_.reliefOuter, 80), pad);
    const double side = std::min<double>(width(), height() - 60.0);
    const Scale scale(outer, side * 0.8, 3);
    const QPointF c(width() / 2.0, 30 + side / 2);

    fill(p, QRectF(c.x() - side / 2, c.y() - side / 2, side, side), plane);
    disc(p, c, scale(outer), dielectric);
    if (shape_.plated) {
        const double spoke = scale(std::min(usable(shape_.spoke, 10), pad));
        fill(p, QRectF(c.x() - scale(outer) / 2, c.y() - spoke / 2, scale(outer), spoke), copper);
        fill(p, QRectF(c.x() - spoke / 2, c.y() - scale(outer) / 2, spoke, scale(outer)), copper);
    }
    disc(p, c, scale(pad), copper);
    disc(p, c, scale(drill), hole);

    const double top = c.y() - side / 2 - 8;
    horizontalDimension(p, c.x() - scale(outer) / 2, c.x() + scale(outer) / 2, top,
                        shape_.plated ? "Outer Diameter" : "Clearance");
    const double bottom = c.y() + side / 2 + 14;
    horizontalDimension(p, c.x() - scale(pad) / 2, c.x() + scale(pad) / 2, bottom,
                        shape_.plated ? "Inner Diameter" : "Pad Diameter");
    p.setPen(Qt::black);
    p.drawText(QRectF(c.x() - 40, c.y() - 8, 80, 16), Qt::AlignCenter, "Drill");
}

// A solder ball seated on its land, seen from the side.
void PadstackPicture::drawBgaLand(QPainter &p) const
{
    using namespace drawing;
    const double w = width();
    const double h = height();
    const double boardTop = h * 0.62;
    fill(p, QRectF(w * 0.05, boardTop, w * 0.9, h * 0.25), board);
    // The ball sits a little into its land; room is left above it for its name.
    const double ball = std::min(w * 0.55, boardTop - 30);
    const double land = ball * 0.76;
    const double ballTop = boardTop - 2 - ball;
    fill(p, QRectF((w - land) / 2, boardTop - 6, land, 6), copper);
    disc(p, QPointF(w / 2, ballTop + ball / 2), ball, solder);
    horizontalDimension(p, (w - land) / 2, (w + land) / 2, boardTop + 18, "Land");
    horizontalDimension(p, (w - ball) / 2, (w + ball) / 2, ballTop - 8, "Ball");
}

// Two pads (with holes) or two BGA lands at their pitch, one conductor routed between them.
void PadstackPicture::drawConductorBetween(QPainter &p, bool lands) const
{
    using namespace drawing;
    const double pitch = usable(shape_.pitch, lands ? 40 : 100);
    const double pad = std::min(usable(shape_.padDiameter, lands ? 13 : 64), pitch);
    const double conductor = std::min(usable(shape_.conductor, lands ? 19 : 12), pitch);
    const double extent = pitch + pad;
    const Scale scale(extent, width() * 0.86, 2);
    const double cy = height() / 2.0;
    const double x1 = (width() - scale(pitch)) / 2;
    const double x2 = x1 + scale(pitch);

    fill(p, rect(), lands ? solderMask : board);
    for (double x : {x1, x2}) {
        disc(p, QPointF(x, cy), scale(pad), copper);
        if (!lands)
            disc(p, QPointF(x, cy), scale(std::min(usable(shape_.hole, 32), pad)), hole);
    }
    const double mid = (x1 + x2) / 2;
    fill(p, QRectF(mid - scale(conductor) / 2, 0, scale(conductor), height()), copper);

    horizontalDimension(p, x1, x2, cy + scale(pad) / 2 + 22, lands ? "Land Pitch" : "Pitch");
    horizontalDimension(p, mid - scale(conductor) / 2, mid + scale(conductor) / 2, 24,
                        lands ? "Conductor" : "Width");
    horizontalDimension(p, x1 + scale(pad) / 2, mid - scale(conductor) / 2, cy - 4, "S");
}

// The end of a rectangular pin, its diagonal and the drilled hole around it.
void PadstackPicture::drawCornerToCorner(QPainter &p) const
{
    using namespace drawing;
    const double a = usable(shape_.sideA, 100);
    const double b = usable(shape_.sideB, 100);
    const double c = std::sqrt(a * a + b * b);
    const double side = std::min(width(), height()) - 40.0;
    const Scale scale(c, side * 0.85, 3);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const QRectF pin(centre.x() - scale(a) / 2, centre.y() - scale(b) / 2, scale(a), scale(b));

    fill(p, rect(), board);
    disc(p, centre, scale(c) + 6, hole);
    fill(p, pin, solder);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawLine(pin.bottomLeft(), pin.topRight());
    dimension(p, pin.bottomLeft(), pin.topRight(), "c", {10, 10});
    horizontalDimension(p, pin.left(), pin.right(), pin.bottom() + 12, "a");
    verticalDimension(p, pin.left() - 10, pin.top(), pin.bottom(), "b");
}

} // namespace tw
