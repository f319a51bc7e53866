#include "mapexport/PolygonSolid.h"

namespace ondrel {
namespace {

IntegerPoint Pushed(const IntegerPoint& p, const IntegerPoint& by) { return {p.x + by.x, p.y + by.y, p.z + by.z}; }

// Three corners spread round the polygon: any three of a convex ring, taken
// in ring order, give its plane facing the same way; spread ones give a
// compiler the best-conditioned plane.
IntegerFace PolygonFace(std::span<const IntegerPoint> ring) {
    const std::size_t n = ring.size();
    return {{ring[0], ring[n / 3], ring[2 * n / 3]}};
}

}  // namespace

// Each side is a rectangle given once: a single triangle's prism gives it
// as two triangles on one plane, which a polygon's sides do not need.
void MakePolygonPrismFaces(std::span<const IntegerPoint> ring, const IntegerPoint& push,
                           std::vector<IntegerFace>& faces) {
    const std::size_t n = ring.size();
    faces.clear();
    const IntegerFace base = PolygonFace(ring);
    faces.push_back(base);
    faces.push_back({{Pushed(base.points[0], push), Pushed(base.points[2], push), Pushed(base.points[1], push)}});
    // Edge by edge from the closing one, as a triangle's sides run.
    for (std::size_t k = 0; k < n; ++k) {
        const IntegerPoint& from = ring[(k + n - 1) % n];
        const IntegerPoint& to = ring[k];
        faces.push_back({{to, from, Pushed(from, push)}});
    }
}

void MakePolygonPyramidFaces(std::span<const IntegerPoint> ring, const IntegerPoint& apex,
                             std::vector<IntegerFace>& faces) {
    const std::size_t n = ring.size();
    faces.clear();
    faces.push_back(PolygonFace(ring));
    for (std::size_t k = 0; k < n; ++k) faces.push_back({{ring[k], apex, ring[(k + 1) % n]}});
}

}  // namespace ondrel
