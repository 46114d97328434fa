#pragma once

// The engine of the field solver (field_solver.h), shared by its three files: the half
// cross-section it solves, the panels it is cut into (field_mesh.cpp), and the capacitance of
// each mode by boundary elements (field_boundary_elements.cpp). Not for use elsewhere.

#include <limits>
#include <numbers>
#include <vector>

namespace tw::lines::field {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kInfinity = std::numeric_limits<double>::infinity();
inline constexpr double kLightSpeed = 299792458.0;               // m/s
inline constexpr double kEpsilon0 = 8.8541878128e-12;            // F/m
inline constexpr double kEta0 = 1.0 / (kLightSpeed * kEpsilon0); // ohms

// A cross-section by its half x >= 0: every section solved is symmetric about x = 0.

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

// The dielectric constant at height y.
double erAt(const Section &s, double y);
// True when the layers are not all of one dielectric.
bool layered(const Section &s);

// A straight piece of conductor face or dielectric interface with a constant charge density.
struct Panel {
    double x1, y1, x2, y2;
    double mx, my, len;
    double nx, ny;      // outward normal of a conductor face; +y on an interface or strip
    int conductor = -1; // -1: a dielectric interface
    double erOut = 1.0; // medium the conductor face looks into
    double erAbove = 1.0, erBelow = 1.0; // interfaces, and strips lying on one
    bool needsField = false;             // interface, or strip on an interface
};

// The panels of the section: conductor faces, and with the dielectric its interfaces too.
std::vector<Panel> meshSection(const Section &s, double refinement, bool withDielectric);

// Capacitance (in units of eps0) with and without the dielectric for one mode.
struct ModeCapacitance {
    bool valid = false;
    double c = 0.0;
    double c0 = 0.0;
};

// One result per mode: the conductors at potentials[k], the mirror half at mirrorSigns[k] times
// the charge of this half (+1 even, -1 odd).
std::vector<ModeCapacitance> solveModes(const Section &s, double refinement,
                                        const std::vector<std::vector<double>> &potentials,
                                        const std::vector<double> &mirrorSigns);

double impedance(const ModeCapacitance &m);

} // namespace tw::lines::field
