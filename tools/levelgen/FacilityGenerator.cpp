#include "tools/levelgen/FacilityGenerator.h"

#include "tools/levelgen/LevelBuilder.h"
#include "tools/levelgen/SplitMix64.h"

namespace ondrel::levelgen {
namespace {

// Game units to the half-units the level is kept in.
constexpr std::int32_t U(std::int32_t units) { return units * 2; }

constexpr std::int32_t kTile = 100;          // wall and floor tiles, game units
constexpr std::int32_t kCell = 1600;         // one room and its share of corridor
constexpr std::int32_t kModuleSpacing = 3400;
constexpr int kRoomHeightTiles = 4;
constexpr int kCorridorHeightTiles = 3;
constexpr int kDoorWidthTiles = 2;
constexpr std::size_t kTypicalModuleTriangles = 3900;

const HalfPoint kUp{0, 1, 0}, kDown{0, -1, 0};
const HalfPoint kEast{1, 0, 0}, kWest{-1, 0, 0}, kNorth{0, 0, 1}, kSouth{0, 0, -1};

const std::uint32_t kWallPalette[] = {0xFF8C9AA8u, 0xFFB5651Du, 0xFF4F7942u, 0xFF9E2A2Bu,
                                      0xFFD8C690u, 0xFF3E5C8Au, 0xFF7A6F9Bu, 0xFFC0C0C0u};
constexpr std::uint32_t kFloorPaint = 0xFF5A5550u;
constexpr std::uint32_t kCeilingPaint = 0xFFE0E0D8u;
constexpr std::uint32_t kCorridorPaint = 0xFF6E7B6Cu;
constexpr std::uint32_t kStairPaint = 0xFF808890u;
constexpr std::uint32_t kPillarPaint = 0xFFA0A4A8u;
constexpr std::uint32_t kCratePaint = 0xFF8B6B3Du;
constexpr std::uint32_t kGlassPaint = 0xFF9FD7E8u;

HalfPoint P(std::int32_t x, std::int32_t y, std::int32_t z) { return {U(x), U(y), U(z)}; }

struct Room {
    std::int32_t x0, z0;     // corner with the least x and z, game units
    int widthTiles, depthTiles;
    bool door[4];            // west, east, south, north walls have a door way
    std::int32_t CentreX() const { return x0 + widthTiles * kTile / 2; }
    std::int32_t CentreZ() const { return z0 + depthTiles * kTile / 2; }
};

enum Side { kSideWest, kSideEast, kSideSouth, kSideNorth };

class ModuleBuilder {
public:
    ModuleBuilder(LevelBuilder& level, SplitMix64& random, std::int32_t originX, std::int32_t originZ)
        : level_(level), random_(random), originX_(originX), originZ_(originZ) {}

    void Build() {
        Room rooms[4];
        for (int k = 0; k < 4; ++k) rooms[k] = PlaceRoom(k % 2, k / 2);
        for (const Room& room : rooms) {
            const std::uint32_t wallPaint = kWallPalette[random_.Between(0, 7)];
            AddRoomShell(room, wallPaint);
            AddCove(room, wallPaint);
        }
        AddCorridorX(rooms[0], rooms[1]);
        AddCorridorX(rooms[2], rooms[3]);
        AddCorridorZ(rooms[0], rooms[2]);
        AddCorridorZ(rooms[1], rooms[3]);
        AddStairs(rooms[3]);
        AddRamp(rooms[1]);
        AddSkylight(rooms[2]);
        AddPillarRow(rooms[0]);
        AddPillarRow(rooms[2]);
        for (const Room& room : rooms) AddCrates(room);
    }

private:
    Room PlaceRoom(int cellX, int cellZ) {
        Room room{};
        room.widthTiles = 2 * random_.Between(4, 6);  // even, so door ways centre on a tile seam
        room.depthTiles = 2 * random_.Between(4, 6);
        room.x0 = originX_ + cellX * kCell + (kCell - room.widthTiles * kTile) / 2;
        room.z0 = originZ_ + cellZ * kCell + (kCell - room.depthTiles * kTile) / 2;
        room.door[kSideWest] = cellX == 1;
        room.door[kSideEast] = cellX == 0;
        room.door[kSideSouth] = cellZ == 1;
        room.door[kSideNorth] = cellZ == 0;
        return room;
    }

    static LevelBuilder::CellFilter DoorWay(bool hasDoor, int wallTiles) {
        if (!hasDoor) return {};
        const int first = wallTiles / 2 - kDoorWidthTiles / 2;
        return [first](int i, int j) {
            return i >= first && i < first + kDoorWidthTiles && j < kCorridorHeightTiles;
        };
    }

    void AddRoomShell(const Room& room, std::uint32_t wallPaint) {
        const std::int32_t x1 = room.x0 + room.widthTiles * kTile;
        const std::int32_t z1 = room.z0 + room.depthTiles * kTile;
        const std::int32_t height = kRoomHeightTiles * kTile;
        const HalfPoint stepX = P(kTile, 0, 0), stepZ = P(0, 0, kTile), stepY = P(0, kTile, 0);

        Surface(kFloorPaint);
        level_.AddTiledRect(P(room.x0, 0, room.z0), stepX, stepZ, room.widthTiles, room.depthTiles, kUp);
        Surface(wallPaint);
        level_.AddTiledRect(P(room.x0, 0, room.z0), stepZ, stepY, room.depthTiles, kRoomHeightTiles,
                            kEast, DoorWay(room.door[kSideWest], room.depthTiles));
        Surface(wallPaint);
        level_.AddTiledRect(P(x1, 0, room.z0), stepZ, stepY, room.depthTiles, kRoomHeightTiles, kWest,
                            DoorWay(room.door[kSideEast], room.depthTiles));
        Surface(wallPaint);
        level_.AddTiledRect(P(room.x0, 0, room.z0), stepX, stepY, room.widthTiles, kRoomHeightTiles,
                            kNorth, DoorWay(room.door[kSideSouth], room.widthTiles));
        Surface(wallPaint);
        level_.AddTiledRect(P(room.x0, 0, z1), stepX, stepY, room.widthTiles, kRoomHeightTiles, kSouth,
                            DoorWay(room.door[kSideNorth], room.widthTiles));
        Surface(kCeilingPaint);
        const bool skylight = HasSkylight(room);
        const int openI = room.widthTiles / 2 - 1, openJ = room.depthTiles / 2 - 1;
        level_.AddTiledRect(P(room.x0, height, room.z0), stepX, stepZ, room.widthTiles,
                            room.depthTiles, kDown, [=](int i, int j) {
                                return skylight && (i == openI || i == openI + 1) &&
                                       (j == openJ || j == openJ + 1);
                            });
    }

    // A 45-degree band where the walls meet the ceiling, one strip per wall.
    void AddCove(const Room& room, std::uint32_t paint) {
        constexpr std::int32_t kCove = 50;
        const std::int32_t x1 = room.x0 + room.widthTiles * kTile;
        const std::int32_t z1 = room.z0 + room.depthTiles * kTile;
        const std::int32_t top = kRoomHeightTiles * kTile, low = top - kCove;
        const HalfPoint stepX = P(kTile, 0, 0), stepZ = P(0, 0, kTile);
        Surface(paint);
        level_.AddTiledRect(P(room.x0, low, room.z0), stepZ, P(kCove, kCove, 0), room.depthTiles, 1,
                            HalfPoint{1, -1, 0});
        level_.AddTiledRect(P(x1, low, room.z0), stepZ, P(-kCove, kCove, 0), room.depthTiles, 1,
                            HalfPoint{-1, -1, 0});
        level_.AddTiledRect(P(room.x0, low, room.z0), stepX, P(0, kCove, kCove), room.widthTiles, 1,
                            HalfPoint{0, -1, 1});
        level_.AddTiledRect(P(room.x0, low, z1), stepX, P(0, kCove, -kCove), room.widthTiles, 1,
                            HalfPoint{0, -1, -1});
    }

    bool HasSkylight(const Room& room) const {
        return room.door[kSideEast] && room.door[kSideSouth];  // the room in cell (0, 1)
    }

    // A corridor joins the east door of `west` to the west door of `east`.
    void AddCorridorX(const Room& west, const Room& east) {
        const std::int32_t xa = west.x0 + west.widthTiles * kTile;
        const std::int32_t xb = east.x0;
        const std::int32_t zc = west.CentreZ();
        const int lengthTiles = (xb - xa) / kTile;
        const std::int32_t z0 = zc - kDoorWidthTiles * kTile / 2, z1 = zc + kDoorWidthTiles * kTile / 2;
        const std::int32_t top = kCorridorHeightTiles * kTile;
        const HalfPoint stepX = P(kTile, 0, 0), stepZ = P(0, 0, kTile), stepY = P(0, kTile, 0);
        Surface(kCorridorPaint);
        level_.AddTiledRect(P(xa, 0, z0), stepX, stepZ, lengthTiles, kDoorWidthTiles, kUp);
        level_.AddTiledRect(P(xa, top, z0), stepX, stepZ, lengthTiles, kDoorWidthTiles, kDown);
        Surface(kCorridorPaint);
        level_.AddTiledRect(P(xa, 0, z0), stepX, stepY, lengthTiles, kCorridorHeightTiles, kNorth);
        level_.AddTiledRect(P(xa, 0, z1), stepX, stepY, lengthTiles, kCorridorHeightTiles, kSouth);
    }

    // A corridor joins the north door of `south` to the south door of `north`.
    void AddCorridorZ(const Room& south, const Room& north) {
        const std::int32_t za = south.z0 + south.depthTiles * kTile;
        const std::int32_t zb = north.z0;
        const std::int32_t xc = south.CentreX();
        const int lengthTiles = (zb - za) / kTile;
        const std::int32_t x0 = xc - kDoorWidthTiles * kTile / 2, x1 = xc + kDoorWidthTiles * kTile / 2;
        const std::int32_t top = kCorridorHeightTiles * kTile;
        const HalfPoint stepX = P(kTile, 0, 0), stepZ = P(0, 0, kTile), stepY = P(0, kTile, 0);
        Surface(kCorridorPaint);
        level_.AddTiledRect(P(x0, 0, za), stepX, stepZ, kDoorWidthTiles, lengthTiles, kUp);
        level_.AddTiledRect(P(x0, top, za), stepX, stepZ, kDoorWidthTiles, lengthTiles, kDown);
        Surface(kCorridorPaint);
        level_.AddTiledRect(P(x0, 0, za), stepZ, stepY, lengthTiles, kCorridorHeightTiles, kEast);
        level_.AddTiledRect(P(x1, 0, za), stepZ, stepY, lengthTiles, kCorridorHeightTiles, kWest);
    }

    // An axis-aligned box without its bottom: the sides face out, the top up.
    void AddBox(std::int32_t x0, std::int32_t y0, std::int32_t z0, std::int32_t x1, std::int32_t y1,
                std::int32_t z1) {
        level_.AddQuad(P(x0, y1, z0), P(x1, y1, z0), P(x1, y1, z1), P(x0, y1, z1), kUp);
        level_.AddQuad(P(x0, y0, z0), P(x0, y1, z0), P(x0, y1, z1), P(x0, y0, z1), kWest);
        level_.AddQuad(P(x1, y0, z0), P(x1, y1, z0), P(x1, y1, z1), P(x1, y0, z1), kEast);
        level_.AddQuad(P(x0, y0, z0), P(x1, y0, z0), P(x1, y1, z0), P(x0, y1, z0), kSouth);
        level_.AddQuad(P(x0, y0, z1), P(x1, y0, z1), P(x1, y1, z1), P(x0, y1, z1), kNorth);
    }

    // Steps of 37.5 units up to a landing against the room's north wall.
    void AddStairs(const Room& room) {
        constexpr int kSteps = 6;
        const HalfPoint rise{0, 75, 0};
        const std::int32_t x0 = room.x0 + kTile, x1 = x0 + 2 * kTile;
        const std::int32_t zEnd = room.z0 + room.depthTiles * kTile;
        const std::int32_t landingDepth = 2 * kTile, tread = 50;
        const std::int32_t zLanding = zEnd - landingDepth;
        Surface(kStairPaint);
        for (int step = 0; step < kSteps; ++step) {
            const std::int32_t zFront = zLanding - (kSteps - step) * tread;
            const std::int32_t yTop = rise.y * (step + 1);  // already half-units
            const HalfPoint a{U(x0), 0, U(zFront)}, b{U(x1), 0, U(zFront)};
            const HalfPoint c{U(x1), yTop, U(zFront)}, d{U(x0), yTop, U(zFront)};
            level_.AddQuad(a, b, c, d, kSouth);
            const HalfPoint e{U(x0), yTop, U(zFront + tread)}, f{U(x1), yTop, U(zFront + tread)};
            level_.AddQuad(d, c, f, e, kUp);
            level_.AddQuad(a, d, e, HalfPoint{U(x0), 0, U(zFront + tread)}, kWest);
            level_.AddQuad(b, c, f, HalfPoint{U(x1), 0, U(zFront + tread)}, kEast);
        }
        const std::int32_t landingTop = rise.y * kSteps;
        const HalfPoint a{U(x0), landingTop, U(zLanding)}, b{U(x1), landingTop, U(zLanding)};
        level_.AddQuad(a, b, HalfPoint{U(x1), landingTop, U(zEnd)}, HalfPoint{U(x0), landingTop, U(zEnd)},
                       kUp);
        level_.AddQuad(HalfPoint{U(x0), 0, U(zLanding)}, a, HalfPoint{U(x0), landingTop, U(zEnd)},
                       HalfPoint{U(x0), 0, U(zEnd)}, kWest);
        level_.AddQuad(HalfPoint{U(x1), 0, U(zLanding)}, b, HalfPoint{U(x1), landingTop, U(zEnd)},
                       HalfPoint{U(x1), 0, U(zEnd)}, kEast);
    }

    // A slope from the floor up to a platform along the room's south wall.
    void AddRamp(const Room& room) {
        constexpr int kSegments = 6;
        constexpr std::int32_t kRise = 150, kRun = 600;
        const std::int32_t z0 = room.z0 + kTile, z1 = z0 + 2 * kTile;
        const std::int32_t xEnd = room.x0 + room.widthTiles * kTile - kTile;
        const std::int32_t xStart = xEnd - kRun;
        Surface(kStairPaint);
        for (int s = 0; s < kSegments; ++s) {
            const std::int32_t xa = xStart + kRun * s / kSegments, xb = xStart + kRun * (s + 1) / kSegments;
            const std::int32_t ya = kRise * s / kSegments, yb = kRise * (s + 1) / kSegments;
            level_.AddQuad(P(xa, ya, z0), P(xb, yb, z0), P(xb, yb, z1), P(xa, ya, z1), HalfPoint{-1, 4, 0});
        }
        level_.AddFacingTriangle(P(xStart, 0, z0), P(xEnd, 0, z0), P(xEnd, kRise, z0), kSouth);
        level_.AddFacingTriangle(P(xStart, 0, z1), P(xEnd, 0, z1), P(xEnd, kRise, z1), kNorth);
        level_.AddQuad(P(xEnd, 0, z0), P(xEnd, kRise, z0), P(xEnd, kRise, z1), P(xEnd, 0, z1), kEast);
    }

    // A pyramid roof over the opening that AddRoomShell leaves in this
    // room's ceiling.
    void AddSkylight(const Room& room) {
        const std::int32_t cx = room.CentreX(), cz = room.CentreZ();
        const std::int32_t y = kRoomHeightTiles * kTile, apexY = y + 120;
        const std::int32_t x0 = cx - kTile, x1 = cx + kTile, z0 = cz - kTile, z1 = cz + kTile;
        const HalfPoint apex = P(cx, apexY, cz);
        Surface(kGlassPaint);
        level_.AddFacingTriangle(P(x0, y, z0), P(x1, y, z0), apex, HalfPoint{0, -1, 1});
        level_.AddFacingTriangle(P(x1, y, z0), P(x1, y, z1), apex, HalfPoint{-1, -1, 0});
        level_.AddFacingTriangle(P(x1, y, z1), P(x0, y, z1), apex, HalfPoint{0, -1, -1});
        level_.AddFacingTriangle(P(x0, y, z1), P(x0, y, z0), apex, HalfPoint{1, -1, 0});
    }

    // Octagonal pillars (a square with chamfered corners): four sides face
    // along an axis, four diagonally.
    void AddPillarRow(const Room& room) {
        const int count = random_.Between(2, 4);
        const std::int32_t z = room.CentreZ() + kTile * 2;
        const std::int32_t span = room.widthTiles * kTile;
        for (int k = 0; k < count; ++k) {
            AddPillar(room.x0 + span * (k + 1) / (count + 1), z);
        }
    }

    void AddPillar(std::int32_t cx, std::int32_t cz) {
        constexpr std::int32_t a = 40, b = 20;
        const std::int32_t ring[8][2] = {{a, -b}, {a, b}, {b, a}, {-b, a}, {-a, b}, {-a, -b}, {-b, -a}, {b, -a}};
        Surface(kPillarPaint);
        for (int side = 0; side < 8; ++side) {
            const auto& p = ring[side];
            const auto& q = ring[(side + 1) % 8];
            const HalfPoint out{p[0] + q[0], 0, p[1] + q[1]};
            for (int level = 0; level < kRoomHeightTiles; ++level) {
                const std::int32_t ya = level * kTile, yb = ya + kTile;
                level_.AddQuad(P(cx + p[0], ya, cz + p[1]), P(cx + q[0], ya, cz + q[1]),
                               P(cx + q[0], yb, cz + q[1]), P(cx + p[0], yb, cz + p[1]), out);
            }
        }
    }

    void AddCrates(const Room& room) {
        const int count = random_.Between(2, 5);
        for (int k = 0; k < count; ++k) {
            const std::int32_t size = random_.Between(1, 2) * 50;
            const std::int32_t x = room.x0 + kTile / 2 + random_.Between(0, room.widthTiles - 2) * kTile;
            const std::int32_t z = room.z0 + kTile / 2 + random_.Between(0, room.depthTiles - 2) * kTile;
            Surface(kCratePaint);
            AddBox(x, 0, z, x + size, size, z + size);
            if (random_.Between(0, 2) == 0) AddWedge(x, size, z, size);
        }
    }

    // A sloped lid on a crate: a triangular prism whose top leans to the east.
    void AddWedge(std::int32_t x, std::int32_t y, std::int32_t z, std::int32_t size) {
        const std::int32_t x1 = x + size, z1 = z + size, top = y + size / 2;
        level_.AddQuad(P(x, top, z), P(x1, y, z), P(x1, y, z1), P(x, top, z1), HalfPoint{1, 2, 0});
        level_.AddQuad(P(x, y, z), P(x, top, z), P(x, top, z1), P(x, y, z1), kWest);
        level_.AddFacingTriangle(P(x, y, z), P(x1, y, z), P(x, top, z), kSouth);
        level_.AddFacingTriangle(P(x, y, z1), P(x1, y, z1), P(x, top, z1), kNorth);
    }

    void Surface(std::uint32_t paint) {
        level_.BeginGroup();
        level_.SetPaint(paint);
    }

    LevelBuilder& level_;
    SplitMix64& random_;
    std::int32_t originX_, originZ_;
};

int GridColumns(std::size_t triangles) {
    const std::size_t modules = triangles / kTypicalModuleTriangles + 1;
    int columns = 1;
    while (static_cast<std::size_t>(columns) * static_cast<std::size_t>(columns) < modules) ++columns;
    return columns;
}

}  // namespace

GeneratedLevel GenerateFacility(const FacilityOptions& options) {
    LevelBuilder level(options.triangles);
    SplitMix64 random(options.seed);
    const int columns = GridColumns(options.triangles);
    // Centre the grid on the origin so coordinates take both signs.
    const std::int32_t half = columns * kModuleSpacing / 2;
    for (int module = 0; !level.Full(); ++module) {
        const std::int32_t x = (module % columns) * kModuleSpacing - half;
        const std::int32_t z = (module / columns) * kModuleSpacing - half;
        ModuleBuilder(level, random, x, z).Build();
    }
    return level.Take();
}

}  // namespace ondrel::levelgen
