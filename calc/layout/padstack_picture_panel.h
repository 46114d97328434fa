#pragma once

#include "calc/layout/padstack.h"

#include <QWidget>

namespace tw {

// The entered geometry the pictures are drawn from, in one unit (mils or mm). Each type reads
// its own fields; a length that is not a positive number is drawn at its designed default.
struct PadstackShape {
    // Thru-hole pad and its thermal relief.
    double drill = 32;
    double pad = 56;
    double reliefOuter = 80;
    double spoke = 10;
    bool plated = true;
    // Conductor between two pads, or between two BGA lands.
    double pitch = 100;
    double conductor = 12;
    double spacing = 12;
    double padDiameter = 64;
    double hole = 32;
    // Rectangular pin.
    double sideA = 100;
    double sideB = 100;
};

class PadstackPicture final : public QWidget {
public:
    PadstackPicture(QWidget *parent, const QString &name, padstack::PadType type);
    padstack::PadType type() const { return type_; }
    void setShape(const PadstackShape &shape);
    const PadstackShape &shape() const { return shape_; }
    QSize sizeHint() const override { return {240, 240}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawThruHole(QPainter &p) const;
    void drawBgaLand(QPainter &p) const;
    void drawConductorBetween(QPainter &p, bool lands) const;
    void drawCornerToCorner(QPainter &p) const;

    padstack::PadType type_;
    PadstackShape shape_;
};

} // namespace tw
