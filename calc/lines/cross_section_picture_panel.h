#pragma once

// Cross-sections of the impedance and differential-pair calculators, drawn from the entered
// geometry: every gap keeps its proportion to the others, and none is drawn thinner than a few
// pixels, so a thin trace or a very wide one still shows inside the picture.

#include "calc/lines/differential_pairs.h"
#include "calc/lines/transmission_lines.h"

#include <QRectF>
#include <QString>
#include <QWidget>

#include <vector>

namespace tw {

// A cross-section in entered lengths: x from the centre line, y up from the surface of the lower
// plane.
struct CrossSection {
    struct Conductor {
        double left;
        double bottom;
        double width;
        double thickness;
    };
    enum class Side { Left, Right, FarRight };
    struct Height { // a vertical dimension in a column beside the board
        double from;
        double to;
        QString name;
        Side side;
    };
    struct Width { // a horizontal dimension just above y
        double from;
        double to;
        double y;
        QString name;
    };

    double halfWidth = 1;  // the board drawn from -halfWidth to halfWidth
    double dielectric = 1; // thickness of the dielectric over the lower plane
    bool lowerPlane = true;
    bool upperPlane = false; // on top of the dielectric
    std::vector<Conductor> conductors;
    std::vector<Height> heights;
    std::vector<Width> widths;
};

// The picture of one impedance topology; second is H2, C or G as the topology reads it.
CrossSection lineCrossSection(lines::LineTopology topology, double w, double h, double second,
                              double t);
// The picture of one pair arrangement.
CrossSection pairCrossSection(lines::PairArrangement arrangement, double w, double s, double h,
                              double h2, double t);

// Where things land in a picture of a given size.
struct CrossSectionLayout {
    QRectF board; // the dielectric
    QRectF lowerPlane;
    QRectF upperPlane;
    std::vector<QRectF> conductors;
    struct Line {
        QPointF from;
        QPointF to;
        QString name;
    };
    std::vector<Line> dimensions;
};

CrossSectionLayout layoutCrossSection(const CrossSection &section, const QSizeF &size);

class CrossSectionPicture final : public QWidget {
    Q_OBJECT
public:
    QSize sizeHint() const override;
    CrossSectionPicture(QWidget *parent, const QString &name, const CrossSection &section);
    void setCrossSection(const CrossSection &section);
    const CrossSection &crossSection() const { return section_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    CrossSection section_;
};

} // namespace tw
