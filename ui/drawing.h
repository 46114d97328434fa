#pragma once

// What every drawn illustration shares: the colours of the board's materials, dimension lines
// with their names, and the mapping of entered lengths onto the widget.

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace tw::drawing {

inline const QColor copper(205, 130, 50);
inline const QColor dielectric(200, 225, 190);
inline const QColor plane(70, 80, 90);
inline const QColor board(170, 200, 130);

void fill(QPainter &p, const QRectF &r, const QColor &colour);
void arrowHead(QPainter &p, QPointF tip, QPointF from);
// A dimension line with arrows at both ends and its name beside the middle.
void dimension(QPainter &p, QPointF a, QPointF b, const QString &name, QPointF labelOffset);
void verticalDimension(QPainter &p, double x, double top, double bottom, const QString &name);
void horizontalDimension(QPainter &p, double left, double right, double y, const QString &name);
// A name drawn left-aligned and vertically centred on a point.
void caption(QPainter &p, QPointF at, const QString &text);

// Maps lengths of one drawing onto pixels with one factor, so proportions hold; a length that
// would vanish is drawn at least `least` pixels.
class Scale {
public:
    // The largest factor that fits extent (in entered units) into pixels.
    Scale(double extent, double pixels, double least = 2.0);
    double operator()(double length) const;
    double factor() const { return factor_; }

private:
    double factor_;
    double least_;
};

} // namespace tw::drawing
