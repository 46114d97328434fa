#pragma once

#include <QWidget>

namespace tw {

// What the conductor picture shows: layer, nearby plane, parallel conductors, and the etched
// walls of the 1:1 etch factor.
struct ConductorSketch {
    bool external = false;
    bool plane = false;
    bool parallel = false;
    bool sloped = true;
};

// Cross-section of the conductor as selected, labelled with the names of the inputs.
class ConductorPicture : public QWidget {
public:
    ConductorPicture(QWidget *parent, const QString &name, const ConductorSketch &sketch);
    void setSloped(bool sloped);
    const ConductorSketch &sketch() const { return sketch_; }
    QSize sizeHint() const override { return {270, 150}; }
    QSize minimumSizeHint() const override { return {220, 130}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ConductorSketch sketch_;
};

} // namespace tw
