#include "calc/lines/field_solver.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <new>
#include <numbers>
#include <vector>

namespace tw::lines {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLightSpeed = 299792458.0;               // m/s
constexpr double kEpsilon0 = 8.8541878128e-12;            // F/m
constexpr double kEta0 = 1.0 / (kLightSpeed * kEpsilon0); // ohms
constexpr std::size_t kMostPanels = 1500;
constexpr double kPsPerInchInVacuum = 0.0254 / kLightSpeed * 1e12;

// ---------------------------------------------------------------------------------------------
// Cross-section: the half x >= 0 of a section symmetric about x = 0.

enum class Planes { None, Lower, Both };

struct Layer {
    double top; // the layer reaches from the top of the one below (or -infinity) to here
    double er;
};

struct Rect {
    double x0; // 0: the conductor straddles x = 0 and this is its right half
    double y0;
    double w;
    double t;
    int conductor;
};

struct Section {
    Planes planes = Planes::Lower;
    double b = 0.0; // plane spacing with two planes
    std::vector<Layer> layers;
    std::vector<Rect> rects;
    int conductors = 1;
    double scale = 1.0; // the smallest length that shapes the field, for panel sizes
};

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

// ---------------------------------------------------------------------------------------------
// Panels.

struct Panel {
    double x1, y1, x2, y2;
    double mx, my, len;
    double nx, ny;      // outward normal of a conductor face; +y on an interface or strip
    int conductor = -1; // -1: a dielectric interface
    double erOut = 1.0; // medium the conductor face looks into
    double erAbove = 1.0, erBelow = 1.0; // interfaces, and strips lying on one
    bool needsField = false;             // interface, or strip on an interface
};

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

// ---------------------------------------------------------------------------------------------
// Kernels, for unit charge density on a panel, with eps0 = 1.

struct Influence {
    double phi = 0.0;
    double ex = 0.0;
    double ey = 0.0;
};

// Integral of ln|r - s| over the segment, and its gradient in r. self: r is the segment's own
// midpoint, where the field is taken as the principal value.
Influence segmentLog(double x1, double y1, double x2, double y2, double rx, double ry, bool self)
{
    const double len = std::hypot(x2 - x1, y2 - y1);
    const double cx = rx - 0.5 * (x1 + x2);
    const double cy = ry - 0.5 * (y1 + y2);
    if (cx * cx + cy * cy > 64.0 * len * len) {
        // Far away two Gauss points are exact to about (len / 2d)^4.
        constexpr double g = 0.28867513459481287; // 1 / (2 sqrt 3)
        Influence in;
        for (double f : {-g, g}) {
            const double dx = cx - f * (x2 - x1);
            const double dy = cy - f * (y2 - y1);
            const double d2 = dx * dx + dy * dy;
            in.phi += 0.25 * len * std::log(d2);
            in.ex += 0.5 * len * dx / d2;
            in.ey += 0.5 * len * dy / d2;
        }
        return in;
    }
    const double ux = (x2 - x1) / len;
    const double uy = (y2 - y1) / len;
    const double vx = -uy;
    const double vy = ux;
    const double dx = rx - x1;
    const double dy = ry - y1;
    const double xi = dx * ux + dy * uy;
    const double eta = self ? 0.0 : dx * vx + dy * vy;
    const auto antiderivative = [eta](double x) {
        const double r2 = x * x + eta * eta;
        double f = -x;
        if (r2 > 0.0)
            f += 0.5 * x * std::log(r2);
        if (eta != 0.0)
            f += eta * std::atan(x / eta);
        return f;
    };
    Influence in;
    in.phi = antiderivative(len - xi) - antiderivative(-xi);
    const double r1 = xi * xi + eta * eta;
    const double r2 = (len - xi) * (len - xi) + eta * eta;
    const double dXi = 0.5 * std::log(r1 / r2);
    const double dEta = self ? 0.0 : std::atan2(eta * len, eta * eta - xi * (len - xi));
    in.ex = dXi * ux + dEta * vx; // gradient, turned into a field by the caller
    in.ey = dXi * uy + dEta * vy;
    return in;
}

// ln(cosh a - cos b) and its partial derivatives, without cancellation or overflow.
struct LogCoshCos {
    double value;
    double da;
    double db;
};

LogCoshCos logCoshCos(double a, double b)
{
    const double absA = std::abs(a);
    if (absA > 20.0) {
        const double e = std::exp(-absA);
        const double q = 1.0 - 2.0 * std::cos(b) * e + e * e;
        return {absA - std::numbers::ln2 + std::log(q), std::copysign((1.0 - e * e) / q, a),
                2.0 * std::sin(b) * e / q};
    }
    const double sa = std::sinh(0.5 * a);
    const double sb = std::sin(0.5 * b);
    const double q = 2.0 * (sa * sa + sb * sb);
    return {std::log(q), std::sinh(a) / q, std::sin(b) / q};
}

constexpr double kGaussX[4] = {-0.8611363115940526, -0.3399810435848563, 0.3399810435848563,
                               0.8611363115940526};
constexpr double kGaussW[4] = {0.3478548451374538, 0.6521451548625461, 0.6521451548625461,
                               0.3478548451374538};

class Kernel {
public:
    Kernel(Planes planes, double b) : planes_(planes), b_(b) {}

    // Potential and field at (rx, ry) of unit density on the segment.
    Influence at(double x1, double y1, double x2, double y2, double rx, double ry, bool self,
                 bool wantField) const
    {
        Influence out;
        const auto add = [&](double sign, double ax, double ay, double bx, double by, bool s) {
            const Influence in = segmentLog(ax, ay, bx, by, rx, ry, s);
            out.phi += sign * in.phi;
            out.ex += sign * in.ex;
            out.ey += sign * in.ey;
        };
        switch (planes_) {
        case Planes::None:
            add(-1.0, x1, y1, x2, y2, self);
            break;
        case Planes::Lower:
            add(-1.0, x1, y1, x2, y2, self);
            add(1.0, x1, -y1, x2, -y2, false);
            break;
        case Planes::Both:
            add(-1.0, x1, y1, x2, y2, self);
            add(1.0, x1, -y1, x2, -y2, false);
            add(1.0, x1, 2.0 * b_ - y1, x2, 2.0 * b_ - y2, false);
            smoothPart(out, x1, y1, x2, y2, rx, ry, wantField);
            break;
        }
        // phi so far is 2 pi times the potential, (ex, ey) 2 pi times its gradient.
        out.phi /= 2.0 * kPi;
        out.ex /= -2.0 * kPi;
        out.ey /= -2.0 * kPi;
        return out;
    }

private:
    // Between planes the potential is (1/4 pi)[D(a, b+) - D(a, b-)], D = ln(cosh a - cos b);
    // the logarithms of the source and its two nearest images are taken out and integrated
    // exactly above, the remainder is smooth.
    void smoothPart(Influence &out, double x1, double y1, double x2, double y2, double rx,
                    double ry, bool wantField) const
    {
        const double k = kPi / b_;
        const double len = std::hypot(x2 - x1, y2 - y1);
        double phi = std::log(k) * len; // the constant the three logarithms leave
        double gx = 0.0;
        double gy = 0.0;
        for (int g = 0; g < 4; ++g) {
            const double f = 0.5 * (1.0 + kGaussX[g]);
            const double sx = x1 + (x2 - x1) * f;
            const double sy = y1 + (y2 - y1) * f;
            const double w = 0.5 * kGaussW[g] * len;
            const double a = k * (rx - sx);
            const double bp = k * (ry + sy);
            const double bm = k * (ry - sy);
            const LogCoshCos dp = logCoshCos(a, bp);
            const LogCoshCos dm = logCoshCos(a, bm);
            const double rp = a * a + bp * bp;
            const double rq = a * a + (2.0 * kPi - bp) * (2.0 * kPi - bp);
            const double rm = a * a + bm * bm;
            // 0.5 (S2 - S): the logs were counted with weight 1 as ln r, i.e. 0.5 ln r^2.
            phi += w * 0.5 * (dp.value - std::log(rp) - std::log(rq) - dm.value + std::log(rm));
            if (wantField) {
                const double sa = dp.da - 2.0 * a / rp - 2.0 * a / rq - dm.da + 2.0 * a / rm;
                const double sb =
                    dp.db - 2.0 * bp / rp + 2.0 * (2.0 * kPi - bp) / rq - dm.db + 2.0 * bm / rm;
                gx += w * 0.5 * k * sa;
                gy += w * 0.5 * k * sb;
            }
        }
        out.phi += phi;
        out.ex += gx;
        out.ey += gy;
    }

    Planes planes_;
    double b_;
};

// ---------------------------------------------------------------------------------------------
// Dense LU with partial pivoting; false for a singular matrix.

bool luSolve(std::vector<double> &a, std::size_t n, std::vector<std::vector<double>> &rhs)
{
    std::vector<std::size_t> pivot(n);
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        double best = std::abs(a[k * n + k]);
        for (std::size_t i = k + 1; i < n; ++i)
            if (std::abs(a[i * n + k]) > best) {
                best = std::abs(a[i * n + k]);
                p = i;
            }
        if (!(best > 0.0) || !std::isfinite(best))
            return false;
        pivot[k] = p;
        if (p != k)
            for (std::size_t j = 0; j < n; ++j)
                std::swap(a[k * n + j], a[p * n + j]);
        const double inv = 1.0 / a[k * n + k];
        for (std::size_t i = k + 1; i < n; ++i) {
            const double m = a[i * n + k] * inv;
            a[i * n + k] = m;
            if (m == 0.0)
                continue;
            const double *rowK = &a[k * n];
            double *rowI = &a[i * n];
            for (std::size_t j = k + 1; j < n; ++j)
                rowI[j] -= m * rowK[j];
        }
    }
    for (std::vector<double> &x : rhs) {
        for (std::size_t k = 0; k < n; ++k)
            if (pivot[k] != k)
                std::swap(x[k], x[pivot[k]]);
        for (std::size_t i = 1; i < n; ++i)
            for (std::size_t j = 0; j < i; ++j)
                x[i] -= a[i * n + j] * x[j];
        for (std::size_t i = n; i-- > 0;) {
            for (std::size_t j = i + 1; j < n; ++j)
                x[i] -= a[i * n + j] * x[j];
            x[i] /= a[i * n + i];
        }
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// One medium (with or without dielectric): the influence of every panel and its mirror image.

class Problem {
public:
    Problem(const Section &s, double refinement, bool withDielectric)
        : s_(s), kernel_(s.planes, s.b)
    {
        Mesher mesher(s, refinement);
        mesher.conductorPanels(panels_, withDielectric);
        if (withDielectric)
            mesher.interfacePanels(panels_);
        const std::size_t n = panels_.size();
        // Beyond this the geometry spans scales no entry of the calculators reaches.
        if (n > kMostPanels) {
            panels_.clear();
            return;
        }
        direct_.assign(n * n, {});
        mirror_.assign(n * n, {});
        for (std::size_t i = 0; i < n; ++i) {
            const Panel &r = panels_[i];
            for (std::size_t j = 0; j < n; ++j) {
                const Panel &p = panels_[j];
                direct_[i * n + j] =
                    kernel_.at(p.x1, p.y1, p.x2, p.y2, r.mx, r.my, i == j, r.needsField);
                mirror_[i * n + j] =
                    kernel_.at(-p.x1, p.y1, -p.x2, p.y2, r.mx, r.my, false, r.needsField);
            }
        }
    }

    // Free charge per unit potential on each conductor (whole conductor, both halves) for the
    // given conductor potentials and mirror sign; empty when there is no solution.
    std::vector<double> charges(const std::vector<double> &potentials, double mirrorSign) const
    {
        const std::size_t n = panels_.size();
        if (n == 0)
            return {};
        const bool floating = s_.planes == Planes::None && mirrorSign > 0.0;
        const std::size_t m = n + (floating ? 1 : 0);
        std::vector<double> a(m * m, 0.0);
        std::vector<std::vector<double>> rhs(1, std::vector<double>(m, 0.0));
        for (std::size_t i = 0; i < n; ++i) {
            const Panel &r = panels_[i];
            double *row = &a[i * m];
            if (r.conductor >= 0) {
                for (std::size_t j = 0; j < n; ++j)
                    row[j] = direct_[i * n + j].phi + mirrorSign * mirror_[i * n + j].phi;
                if (floating)
                    row[n] = 1.0; // the potential far away, fixed by charge neutrality
                rhs[0][i] = potentials[static_cast<std::size_t>(r.conductor)];
            } else {
                const double contrast = r.erAbove - r.erBelow;
                for (std::size_t j = 0; j < n; ++j)
                    row[j] = contrast * normalField(i, j, mirrorSign);
                row[i] += 0.5 * (r.erAbove + r.erBelow);
            }
        }
        if (floating)
            for (std::size_t j = 0; j < n; ++j)
                a[n * m + j] = panels_[j].len;
        if (!luSolve(a, m, rhs))
            return {};
        const std::vector<double> &sigma = rhs[0];

        std::vector<double> q(static_cast<std::size_t>(s_.conductors), 0.0);
        for (std::size_t i = 0; i < n; ++i) {
            const Panel &p = panels_[i];
            if (p.conductor < 0)
                continue;
            double free = p.erOut * sigma[i];
            if (p.needsField) {
                // A strip on an interface: the flux leaving both faces.
                double en = 0.0;
                for (std::size_t j = 0; j < n; ++j)
                    en += normalField(i, j, mirrorSign) * sigma[j];
                free = 0.5 * (p.erAbove + p.erBelow) * sigma[i] + (p.erAbove - p.erBelow) * en;
            }
            q[static_cast<std::size_t>(p.conductor)] += free * p.len;
        }
        // A conductor across the centre line was meshed on one half only.
        for (std::size_t k = 0; k < q.size(); ++k)
            if (straddles(static_cast<int>(k)))
                q[k] *= 2.0;
        return q;
    }

private:
    bool straddles(int conductor) const
    {
        return std::any_of(s_.rects.begin(), s_.rects.end(), [conductor](const Rect &r) {
            return r.conductor == conductor && r.x0 == 0.0;
        });
    }

    double normalField(std::size_t i, std::size_t j, double mirrorSign) const
    {
        const std::size_t n = panels_.size();
        const Panel &r = panels_[i];
        const Influence &d = direct_[i * n + j];
        const Influence &m = mirror_[i * n + j];
        return r.nx * (d.ex + mirrorSign * m.ex) + r.ny * (d.ey + mirrorSign * m.ey);
    }

    const Section &s_;
    Kernel kernel_;
    std::vector<Panel> panels_;
    std::vector<Influence> direct_;
    std::vector<Influence> mirror_;
};

// Capacitance (in units of eps0) with and without the dielectric for one mode.
struct ModeCapacitance {
    bool valid = false;
    double c = 0.0;
    double c0 = 0.0;
};

std::vector<ModeCapacitance> solveModes(const Section &s, double refinement,
                                        const std::vector<std::vector<double>> &potentials,
                                        const std::vector<double> &mirrorSigns)
{
    std::vector<ModeCapacitance> out(potentials.size());
    const bool dielectric = layered(s);
    const Problem vacuum(s, refinement, false);
    std::vector<Problem> filled;
    if (dielectric)
        filled.emplace_back(s, refinement, true);
    for (std::size_t k = 0; k < potentials.size(); ++k) {
        const std::vector<double> q0 = vacuum.charges(potentials[k], mirrorSigns[k]);
        if (q0.empty())
            continue;
        // The charge of the first conductor, which is held at potential potentials[k][0].
        const double c0 = q0[0] / potentials[k][0];
        double c = c0 * s.layers.front().er;
        if (dielectric) {
            const std::vector<double> q = filled.front().charges(potentials[k], mirrorSigns[k]);
            if (q.empty())
                continue;
            c = q[0] / potentials[k][0];
        }
        if (!(c0 > 0.0 && c > 0.0) || !std::isfinite(c) || !std::isfinite(c0))
            continue;
        out[k] = {true, c, c0};
    }
    return out;
}

double impedance(const ModeCapacitance &m)
{
    return kEta0 / std::sqrt(m.c * m.c0);
}

bool positive(std::initializer_list<double> values)
{
    for (double v : values)
        if (!(v > 0.0) || !std::isfinite(v))
            return false;
    return true;
}

// The scale of the panels: the smallest of the lengths given, thickness excluded (a thin
// conductor's edge faces get their few panels anyway).
// A distance that rounding left from two equal heights is no feature: nothing under 1e-4 of
// the largest counts.
double smallest(std::initializer_list<double> values)
{
    double largest = 0.0;
    for (double v : values)
        largest = std::max(largest, v);
    double m = kInfinity;
    for (double v : values)
        if (v > 1e-4 * largest)
            m = std::min(m, v);
    return m;
}

std::vector<Layer> substrate(double h, double er)
{
    return {{h, er}, {kInfinity, 1.0}};
}

std::vector<Layer> homogeneous(double er)
{
    return {{kInfinity, er}};
}

} // namespace

FieldLineResult FieldSolveLine(LineTopology topology, const LineGeometry &g,
                               const FieldSolverOptions &options)
{
    FieldLineResult r;
    if (!positive({g.w, g.h, g.er, options.refinement}) || !(g.t >= 0.0) || !(g.er >= 1.0) ||
        !std::isfinite(g.t))
        return r;
    Section s;
    const double half = 0.5 * g.w;
    switch (topology) {
    case LineTopology::Microstrip:
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{0.0, g.h, half, g.t, 0}};
        s.scale = smallest({g.w, g.h});
        break;
    case LineTopology::MicrostripEmbed:
        if (!positive({g.second}))
            return r;
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{0.0, g.second, half, g.t, 0}};
        s.scale =
            smallest({g.w, g.second, std::abs(g.h - g.second), std::abs(g.h - g.second - g.t)});
        break;
    case LineTopology::Stripline:
        s.planes = Planes::Both;
        s.b = 2.0 * g.h + g.t;
        s.layers = homogeneous(g.er);
        s.rects = {{0.0, g.h, half, g.t, 0}};
        s.scale = smallest({g.w, g.h});
        break;
    case LineTopology::StriplineAsym:
    case LineTopology::DualStripline: {
        const double above =
            topology == LineTopology::StriplineAsym ? g.second : g.h + g.t + g.second;
        if (!positive({g.second}))
            return r;
        s.planes = Planes::Both;
        s.b = g.h + g.t + above;
        s.layers = homogeneous(g.er);
        s.rects = {{0.0, g.h, half, g.t, 0}};
        s.scale = smallest({g.w, g.h, above});
        break;
    }
    case LineTopology::CoplanarWave: {
        if (!positive({g.second}))
            return r;
        const double inner = half + g.second;
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{0.0, g.h, half, g.t, 0},
                   {inner, g.h, 2.0 * (g.w + 2.0 * g.second) + 2.0 * g.h, g.t, 1}};
        s.conductors = 2;
        s.scale = smallest({g.w, g.h, g.second});
        break;
    }
    }
    if (!std::isfinite(s.scale) || (s.planes == Planes::Both && !std::isfinite(s.b)))
        return r;
    std::vector<ModeCapacitance> modes;
    try {
        modes = solveModes(s, options.refinement, {{1.0, 0.0}}, {1.0});
    } catch (const std::bad_alloc &) {
        return r;
    }
    if (!modes[0].valid)
        return r;
    r.valid = true;
    r.z0 = impedance(modes[0]);
    r.erEff = modes[0].c / modes[0].c0;
    r.capacitancePfPerMetre = modes[0].c * kEpsilon0 * 1e12;
    r.inductanceNhPerMetre = r.z0 * r.z0 * modes[0].c * kEpsilon0 * 1e9;
    r.psPerInch = std::sqrt(r.erEff) * kPsPerInchInVacuum;
    r.psPerCentimetre = r.psPerInch / 2.54;
    return r;
}

FieldPairResult FieldSolvePair(PairArrangement arrangement, const PairGeometry &g,
                               const FieldSolverOptions &options)
{
    FieldPairResult r;
    if (!positive({g.w, g.s, g.h, g.er, options.refinement}) || !(g.t >= 0.0) || !(g.er >= 1.0) ||
        !std::isfinite(g.t))
        return r;
    Section s;
    const double gapHalf = 0.5 * g.s;
    bool sideBySide = true;
    switch (arrangement) {
    case PairArrangement::EdgeCoupledExternal:
        s.planes = Planes::Lower;
        s.layers = substrate(g.h, g.er);
        s.rects = {{gapHalf, g.h, g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, g.h});
        break;
    case PairArrangement::EdgeCoupledInternalSymmetric:
        if (!(g.h > g.t))
            return r;
        s.planes = Planes::Both;
        s.b = g.h;
        s.layers = homogeneous(g.er);
        s.rects = {{gapHalf, 0.5 * (g.h - g.t), g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, 0.5 * (g.h - g.t)});
        break;
    case PairArrangement::EdgeCoupledInternalAsymmetric:
        if (!positive({g.h2}))
            return r;
        s.planes = Planes::Both;
        s.b = g.h + g.t + g.h2;
        s.layers = homogeneous(g.er);
        s.rects = {{gapHalf, g.h, g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, g.h, g.h2});
        break;
    case PairArrangement::EdgeCoupledEmbedded:
        if (!positive({g.h2}))
            return r;
        s.planes = Planes::Lower;
        s.layers = substrate(g.h2, g.er);
        s.rects = {{gapHalf, g.h, g.w, g.t, 0}};
        s.scale = smallest({g.w, g.s, g.h, std::abs(g.h2 - g.h), std::abs(g.h2 - g.h - g.t)});
        break;
    case PairArrangement::BroadsideCoupledShielded:
    case PairArrangement::BroadsideCoupledUnshielded: {
        if (!broadsideFits(g.h, g.t, g.s))
            return r;
        const double lower = 0.5 * (g.h - 2.0 * g.t - g.s);
        const bool shielded = arrangement == PairArrangement::BroadsideCoupledShielded;
        s.planes = shielded ? Planes::Both : Planes::None;
        s.b = g.h;
        s.layers = shielded ? homogeneous(g.er)
                            : std::vector<Layer>{{0.0, 1.0}, {g.h, g.er}, {kInfinity, 1.0}};
        s.rects = {{0.0, lower + g.t + g.s, 0.5 * g.w, g.t, 0}, {0.0, lower, 0.5 * g.w, g.t, 1}};
        s.conductors = 2;
        s.scale = smallest({g.w, g.s, lower});
        sideBySide = false;
        break;
    }
    }
    if (!std::isfinite(s.scale) || (s.planes == Planes::Both && !std::isfinite(s.b)))
        return r;
    const bool even = s.planes != Planes::None;
    std::vector<std::vector<double>> potentials;
    std::vector<double> signs;
    if (sideBySide) {
        potentials = {{1.0}, {1.0}};
        signs = {-1.0, 1.0};
    } else {
        potentials = {{1.0, -1.0}, {1.0, 1.0}};
        signs = {1.0, 1.0};
    }
    if (!even) {
        potentials.pop_back();
        signs.pop_back();
    }
    std::vector<ModeCapacitance> modes;
    try {
        modes = solveModes(s, options.refinement, potentials, signs);
    } catch (const std::bad_alloc &) {
        return r;
    }
    if (!modes[0].valid || (even && !modes[1].valid))
        return r;
    r.valid = true;
    r.zodd = impedance(modes[0]);
    r.zdiff = 2.0 * r.zodd;
    r.erEffOdd = modes[0].c / modes[0].c0;
    if (even) {
        r.hasEvenMode = true;
        r.zeven = impedance(modes[1]);
        r.zcommon = 0.5 * r.zeven;
        r.erEffEven = modes[1].c / modes[1].c0;
    }
    return r;
}

} // namespace tw::lines
