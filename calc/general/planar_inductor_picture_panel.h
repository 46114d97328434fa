#pragma once

#include "calc/general/planar_inductor.h"

#include <QPainterPath>
#include <QWidget>

namespace tw {

// What the picture is drawn from, lengths in one unit (micrometres).
struct SpiralGeometry {
    double turns = 5;
    double width = 254;
    double spacing = 254;
    double outerDiameter = 8890;
};

// The centre line of the conductor, in the entered unit around the origin: every turn lies on
// its own polygon (or circle), stepping inwards by width + spacing where it closes. Turns that
// would cross the centre are left out; at most maxTurns are drawn.
QPainterPath spiralCentreLine(planar::SpiralShape shape, const SpiralGeometry &geometry,
                              int maxTurns = 60);
// How many turns of the geometry fit before the conductor reaches the centre.
int drawnTurns(const SpiralGeometry &geometry, int maxTurns = 60);

// One spiral shape drawn to the entered turns, width, spacing and outer diameter.
class SpiralPicture final : public QWidget {
public:
    SpiralPicture(QWidget *parent, const QString &name, planar::SpiralShape shape);
    planar::SpiralShape shape() const { return shape_; }
    void setSpiral(const SpiralGeometry &geometry);
    const SpiralGeometry &spiral() const { return geometry_; }
    QSize sizeHint() const override { return {270, 290}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    planar::SpiralShape shape_;
    SpiralGeometry geometry_;
};

} // namespace tw
