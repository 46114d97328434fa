#include "calc/lines/cross_section_picture_panel.h"

#include "ui/drawing.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tw {

using lines::LineTopology;
using lines::PairArrangement;
using Side = CrossSection::Side;

namespace {

// Room beside the board for dimension names, and the drawn thickness of a plane.
constexpr double marginX = 8;
constexpr double marginTop = 24;
constexpr double marginBottom = 4;
constexpr double planePixels = 7;
// No gap of the drawing is thinner than this.
constexpr double leastPixels = 4;
constexpr double minimumCopper = 2;

// Board wide enough to show the conductors with some dielectric on both sides.
double boardHalfWidth(double conductorsHalfWidth, double height)
{
    return conductorsHalfWidth + std::max(conductorsHalfWidth * 0.6, 1.5 * height);
}

// Sorted distinct finite levels of one axis of a drawing.
std::vector<double> distinct(std::vector<double> levels)
{
    levels.erase(
        std::remove_if(levels.begin(), levels.end(), [](double v) { return !std::isfinite(v); }),
        levels.end());
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    if (levels.empty())
        levels.push_back(0);
    return levels;
}

// The one factor of both axes that fits every gap, each widened to leastPixels at most, into
// the pixels of its axis.
double commonFactor(const std::vector<double> &xs, double width, const std::vector<double> &ys,
                    double height)
{
    const auto fit = [](const std::vector<double> &levels, double pixels) {
        const double span = levels.back() - levels.front();
        const double room = pixels - leastPixels * static_cast<double>(levels.size() - 1);
        return span > 0 ? std::max(0.0, room) / span : 0.0;
    };
    const double fx = fit(xs, width);
    const double fy = fit(ys, height);
    if (fx == 0 || fy == 0)
        return std::max(fx, fy);
    return std::min(fx, fy);
}

// Maps lengths onto pixels piece by piece between the levels of a drawing, so proportions hold
// wherever they can be seen and no gap vanishes.
class LevelMap {
public:
    LevelMap(std::vector<double> levels, double factor) : levels_(std::move(levels))
    {
        positions_.push_back(0);
        for (std::size_t i = 1; i < levels_.size(); ++i)
            positions_.push_back(positions_.back() +
                                 std::max((levels_[i] - levels_[i - 1]) * factor, leastPixels));
    }

    double operator()(double value) const
    {
        if (!std::isfinite(value) || value <= levels_.front())
            return positions_.front();
        if (value >= levels_.back())
            return positions_.back();
        const auto upper = std::upper_bound(levels_.begin(), levels_.end(), value);
        const auto i = static_cast<std::size_t>(upper - levels_.begin());
        const double share = (value - levels_[i - 1]) / (levels_[i] - levels_[i - 1]);
        return positions_[i - 1] + share * (positions_[i] - positions_[i - 1]);
    }
    double extent() const { return positions_.back(); }

private:
    std::vector<double> levels_;
    std::vector<double> positions_;
};

CrossSection::Conductor centred(double w, double bottom, double t)
{
    return {-w / 2, bottom, w, t};
}

// Two conductors side by side, S apart, with W and S marked above them.
void sideBySide(CrossSection &c, double w, double s, double bottom, double t)
{
    c.conductors.push_back({-s / 2 - w, bottom, w, t});
    c.conductors.push_back({s / 2, bottom, w, t});
    c.widths.push_back({-s / 2 - w, -s / 2, bottom + t, "W"});
    c.widths.push_back({-s / 2, s / 2, bottom + t, "S"});
    c.halfWidth = boardHalfWidth(s / 2 + w, bottom + t);
}

// Two conductors one above the other, S apart, centred in a dielectric h thick.
void stacked(CrossSection &c, double w, double s, double h, double t)
{
    const double lower = std::max(0.0, (h - 2 * t - s) / 2);
    c.conductors.push_back(centred(w, lower, t));
    c.conductors.push_back(centred(w, lower + t + s, t));
    c.widths.push_back({-w / 2, w / 2, lower + 2 * t + s, "W"});
    c.heights.push_back({lower + t, lower + t + s, "S", Side::Right});
    c.heights.push_back({0, h, "H", Side::FarRight});
    c.dielectric = h;
    c.halfWidth = boardHalfWidth(w / 2, h);
}

} // namespace

CrossSection lineCrossSection(LineTopology topology, double w, double h, double second, double t)
{
    CrossSection c;
    switch (topology) {
    case LineTopology::Microstrip:
        c.dielectric = h;
        c.conductors.push_back(centred(w, h, t));
        c.heights.push_back({0, h, "H", Side::Left});
        break;
    case LineTopology::MicrostripEmbed:
        c.dielectric = h;
        c.conductors.push_back(centred(w, second, t));
        c.heights.push_back({0, second, "H2", Side::Left});
        c.heights.push_back({0, h, "H1", Side::FarRight});
        break;
    case LineTopology::Stripline:
        c.dielectric = 2 * h + t;
        c.upperPlane = true;
        c.conductors.push_back(centred(w, h, t));
        c.heights.push_back({0, h, "H", Side::Left});
        c.heights.push_back({h + t, 2 * h + t, "H", Side::FarRight});
        break;
    case LineTopology::StriplineAsym:
        c.dielectric = h + t + second;
        c.upperPlane = true;
        c.conductors.push_back(centred(w, h, t));
        c.heights.push_back({0, h, "H1", Side::Left});
        c.heights.push_back({h + t, h + t + second, "H2", Side::FarRight});
        break;
    case LineTopology::DualStripline:
        c.dielectric = 2 * h + 2 * t + second;
        c.upperPlane = true;
        c.conductors.push_back(centred(w, h, t));
        c.conductors.push_back(centred(w, h + t + second, t));
        c.heights.push_back({0, h, "H", Side::Left});
        c.heights.push_back({h + t, h + t + second, "C", Side::FarRight});
        break;
    case LineTopology::CoplanarWave: {
        c.dielectric = h;
        c.conductors.push_back(centred(w, h, t));
        c.halfWidth = boardHalfWidth(w / 2 + second, h);
        const double inner = w / 2 + second;
        const double ground = std::max(0.0, c.halfWidth - inner);
        c.conductors.push_back({-c.halfWidth, h, ground, t});
        c.conductors.push_back({inner, h, ground, t});
        c.widths.push_back({w / 2, inner, h + t, "G"});
        c.heights.push_back({0, h, "H", Side::Left});
        break;
    }
    }
    if (topology != LineTopology::CoplanarWave)
        c.halfWidth = boardHalfWidth(w / 2, c.dielectric);
    c.widths.insert(c.widths.begin(), {-w / 2, w / 2, c.conductors.front().bottom + t, "W"});
    c.heights.push_back(
        {c.conductors.front().bottom, c.conductors.front().bottom + t, "T", Side::Right});
    return c;
}

CrossSection pairCrossSection(PairArrangement arrangement, double w, double s, double h, double h2,
                              double t)
{
    CrossSection c;
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        c.dielectric = h;
        sideBySide(c, w, s, h, t);
        c.heights.push_back({0, h, "H", Side::Left});
        break;
    case PairArrangement::EdgeCoupledInternalSymmetric: {
        const double bottom = std::max(0.0, (h - t) / 2);
        c.dielectric = std::max(h, t);
        c.upperPlane = true;
        sideBySide(c, w, s, bottom, t);
        c.heights.push_back({0, c.dielectric, "H", Side::FarRight});
        break;
    }
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        c.dielectric = h + t + h2;
        c.upperPlane = true;
        sideBySide(c, w, s, h, t);
        c.heights.push_back({0, h, "H1", Side::Left});
        c.heights.push_back({h + t, h + t + h2, "H2", Side::FarRight});
        break;
    case PairArrangement::EdgeCoupledEmbedded:
        c.dielectric = h2;
        sideBySide(c, w, s, h, t);
        c.heights.push_back({0, h, "H1", Side::Left});
        c.heights.push_back({0, h2, "H2", Side::FarRight});
        break;
    case PairArrangement::BroadsideCoupledShielded:
        c.upperPlane = true;
        stacked(c, w, s, h, t);
        break;
    case PairArrangement::BroadsideCoupledUnshielded:
        c.lowerPlane = false;
        stacked(c, w, s, h, t);
        break;
    }
    c.halfWidth = std::max(c.halfWidth, boardHalfWidth(w / 2, c.dielectric));
    const auto &first = c.conductors.front();
    c.heights.push_back({first.bottom, first.bottom + t, "T", Side::Right});
    return c;
}

CrossSectionLayout layoutCrossSection(const CrossSection &section, const QSizeF &size)
{
    CrossSection c = section;
    // A board of no width (or of no number at all) still gets drawn, as a square of its height.
    if (!(c.halfWidth > 0) || !std::isfinite(c.halfWidth))
        c.halfWidth = std::isfinite(c.dielectric) && c.dielectric > 0 ? c.dielectric : 1;
    std::vector<double> xs{-c.halfWidth, c.halfWidth};
    std::vector<double> ys{0, c.dielectric};
    for (const auto &k : c.conductors) {
        xs.push_back(std::clamp(k.left, -c.halfWidth, c.halfWidth));
        xs.push_back(std::clamp(k.left + k.width, -c.halfWidth, c.halfWidth));
        ys.push_back(k.bottom);
        ys.push_back(k.bottom + k.thickness);
    }
    for (const auto &d : c.widths) {
        xs.push_back(d.from);
        xs.push_back(d.to);
    }
    for (const auto &d : c.heights) {
        ys.push_back(d.from);
        ys.push_back(d.to);
    }
    const double top = marginTop + (c.upperPlane ? planePixels : 0);
    const double lowest = size.height() - marginBottom - (c.lowerPlane ? planePixels : 0);
    const double width = size.width() - 2 * marginX;
    xs = distinct(std::move(xs));
    ys = distinct(std::move(ys));
    const double factor = commonFactor(xs, width, ys, lowest - top);
    const LevelMap mapX(xs, factor);
    const LevelMap mapY(ys, factor);
    // Centred across, and as low as the room above the board allows.
    const double leftEdge = marginX + (width - mapX.extent()) / 2;
    const double bottom = lowest - ((lowest - top) - mapY.extent()) / 2;
    const auto x = [&](double v) { return leftEdge + mapX(v); };
    const auto y = [&](double v) { return bottom - mapY(v); };

    CrossSectionLayout out;
    const double left = x(-c.halfWidth);
    const double right = x(c.halfWidth);
    out.board = QRectF(QPointF(left, y(c.dielectric)), QPointF(right, y(0)));
    if (c.lowerPlane)
        out.lowerPlane = QRectF(left, y(0), right - left, planePixels);
    if (c.upperPlane)
        out.upperPlane = QRectF(left, y(c.dielectric) - planePixels, right - left, planePixels);
    for (const auto &k : c.conductors) {
        QRectF r = QRectF(QPointF(x(k.left), y(k.bottom + k.thickness)),
                          QPointF(x(k.left + k.width), y(k.bottom)))
                       .normalized();
        // Copper of no thickness or width is still shown where it lies.
        if (r.height() < minimumCopper)
            r.setTop(r.bottom() - minimumCopper);
        if (r.width() < minimumCopper)
            r.setRight(r.left() + minimumCopper);
        out.conductors.push_back(r);
    }
    for (const auto &d : c.widths) {
        const double at = y(d.y) - 8;
        out.dimensions.push_back({{x(d.from), at}, {x(d.to), at}, d.name});
    }
    for (const auto &d : c.heights) {
        const double column = d.side == Side::Left    ? left + 22
                              : d.side == Side::Right ? right - 44
                                                      : right - 12;
        out.dimensions.push_back({{column, y(d.from)}, {column, y(d.to)}, d.name});
    }
    return out;
}

CrossSectionPicture::CrossSectionPicture(QWidget *parent, const QString &name,
                                         const CrossSection &section)
    : QWidget(parent), section_(section)
{
    setObjectName(name);
    // Drawn to whatever width it gets, so a panel short of room narrows the picture, not the
    // captions beside it.
    setMinimumSize(200, 160);
    setMaximumSize(270, 160);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize CrossSectionPicture::sizeHint() const
{
    return maximumSize();
}

void CrossSectionPicture::setCrossSection(const CrossSection &section)
{
    section_ = section;
    update();
}

void CrossSectionPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QFont small = font();
    small.setPointSize(8);
    p.setFont(small);

    const CrossSectionLayout layout = layoutCrossSection(section_, size());
    drawing::fill(p, layout.board, drawing::dielectric);
    for (const QRectF &plane : {layout.lowerPlane, layout.upperPlane})
        if (!plane.isNull())
            drawing::fill(p, plane, drawing::plane);
    for (const QRectF &conductor : layout.conductors)
        drawing::fill(p, conductor, drawing::copper);
    for (const auto &d : layout.dimensions) {
        const bool upright = d.from.x() == d.to.x();
        drawing::dimension(p, d.from, d.to, d.name, upright ? QPointF(-13, 0) : QPointF(0, -9));
    }
    drawing::caption(p, {layout.board.right() - 34, layout.board.bottom() - 9}, "Er");
}

} // namespace tw
