#pragma once

#include "calc/lines/crosstalk.h"

#include <QWidget>

namespace tw {

// Two neighbouring conductors over one plane or between two, drawn to scale from the spacing
// and heights last computed (in the unit of the entries). The conductors' own width and
// thickness are no entries and are drawn at a fixed size.
class CrosstalkPicture final : public QWidget {
public:
    CrosstalkPicture(QWidget *parent, const QString &name, crosstalk::Layer layer);
    crosstalk::Layer layer() const { return layer_; }
    void setSketch(const crosstalk::Geometry &geometry);
    QSize sizeHint() const override { return {300, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    crosstalk::Layer layer_;
    crosstalk::Geometry geometry_;
};

} // namespace tw
