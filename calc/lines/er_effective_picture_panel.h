#pragma once

#include <QWidget>

namespace tw {

// The entered microstrip, in the unit of the entries.
struct MicrostripSketch {
    double width = 5;
    double height = 10;
    double thickness = 2.1;
};

// Cross-section of the surface microstrip, drawn to scale from the last entries computed.
class ErEffectivePicture final : public QWidget {
public:
    ErEffectivePicture(QWidget *parent, const QString &name);
    void setSketch(const MicrostripSketch &sketch);
    const MicrostripSketch &sketch() const { return sketch_; }
    QSize sizeHint() const override { return {300, 150}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    MicrostripSketch sketch_;
};

} // namespace tw
