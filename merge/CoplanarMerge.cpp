#include "merge/CoplanarMerge.h"

#include <algorithm>
#include <tuple>

namespace ondrel::merge {
namespace {

// A triangle's directed edge; its neighbour on the same plane holds it
// reversed.
struct Edge {
    IntegerPoint from;
    IntegerPoint to;
    std::uint32_t triangle;
    bool operator<(const Edge& other) const { return std::tie(from, to) < std::tie(other.from, other.to); }
};

bool SameGroup(const MergeCandidate& a, const MergeCandidate& b) {
    return a.kind == b.kind && a.plane == b.plane && a.push == b.push;
}

// Mergeable triangles ordered so that each group (plane, kind, push) is
// one run, in triangle order within it.
std::vector<std::uint32_t> GroupedTriangles(std::span<const MergeCandidate> triangles) {
    std::vector<std::uint32_t> order;
    for (std::uint32_t i = 0; i < triangles.size(); ++i) {
        if (triangles[i].mergeable) order.push_back(i);
    }
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const MergeCandidate& x = triangles[a];
        const MergeCandidate& y = triangles[b];
        return std::tie(x.plane, x.kind, x.push, a) < std::tie(y.plane, y.kind, y.push, b);
    });
    return order;
}

class GroupMerger {
public:
    GroupMerger(std::span<const MergeCandidate> triangles, std::size_t maxCorners, std::vector<bool>& taken)
        : triangles_(triangles), maxCorners_(maxCorners), taken_(taken) {}

    // One group's polygons, seeds taken in triangle order.
    void Merge(std::span<const std::uint32_t> group, std::vector<MergedPolygon>& out) {
        edges_.clear();
        for (const std::uint32_t t : group) {
            const IntegerPoint* c = triangles_[t].corners;
            for (int k = 0; k < 3; ++k) edges_.push_back({c[k], c[(k + 1) % 3], t});
        }
        std::sort(edges_.begin(), edges_.end());
        for (const std::uint32_t seed : group) {
            if (taken_[seed]) continue;
            MergedPolygon polygon = Grow(seed);
            if (polygon.triangles.size() > 1) {
                std::sort(polygon.triangles.begin(), polygon.triangles.end());
                out.push_back(std::move(polygon));
            }
        }
    }

private:
    MergedPolygon Grow(std::uint32_t seed) {
        const MergeCandidate& first = triangles_[seed];
        plane_ = first.plane;
        MergedPolygon polygon{{first.corners[0], first.corners[1], first.corners[2]}, {seed}};
        taken_[seed] = true;
        bool grew = true;
        while (grew && polygon.ring.size() < maxCorners_) {
            grew = false;
            for (std::size_t i = 0; i < polygon.ring.size() && polygon.ring.size() < maxCorners_; ++i) {
                if (AttachAcross(polygon, i)) grew = true;
            }
        }
        return polygon;
    }

    // Adds a free triangle across the ring's edge i -> i+1 when the ring
    // stays convex; answers whether one was added.
    bool AttachAcross(MergedPolygon& polygon, std::size_t i) {
        std::vector<IntegerPoint>& ring = polygon.ring;
        const std::size_t n = ring.size();
        const IntegerPoint& before = ring[(i + n - 1) % n];
        const IntegerPoint& a = ring[i];
        const IntegerPoint& b = ring[(i + 1) % n];
        const IntegerPoint& after = ring[(i + 2) % n];
        const Edge key{b, a, 0};
        for (auto it = std::lower_bound(edges_.begin(), edges_.end(), key); it != edges_.end() && it->from == b && it->to == a;
             ++it) {
            if (taken_[it->triangle]) continue;
            const IntegerPoint c = ThirdCorner(triangles_[it->triangle], b, a);
            if (Turn(plane_, before, a, c) < 0 || Turn(plane_, c, b, after) < 0) continue;
            taken_[it->triangle] = true;
            polygon.triangles.push_back(it->triangle);
            ring.insert(ring.begin() + static_cast<std::ptrdiff_t>(i) + 1, c);
            return true;
        }
        return false;
    }

    static IntegerPoint ThirdCorner(const MergeCandidate& t, const IntegerPoint& p, const IntegerPoint& q) {
        for (const IntegerPoint& c : t.corners) {
            if (c != p && c != q) return c;
        }
        return t.corners[0];
    }

    std::span<const MergeCandidate> triangles_;
    std::size_t maxCorners_;
    std::vector<bool>& taken_;
    std::vector<Edge> edges_;
    ExactPlane plane_;
};

}  // namespace

std::vector<MergedPolygon> MergeCoplanarTriangles(std::span<const MergeCandidate> triangles, std::size_t maxCorners) {
    const std::vector<std::uint32_t> order = GroupedTriangles(triangles);
    std::vector<bool> taken(triangles.size(), false);
    GroupMerger merger(triangles, maxCorners, taken);
    std::vector<MergedPolygon> polygons;
    for (std::size_t start = 0; start < order.size();) {
        std::size_t end = start + 1;
        while (end < order.size() && SameGroup(triangles[order[start]], triangles[order[end]])) ++end;
        if (end - start > 1) merger.Merge(std::span(order).subspan(start, end - start), polygons);
        start = end;
    }
    return polygons;
}

std::vector<IntegerPoint> StrictCorners(const MergedPolygon& polygon, const ExactPlane& plane) {
    const std::vector<IntegerPoint>& ring = polygon.ring;
    const std::size_t n = ring.size();
    std::vector<IntegerPoint> corners;
    for (std::size_t i = 0; i < n; ++i) {
        if (Turn(plane, ring[(i + n - 1) % n], ring[i], ring[(i + 1) % n]) != 0) corners.push_back(ring[i]);
    }
    return corners;
}

}  // namespace ondrel::merge
