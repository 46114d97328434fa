// Cutting a half cross-section into panels, graded towards every corner and edge where the
// charge crowds.

#include "calc/lines/field_section.h"

#include <algorithm>
#include <cmath>

namespace tw::lines::field {

double erAt(const Section &s, double y)
{
    for (const Layer &l : s.layers)
        if (y < l.top)
            return l.er;
    return s.layers.back().er;
}

bool layered(const Section &s)
{
    for (const Layer &l : s.layers)
        if (l.er != s.layers.front().er)
            return true;
    return false;
}

namespace {

enum class Grade { None, Start, End, Both };

// Node fractions of n panels on [0, 1], crowded towards the graded ends like the edge charge.
std::vector<double> gradedNodes(int n, Grade grade)
{
    std::vector<double> f(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double u = static_cast<double>(i) / n;
        double v = u;
        switch (grade) {
        case Grade::Both:
            v = 0.5 * (1.0 - std::cos(kPi * u));
            break;
        case Grade::Start:
            v = 1.0 - std::cos(0.5 * kPi * u);
            break;
        case Grade::End:
            v = std::sin(0.5 * kPi * u);
            break;
        case Grade::None:
            break;
        }
        f[static_cast<std::size_t>(i)] = v;
    }
    f.front() = 0.0;
    f.back() = 1.0;
    return f;
}

class Mesher {
public:
    Mesher(const Section &s, double refinement) : s_(s), refinement_(refinement) {}

    int facePanels(double length) const
    {
        const double n = refinement_ * (16.0 + 12.0 * std::sqrt(length / s_.scale));
        return static_cast<int>(std::ceil(std::min(n, 400.0 * refinement_)));
    }

    void addLine(std::vector<Panel> &out, Panel base, double xa, double ya, double xb, double yb,
                 Grade grade, int n) const
    {
        const std::vector<double> f = gradedNodes(n, grade);
        for (std::size_t i = 0; i + 1 < f.size(); ++i) {
            Panel p = base;
            p.x1 = xa + (xb - xa) * f[i];
            p.y1 = ya + (yb - ya) * f[i];
            p.x2 = xa + (xb - xa) * f[i + 1];
            p.y2 = ya + (yb - ya) * f[i + 1];
            finish(p);
            out.push_back(p);
        }
    }

    static void finish(Panel &p)
    {
        p.mx = 0.5 * (p.x1 + p.x2);
        p.my = 0.5 * (p.y1 + p.y2);
        p.len = std::hypot(p.x2 - p.x1, p.y2 - p.y1);
    }

    std::vector<double> interfaceLevels() const
    {
        std::vector<double> levels;
        for (std::size_t i = 0; i + 1 < s_.layers.size(); ++i)
            if (s_.layers[i].er != s_.layers[i + 1].er)
                levels.push_back(s_.layers[i].top);
        return levels;
    }

    void conductorPanels(std::vector<Panel> &out, bool withDielectric) const
    {
        const std::vector<double> levels =
            withDielectric ? interfaceLevels() : std::vector<double>{};
        for (const Rect &r : s_.rects) {
            Panel base;
            base.conductor = r.conductor;
            const bool straddles = r.x0 == 0.0;
            const double xl = r.x0;
            const double xr = r.x0 + r.w;
            if (r.t == 0.0) {
                base.nx = 0.0;
                base.ny = 1.0;
                base.erAbove = withDielectric ? erAt(s_, r.y0 + tiny()) : 1.0;
                base.erBelow = withDielectric ? erAt(s_, r.y0 - tiny()) : 1.0;
                base.erOut = base.erAbove;
                base.needsField = base.erAbove != base.erBelow;
                addLine(out, base, xl, r.y0, xr, r.y0, straddles ? Grade::End : Grade::Both,
                        facePanels(r.w));
                continue;
            }
            const double yb = r.y0;
            const double yt = r.y0 + r.t;
            const auto face = [&](double xa, double ya, double xb, double yb2, double nx, double ny,
                                  Grade grade, double length) {
                Panel p = base;
                p.nx = nx;
                p.ny = ny;
                p.erOut = withDielectric ? erAt(s_, 0.5 * (ya + yb2) + ny * tiny()) : 1.0;
                addLine(out, p, xa, ya, xb, yb2, grade, facePanels(length));
            };
            face(xr, yb, xl, yb, 0.0, -1.0, straddles ? Grade::Start : Grade::Both, r.w);
            face(xl, yt, xr, yt, 0.0, 1.0, straddles ? Grade::End : Grade::Both, r.w);
            // Side faces, cut where an interface meets them.
            std::vector<double> cuts{yb};
            for (double y : levels)
                if (y > yb + tiny() && y < yt - tiny()) // no sliver of a face
                    cuts.push_back(y);
            cuts.push_back(yt);
            for (std::size_t i = 0; i + 1 < cuts.size(); ++i) {
                face(xr, cuts[i], xr, cuts[i + 1], 1.0, 0.0, Grade::Both, cuts[i + 1] - cuts[i]);
                if (!straddles)
                    face(xl, cuts[i + 1], xl, cuts[i], -1.0, 0.0, Grade::Both,
                         cuts[i + 1] - cuts[i]);
            }
        }
    }

    void interfacePanels(std::vector<Panel> &out) const
    {
        double xmax = 0.0;
        for (const Rect &r : s_.rects)
            xmax = std::max(xmax, r.x0 + r.w);
        for (std::size_t i = 0; i + 1 < s_.layers.size(); ++i) {
            const double y = s_.layers[i].top;
            if (s_.layers[i].er == s_.layers[i + 1].er)
                continue;
            Panel base;
            base.nx = 0.0;
            base.ny = 1.0;
            base.erBelow = s_.layers[i].er;
            base.erAbove = s_.layers[i + 1].er;
            base.needsField = true;
            // What the conductors cover of this level; the rest is interface.
            std::vector<std::pair<double, double>> covered;
            for (const Rect &r : s_.rects)
                if (y >= r.y0 && y <= r.y0 + r.t)
                    covered.emplace_back(r.x0, r.x0 + r.w);
            std::sort(covered.begin(), covered.end());
            double x = 0.0;
            for (const auto &[a, b] : covered) {
                if (a > x)
                    finiteStretch(out, base, y, x, a, x > 0.0);
                x = std::max(x, b);
            }
            openStretch(out, base, y, x, x > 0.0, xmax);
        }
    }

private:
    double tiny() const { return 1e-9 * s_.scale; }

    // Between two edges (or the centre line and an edge): growing geometrically from each
    // corner, as the open stretch does, until the two runs meet.
    void finiteStretch(std::vector<Panel> &out, const Panel &base, double y, double a, double b,
                       bool cornerAtStart) const
    {
        const double nearSize = s_.scale / (4.0 * refinement_);
        const double ratio = 1.0 + 0.2 / refinement_;
        const double farCap = s_.planes == Planes::Both ? s_.b / (2.0 * refinement_) : kInfinity;
        const auto grow = [&](double size, double fromEnd) {
            return std::min(size * ratio, fromEnd < s_.scale ? nearSize : farCap);
        };
        std::vector<double> left{a};
        std::vector<double> right{b};
        double sl = cornerAtStart ? nearSize / 300.0 : nearSize;
        double sr = nearSize / 300.0;
        while (right.back() - left.back() > 1.5 * std::min(sl, sr)) {
            if (sl <= sr) {
                left.push_back(left.back() + sl);
                sl = grow(sl, left.back() - a);
            } else {
                right.push_back(right.back() - sr);
                sr = grow(sr, b - right.back());
            }
        }
        left.insert(left.end(), right.rbegin(), right.rend());
        for (std::size_t i = 0; i + 1 < left.size(); ++i) {
            Panel p = base;
            p.x1 = left[i];
            p.x2 = left[i + 1];
            p.y1 = p.y2 = y;
            finish(p);
            out.push_back(p);
        }
    }

    // From a conductor's edge (or the centre line) outwards: fine near the conductors, then
    // growing geometrically; between two planes the field dies within a few spacings.
    void openStretch(std::vector<Panel> &out, const Panel &base, double y, double a,
                     bool cornerAtStart, double xmax) const
    {
        const double nearSize = s_.scale / (4.0 * refinement_);
        const double ratio = 1.0 + 0.2 / refinement_;
        const double reach = s_.planes == Planes::Both ? 12.0 * s_.b : 2000.0 * std::max(y, xmax);
        const double end = std::max(a, xmax) + reach;
        const double farCap = s_.planes == Planes::Both ? s_.b / (2.0 * refinement_) : kInfinity;
        double size = cornerAtStart ? nearSize / 300.0 : nearSize;
        double x = a;
        while (x < end) {
            const double cap = x < xmax + s_.scale ? nearSize : farCap;
            size = std::min(size, cap);
            Panel p = base;
            p.x1 = x;
            p.x2 = x + size;
            p.y1 = p.y2 = y;
            finish(p);
            out.push_back(p);
            x += size;
            size *= ratio;
        }
    }

    const Section &s_;
    double refinement_;
};

} // namespace

std::vector<Panel> meshSection(const Section &s, double refinement, bool withDielectric)
{
    std::vector<Panel> panels;
    Mesher mesher(s, refinement);
    mesher.conductorPanels(panels, withDielectric);
    if (withDielectric)
        mesher.interfacePanels(panels);
    return panels;
}

} // namespace tw::lines::field
