#include "calc/current/conductor_picture_panel.h"

#include <QPainter>
#include <QPainterPath>

namespace tw {

ConductorPicture::ConductorPicture(QWidget *parent, const QString &name,
                                   const ConductorSketch &sketch)
    : QWidget(parent), sketch_(sketch)
{
    setObjectName(name);
}

void ConductorPicture::setSloped(bool sloped)
{
    sketch_.sloped = sloped;
    update();
}

void ConductorPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    QFont font = p.font();
    font.setPointSizeF(7.5);
    p.setFont(font);

    const QColor board(176, 204, 140);
    const QColor copper(204, 122, 48);
    const int left = 8;
    const int right = width() - 34;
    const int top = sketch_.external ? 50 : 22;
    const int bottom = height() - 18;
    p.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), board);
    p.setPen(Qt::darkGray);
    p.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));

    const int thickness = 10;
    const int conductorWidth = sketch_.parallel ? 40 : 64;
    const int count = sketch_.parallel ? 3 : 1;
    const int gap = 18;
    const int span = count * conductorWidth + (count - 1) * gap;
    const int x0 = left + (right - left - span) / 2;
    const int base = sketch_.external ? top : (top + bottom) / 2 + thickness / 2;
    for (int i = 0; i < count; ++i) {
        const int x = x0 + i * (conductorWidth + gap);
        QPainterPath shape;
        // A 1:1 etch takes one thickness off each side of the top face.
        const int inset = sketch_.sloped ? thickness : 0;
        shape.moveTo(x, base);
        shape.lineTo(x + conductorWidth, base);
        shape.lineTo(x + conductorWidth - inset, base - thickness);
        shape.lineTo(x + inset, base - thickness);
        shape.closeSubpath();
        p.fillPath(shape, copper);
        p.setPen(copper.darker(140));
        p.drawPath(shape);
    }

    p.setPen(Qt::black);
    auto arrowLine = [&p](QPoint a, QPoint b) {
        p.drawLine(a, b);
        p.drawEllipse(a, 1, 1);
        p.drawEllipse(b, 1, 1);
    };
    const int widthY = base - thickness - 6;
    arrowLine({x0, widthY}, {x0 + conductorWidth, widthY});
    p.drawText(QRect(x0 - 30, widthY - 14, conductorWidth + 60, 12), Qt::AlignCenter,
               "Conductor Width");
    p.drawText(QRect(x0 + span + 4, base - thickness - 2, 30, 12), Qt::AlignLeft, "t");
    if (sketch_.parallel)
        p.drawText(QRect(left, widthY - 30, right - left, 12), Qt::AlignCenter,
                   "Parallel Conductor Count");

    if (sketch_.plane) {
        const int planeY = base + 30;
        p.fillRect(QRect(left + 6, planeY, right - left - 12, 4), copper);
        const int x = x0 + span / 2;
        arrowLine({x, base + 1}, {x, planeY - 1});
        p.drawText(QRect(x + 4, base + 6, right - x, 12), Qt::AlignLeft, "Distance to Plane");
    }

    arrowLine({right + 8, top}, {right + 8, bottom});
    p.save();
    p.translate(right + 22, (top + bottom) / 2);
    p.rotate(-90);
    p.drawText(QRect(-50, -7, 100, 14), Qt::AlignCenter, "PCB Thickness");
    p.restore();
    p.drawText(QRect(left, bottom + 2, right - left, 14), Qt::AlignLeft,
               sketch_.external ? "External Layer" : "Internal Layer");
}

} // namespace tw
