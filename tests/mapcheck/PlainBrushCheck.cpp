#include "tests/mapcheck/PlainBrushCheck.h"

#include <algorithm>
#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <sstream>
#include <vector>

namespace ondrel::testing {
namespace {

using Int3 = std::array<std::int64_t, 3>;
using Real3 = std::array<double, 3>;

struct Face {
    Int3 p[3];
};

Int3 Minus(const Int3& a, const Int3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
Int3 Cross(const Int3& a, const Int3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Real3 Cross(const Real3& a, const Real3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double Dot(const Real3& a, const Real3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

struct IntPlane {
    Int3 normal;  // divided by the gcd of its components
    std::int64_t distance;
    bool operator==(const IntPlane&) const = default;
};

struct RealPlane {
    Real3 normal;
    double distance;
};

IntPlane ExactPlane(const Face& f) {
    Int3 n = Cross(Minus(f.p[0], f.p[1]), Minus(f.p[2], f.p[1]));
    const std::int64_t g = std::gcd(std::gcd(n[0], n[1]), n[2]);
    for (auto& c : n) c /= g;
    return {n, n[0] * f.p[1][0] + n[1] * f.p[1][1] + n[2] * f.p[1][2]};
}

RealPlane ToReal(const IntPlane& p) {
    const double length = std::sqrt(double(p.normal[0]) * p.normal[0] + double(p.normal[1]) * p.normal[1] +
                                    double(p.normal[2]) * p.normal[2]);
    return {{p.normal[0] / length, p.normal[1] / length, p.normal[2] / length}, p.distance / length};
}

std::vector<Real3> Corners(const std::vector<RealPlane>& planes) {
    std::vector<Real3> corners;
    for (std::size_t i = 0; i < planes.size(); ++i)
        for (std::size_t j = i + 1; j < planes.size(); ++j)
            for (std::size_t k = j + 1; k < planes.size(); ++k) {
                const Real3 jk = Cross(planes[j].normal, planes[k].normal);
                const double det = Dot(planes[i].normal, jk);
                if (std::fabs(det) < 1e-9) continue;
                const Real3 ki = Cross(planes[k].normal, planes[i].normal);
                const Real3 ij = Cross(planes[i].normal, planes[j].normal);
                Real3 x;
                for (int c = 0; c < 3; ++c)
                    x[c] = (planes[i].distance * jk[c] + planes[j].distance * ki[c] + planes[k].distance * ij[c]) / det;
                const bool inside = std::all_of(planes.begin(), planes.end(), [&](const RealPlane& p) {
                    return Dot(p.normal, x) - p.distance <= 0.01;
                });
                if (inside) corners.push_back(x);
            }
    return corners;
}

bool SpansAnArea(const std::vector<Real3>& corners) {
    for (std::size_t j = 1; j < corners.size(); ++j)
        for (std::size_t k = j + 1; k < corners.size(); ++k) {
            Real3 a, b;
            for (int c = 0; c < 3; ++c) {
                a[c] = corners[j][c] - corners[0][c];
                b[c] = corners[k][c] - corners[0][c];
            }
            const Real3 n = Cross(a, b);
            if (Dot(n, n) > 1e-12) return true;
        }
    return false;
}

void CountBrush(const std::vector<Face>& faces, PlainCounts& counts) {
    ++counts.brushes;
    bool problem = false;
    std::vector<IntPlane> planes;       // every face's plane, or none
    std::vector<bool> hasPlane;
    std::vector<IntPlane> distinct;
    std::int64_t largest = 0;
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const Face& f = faces[i];
        for (const Int3& p : f.p)
            for (std::int64_t c : p) largest = std::max(largest, c < 0 ? -c : c);
        const bool coincident = f.p[0] == f.p[1] || f.p[1] == f.p[2] || f.p[0] == f.p[2];
        const bool collinear = !coincident && Cross(Minus(f.p[0], f.p[1]), Minus(f.p[2], f.p[1])) == Int3{0, 0, 0};
        counts.coincidentFaces += coincident;
        counts.collinearFaces += collinear;
        problem = problem || coincident || collinear;
        hasPlane.push_back(!coincident && !collinear);
        planes.push_back(hasPlane.back() ? ExactPlane(f) : IntPlane{});
        if (!hasPlane.back()) continue;
        std::size_t first = i;
        for (std::size_t e = 0; e < i && first == i; ++e)
            if (hasPlane[e] && planes[e] == planes[i]) first = e;
        if (first == i) {
            distinct.push_back(planes[i]);
        } else if (faces.size() == 8 && (i == 3 || i == 5 || i == 7) && first + 1 == i) {
            ++counts.designedDuplicates;
        } else {
            ++counts.otherDuplicates;
            problem = true;
        }
    }

    const double box = std::max(65536.0, 4.0 * double(largest));
    std::vector<RealPlane> all;
    for (const IntPlane& p : distinct) all.push_back(ToReal(p));
    for (int axis = 0; axis < 3; ++axis)
        for (double sign : {1.0, -1.0}) {
            RealPlane side{{0, 0, 0}, box};
            side.normal[axis] = sign;
            all.push_back(side);
        }
    const std::vector<Real3> corners = Corners(all);
    if (!SpansAnArea(corners)) {
        ++counts.emptyBrushes;
        counts.problemBrushes += 1;
        return;
    }
    bool unbounded = false;
    for (const Real3& x : corners)
        for (double c : x) unbounded = unbounded || std::fabs(c) >= box - 0.01;
    double narrowest = INFINITY;
    for (const IntPlane& p : distinct) {
        const RealPlane r = ToReal(p);
        double width = 0.0;
        for (const Real3& x : corners) width = std::max(width, r.distance - Dot(r.normal, x));
        narrowest = std::min(narrowest, width);
    }
    const bool thin = !unbounded && narrowest < 0.1;
    counts.unboundedBrushes += unbounded;
    counts.thinBrushes += thin;
    counts.problemBrushes += problem || unbounded || thin;
}

}  // namespace

PlainCounts PlainCheckOfWrittenMap(const std::string& mapText) {
    PlainCounts counts;
    std::istringstream lines(mapText);
    std::string line;
    std::vector<Face> faces;
    bool inBrush = false;
    while (std::getline(lines, line)) {
        if (line.rfind("{ ;", 0) == 0) {
            inBrush = true;
            faces.clear();
        } else if (inBrush && line.rfind("}", 0) == 0) {
            CountBrush(faces, counts);
            inBrush = false;
        } else if (inBrush) {
            Face f;
            const int read = std::sscanf(line.c_str(),
                                         " (%" SCNd64 " %" SCNd64 " %" SCNd64 ") (%" SCNd64 " %" SCNd64 " %" SCNd64
                                         ") (%" SCNd64 " %" SCNd64 " %" SCNd64 ")",
                                         &f.p[0][0], &f.p[0][1], &f.p[0][2], &f.p[1][0], &f.p[1][1], &f.p[1][2],
                                         &f.p[2][0], &f.p[2][1], &f.p[2][2]);
            if (read == 9) faces.push_back(f);
        }
    }
    return counts;
}

}  // namespace ondrel::testing
