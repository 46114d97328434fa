#pragma once

#include <QColor>
#include <QFrame>
#include <QWidget>

namespace tw {

enum class EmbeddedType { Additive = 0, Subtractive = 1, Annular = 2 };

// The legend colours, shared by the pictures and the squares beside their captions.
QColor contactColour();
QColor overlapColour(EmbeddedType type);
QColor resistorColour();

// What a picture is drawn from, in one unit: a rectangle of film between two contacts, or a
// ring of film between a hole and an outer contact.
struct ResistorGeometry {
    double length = 100;
    double width = 50;
    double insideDiameter = 20;
    double outerDiameter = 246.9;
};

// Top view of one kind of embedded resistor in the proportions entered.
class ResistorPicture final : public QWidget {
public:
    ResistorPicture(QWidget *parent, const QString &name, EmbeddedType type);
    EmbeddedType type() const { return type_; }
    void setResistor(const ResistorGeometry &geometry);
    const ResistorGeometry &resistor() const { return geometry_; }
    QSize sizeHint() const override { return {280, 190}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintRectangular(QPainter &p);
    void paintAnnular(QPainter &p);

    EmbeddedType type_;
    ResistorGeometry geometry_;
};

// A coloured square of the legend.
QFrame *makeLegendSquare(QWidget *parent, const QString &name, const QColor &colour);
void setLegendColour(QFrame *square, const QColor &colour);

} // namespace tw
