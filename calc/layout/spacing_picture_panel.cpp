#include "calc/layout/spacing_picture_panel.h"

#include "ui/drawing.h"

#include <QPainterPath>

namespace tw {

namespace {

const QColor coating(60, 140, 90, 110);
const QColor polymer(30, 110, 60, 150);
const QColor body(60, 60, 60);

} // namespace

SpacingPicture::SpacingPicture(QWidget *parent, const QString &name, SpacingScene scene)
    : QWidget(parent), scene_(scene)
{
    setObjectName(name);
    setMinimumSize(260, 120);
}

void SpacingPicture::paintEvent(QPaintEvent *)
{
    using namespace drawing;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const double w = width();
    const double h = height();
    const double boardTop = h * 0.55;
    const double boardBottom = h * 0.92;
    const double copperHeight = std::max(4.0, h * 0.06);
    const double left = w * 0.08;
    const double right = w * 0.92;

    fill(p, QRectF(left, boardTop, right - left, boardBottom - boardTop), board);

    // Two conductors and the gap between them, on the surface or inside the board.
    const bool inside = scene_ == SpacingScene::Internal;
    const double copperTop =
        inside ? (boardTop + boardBottom) / 2 - copperHeight / 2 : boardTop - copperHeight;
    const bool lead = scene_ == SpacingScene::LeadUncoated || scene_ == SpacingScene::LeadConformal;
    const QRectF first(w * 0.22, copperTop, w * 0.2, copperHeight);
    const QRectF second(w * 0.58, copperTop, w * 0.2, copperHeight);
    fill(p, first, copper);
    fill(p, second, copper);
    if (inside)
        fill(p, QRectF(left, boardTop, right - left, 2), dielectric.darker(130));

    if (lead) {
        // A gull-wing lead from a component body onto the right-hand land.
        fill(p, QRectF(w * 0.7, h * 0.12, w * 0.2, h * 0.22), body);
        QPainterPath path;
        path.moveTo(w * 0.72, h * 0.3);
        path.lineTo(w * 0.66, h * 0.3);
        path.lineTo(w * 0.62, copperTop - 2);
        path.lineTo(w * 0.7, copperTop - 2);
        p.setPen(QPen(QColor(150, 150, 160), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    if (scene_ == SpacingScene::ConformalAssembly)
        fill(p, QRectF(w * 0.6, h * 0.14, w * 0.16, copperTop - h * 0.14), body);

    const bool coated = scene_ == SpacingScene::ExternalPolymer ||
                        scene_ == SpacingScene::ConformalAssembly ||
                        scene_ == SpacingScene::LeadConformal;
    if (coated) {
        const double top =
            scene_ == SpacingScene::ExternalPolymer ? copperTop - copperHeight * 1.5 : h * 0.08;
        fill(p, QRectF(left, top, right - left, boardTop - top),
             scene_ == SpacingScene::ExternalPolymer ? polymer : coating);
    }

    const double y = inside ? boardTop + 8 : copperTop - 10;
    horizontalDimension(p, first.right(), second.left(), y, QString());
    p.setPen(Qt::black);
    p.drawText(QRectF(first.right(), y - 24, second.left() - first.right(), 14), Qt::AlignCenter,
               "Spacing");
}

} // namespace tw
