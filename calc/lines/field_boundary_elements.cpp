// Capacitance of a half cross-section by boundary elements: piecewise-constant total charge on
// conductor faces and dielectric interfaces, with the planes in the kernel.

#include "calc/lines/field_section.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tw::lines::field {

namespace {

constexpr std::size_t kMostPanels = 1500;

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
        panels_ = meshSection(s, refinement, withDielectric);
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

} // namespace

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

} // namespace tw::lines::field
