#include "ui/drawing.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tw::drawing {

void fill(QPainter &p, const QRectF &r, const QColor &colour)
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

void dimension(QPainter &p, QPointF a, QPointF b, const QString &name, QPointF labelOffset)
{
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(a, b);
    arrowHead(p, a, b);
    arrowHead(p, b, a);
    const QPointF middle = (a + b) / 2 + labelOffset;
    // As wide as the name, so a long one is not cut.
    const double width = std::max(40.0, p.fontMetrics().horizontalAdvance(name) + 4.0);
    p.drawText(QRectF(middle.x() - width / 2, middle.y() - 8, width, 16), Qt::AlignCenter, name);
}

void verticalDimension(QPainter &p, double x, double top, double bottom, const QString &name)
{
    dimension(p, {x, top}, {x, bottom}, name, {-14, 0});
}

void horizontalDimension(QPainter &p, double left, double right, double y, const QString &name)
{
    dimension(p, {left, y}, {right, y}, name, {0, -9});
}

void caption(QPainter &p, QPointF at, const QString &text)
{
    p.setPen(Qt::black);
    p.drawText(QRectF(at.x(), at.y() - 8, 200, 16), Qt::AlignLeft | Qt::AlignVCenter, text);
}

Scale::Scale(double extent, double pixels, double least)
    : factor_(extent > 0 && std::isfinite(extent) ? pixels / extent : 0.0), least_(least)
{
}

double Scale::operator()(double length) const
{
    const double drawn = std::isfinite(length) ? length * factor_ : 0.0;
    return std::max(drawn, least_);
}

} // namespace tw::drawing
