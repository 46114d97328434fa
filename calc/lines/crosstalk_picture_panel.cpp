#include "calc/lines/crosstalk_picture_panel.h"

#include "ui/drawing.h"

#include <algorithm>

namespace tw {

namespace {

constexpr double ConductorWidth = 40;
constexpr double ConductorThickness = 5;
constexpr double PlaneThickness = 8;

} // namespace

CrosstalkPicture::CrosstalkPicture(QWidget *parent, const QString &name, crosstalk::Layer layer)
    : QWidget(parent), layer_(layer)
{
    setObjectName(name);
    setMinimumSize(260, 130);
    geometry_ = {layer, 10, 30, 20, 10};
}

void CrosstalkPicture::setSketch(const crosstalk::Geometry &geometry)
{
    geometry_ = geometry;
    geometry_.layer = layer_;
    update();
}

void CrosstalkPicture::paintEvent(QPaintEvent *)
{
    using namespace drawing;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const double left = 10;
    const double right = width() - 10.0;
    const double middle = (left + right) / 2;
    const bool stripline = layer_ == crosstalk::Layer::Stripline;
    const double bottom = height() - 6.0 - PlaneThickness;
    // Microstrip: room for S above the conductors; stripline: the upper plane.
    const double top = stripline ? 6.0 + PlaneThickness : 30.0;

    // One factor for spacing and heights, fitted to whichever runs out of room first.
    const Scale across(geometry_.spacing, (right - left) - 2 * ConductorWidth - 120);
    const Scale up(geometry_.height, bottom - top - (stripline ? 0 : ConductorThickness));
    const Scale &scale = geometry_.spacing > 0 && across.factor() < up.factor() ? across : up;

    const double s = geometry_.spacing > 0 ? scale(geometry_.spacing) : 0.0;
    const double x1 = middle - s / 2 - ConductorWidth;
    const double x2 = middle + s / 2;
    const double planeTop = bottom - scale(geometry_.height);

    fill(p, {left, bottom, right - left, PlaneThickness}, plane);
    if (!stripline) {
        fill(p, {left, planeTop, right - left, bottom - planeTop}, dielectric);
        const double surface = planeTop - ConductorThickness;
        fill(p, {x1, surface, ConductorWidth, ConductorThickness}, copper);
        fill(p, {x2, surface, ConductorWidth, ConductorThickness}, copper);
        if (s > 0)
            horizontalDimension(p, x1 + ConductorWidth, x2, surface - 8, "S");
        verticalDimension(p, x1 - 22, planeTop, bottom, "H");
        caption(p, {right - 30, (planeTop + bottom) / 2}, "Er");
        return;
    }

    fill(p, {left, planeTop - PlaneThickness, right - left, PlaneThickness}, plane);
    fill(p, {left, planeTop, right - left, bottom - planeTop}, dielectric);
    // Each conductor sits on its height above the lower plane, kept between the two planes.
    auto lift = [&](double h) {
        return std::clamp(bottom - scale(h), planeTop + ConductorThickness, bottom);
    };
    const double y1 = lift(geometry_.h1);
    const double y2 = lift(geometry_.h2);
    fill(p, {x1, y1 - ConductorThickness, ConductorWidth, ConductorThickness}, copper);
    fill(p, {x2, y2 - ConductorThickness, ConductorWidth, ConductorThickness}, copper);
    if (s > 0) {
        // Above the conductors, or below them where the upper plane leaves no room.
        const double above = std::min(y1, y2) - ConductorThickness - 8;
        if (above - 18 >= planeTop)
            horizontalDimension(p, x1 + ConductorWidth, x2, above, "S");
        else
            dimension(p, {x1 + ConductorWidth, std::max(y1, y2) + 8}, {x2, std::max(y1, y2) + 8},
                      "S", {0, 10});
    }
    verticalDimension(p, x1 - 22, y1, bottom, "H1");
    dimension(p, {x2 + ConductorWidth + 14, y2}, {x2 + ConductorWidth + 14, bottom}, "H2", {16, 0});
    dimension(p, {right - 24, planeTop}, {right - 24, bottom}, "H", {-14, 0});
}

} // namespace tw
