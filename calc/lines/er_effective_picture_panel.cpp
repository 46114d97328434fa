#include "calc/lines/er_effective_picture_panel.h"

#include "ui/drawing.h"

#include <algorithm>

namespace tw {

ErEffectivePicture::ErEffectivePicture(QWidget *parent, const QString &name) : QWidget(parent)
{
    setObjectName(name);
    setMinimumSize(260, 130);
}

void ErEffectivePicture::setSketch(const MicrostripSketch &sketch)
{
    sketch_ = sketch;
    update();
}

void ErEffectivePicture::paintEvent(QPaintEvent *)
{
    using namespace drawing;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    const double planeHeight = 8;
    const double left = 10;
    const double right = width() - 10.0;
    const double bottom = height() - 6.0 - planeHeight;
    // Room for W's dimension line above the conductor.
    const double top = 30;
    // One factor for both directions; the dielectric runs well beyond the conductor.
    const Scale across(sketch_.width, (right - left) * 0.45);
    const Scale up(sketch_.height + sketch_.thickness, bottom - top);
    const Scale &scale = across.factor() < up.factor() ? across : up;

    const double w = scale(sketch_.width);
    const double t = scale(sketch_.thickness);
    const double surface = bottom - scale(sketch_.height);
    const double middle = (left + right) / 2;

    fill(p, {left, bottom, right - left, planeHeight}, plane);
    fill(p, {left, surface, right - left, bottom - surface}, dielectric);
    fill(p, {middle - w / 2, surface - t, w, t}, copper);

    horizontalDimension(p, middle - w / 2, middle + w / 2, surface - t - 8, "W");
    verticalDimension(p, middle - w / 2 - 22, surface, bottom, "H");
    const double tx = middle + w / 2 + 12;
    dimension(p, {tx, surface - t}, {tx, surface}, "T", {14, 0});
    caption(p, {right - 30, (surface + bottom) / 2}, "Er");
}

} // namespace tw
