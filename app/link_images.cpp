#include "app/link_images.h"

#include "ui/controls.h"
#include "ui/event_guard.h"
#include "ui/platform.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tw {

namespace {

const QColor korvaneNavy(20, 45, 100);

void badge(QPainter &p, const QRectF &r, const QColor &colour, const QString &text,
           double textScale = 0.72)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(r, r.height() * 0.2, r.height() * 0.2);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, int(r.height() * textScale)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(r, Qt::AlignCenter, text);
}

void logo(QPainter &p, const QRectF &area)
{
    const double side = std::min(area.width(), area.height());
    const QRectF mark(area.left(), area.center().y() - side / 2, side, side);
    badge(p, mark, korvaneNavy, "K", 0.75);
    // A copper trace across the corner of the mark.
    p.setPen(QPen(QColor(205, 130, 50), std::max(1.0, side / 12), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(mark.left() + side * 0.12, mark.bottom() - side * 0.12),
               QPointF(mark.right() - side * 0.12, mark.bottom() - side * 0.12));
    if (area.width() < side * 3)
        return;
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(int(side * 0.55));
    p.setFont(font);
    p.setPen(korvaneNavy);
    p.drawText(QRectF(mark.right() + side * 0.2, mark.top(), area.right() - mark.right(), side),
               Qt::AlignVCenter | Qt::AlignLeft, "KORVANE");
}

void youTube(QPainter &p, const QRectF &r)
{
    badge(p, r, QColor(230, 30, 30), QString());
    const double h = r.height() * 0.4;
    QPolygonF play;
    play << QPointF(r.center().x() - h * 0.45, r.center().y() - h / 2)
         << QPointF(r.center().x() + h * 0.55, r.center().y())
         << QPointF(r.center().x() - h * 0.45, r.center().y() + h / 2);
    p.setBrush(Qt::white);
    p.drawPolygon(play);
}

void traces(QPainter &p, const QRectF &r)
{
    p.fillRect(r, QColor(235, 242, 230));
    const QColor copper(205, 130, 50);
    p.setPen(QPen(copper, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const int lines = 4;
    // Each trace steps up by one pitch and ends in a via; a pitch of margin keeps them inside.
    const double pitch = r.height() / (lines + 2);
    const double end = r.right() - 10;
    for (int i = 0; i < lines; ++i) {
        const double y = r.top() + pitch * (i + 2);
        const double bend = r.left() + r.width() * (0.3 + 0.1 * i);
        QPainterPath path(QPointF(r.left(), y));
        path.lineTo(bend, y);
        path.lineTo(bend + pitch, y - pitch);
        path.lineTo(end, y - pitch);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        p.setBrush(copper);
        p.drawEllipse(QPointF(end, y - pitch), 4, 4);
    }
}

} // namespace

void drawPicture(QPainter &p, const QRectF &area, Picture picture)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (picture) {
    case Picture::Logo:
        logo(p, area);
        break;
    case Picture::Facebook:
        badge(p, area, QColor(24, 119, 242), "f", 0.8);
        break;
    case Picture::Twitter:
        badge(p, area, QColor(29, 161, 242), "t", 0.8);
        break;
    case Picture::LinkedIn:
        badge(p, area, QColor(10, 102, 194), "in", 0.6);
        break;
    case Picture::YouTube:
        youTube(p, area);
        break;
    case Picture::Donate:
        badge(p, area, QColor(255, 170, 30), "Donate", 0.45);
        break;
    case Picture::Traces:
        traces(p, area);
        break;
    }
    p.restore();
}

QIcon logoIcon()
{
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        drawPicture(p, QRectF(0, 0, side, side), Picture::Logo);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

LinkImage::LinkImage(QWidget *parent, const QString &name, Picture picture, QSize size,
                     Desktop *desktop, const QString &address, const QString &hint)
    : QWidget(parent), picture_(picture), desktop_(desktop), address_(address)
{
    setObjectName(name);
    setFixedSize(size);
    if (!hint.isEmpty())
        setHint(this, hint);
    if (!address_.isEmpty())
        setCursor(Qt::PointingHandCursor);
}

void LinkImage::click()
{
    if (desktop_ && !address_.isEmpty())
        openLink(*desktop_, address_);
}

void LinkImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawPicture(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), picture_);
}

void LinkImage::mousePressEvent(QMouseEvent *event)
{
    // The press is the picture's own; the menu bar around it must not take it for a menu click.
    event->accept();
}

void LinkImage::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        guardEvent([this] { click(); });
}

} // namespace tw
