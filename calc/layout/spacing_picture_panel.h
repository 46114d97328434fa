#pragma once

#include <QWidget>

namespace tw {

// The board conditions of the clearance table, each drawn as a cross-section of two conductors
// and the spacing between them.
enum class SpacingScene {
    Internal,          // B1: conductors inside the board
    ExternalUncoated,  // B2, B3: bare conductors on the surface
    ExternalPolymer,   // B4: under a permanent polymer coating
    ConformalAssembly, // A5: conformal coating over the assembly
    LeadUncoated,      // A6: component lead beside a conductor
    LeadConformal,     // A7: the same under conformal coating
};

class SpacingPicture final : public QWidget {
public:
    SpacingPicture(QWidget *parent, const QString &name, SpacingScene scene);
    SpacingScene scene() const { return scene_; }
    QSize sizeHint() const override { return {300, 130}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SpacingScene scene_;
};

} // namespace tw
