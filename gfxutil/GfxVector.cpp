#include "gfxutil/GfxMath.h"

#include <cmath>

float GfxVec3Dot(const GFXVECTOR3* a, const GFXVECTOR3* b) { return a->x * b->x + a->y * b->y + a->z * b->z; }

GFXVECTOR3* GfxVec3Cross(GFXVECTOR3* out, const GFXVECTOR3* a, const GFXVECTOR3* b) {
    const GFXVECTOR3 cross{a->y * b->z - a->z * b->y, a->z * b->x - a->x * b->z, a->x * b->y - a->y * b->x};
    *out = cross;
    return out;
}

float GfxVec3Length(const GFXVECTOR3* v) { return std::sqrt(GfxVec3Dot(v, v)); }

GFXVECTOR3* GfxVec3Normalize(GFXVECTOR3* out, const GFXVECTOR3* v) {
    const float length = GfxVec3Length(v);
    if (length == 0.0f) {
        *out = GFXVECTOR3{};
        return out;
    }
    *out = GFXVECTOR3{v->x / length, v->y / length, v->z / length};
    return out;
}

GFXVECTOR4* GfxVec3Transform(GFXVECTOR4* out, const GFXVECTOR3* v, const GFXMATRIX* m) {
    const GFXVECTOR4 r{v->x * m->m[0][0] + v->y * m->m[1][0] + v->z * m->m[2][0] + m->m[3][0],
                        v->x * m->m[0][1] + v->y * m->m[1][1] + v->z * m->m[2][1] + m->m[3][1],
                        v->x * m->m[0][2] + v->y * m->m[1][2] + v->z * m->m[2][2] + m->m[3][2],
                        v->x * m->m[0][3] + v->y * m->m[1][3] + v->z * m->m[2][3] + m->m[3][3]};
    *out = r;
    return out;
}

GFXVECTOR3* GfxVec3TransformCoord(GFXVECTOR3* out, const GFXVECTOR3* v, const GFXMATRIX* m) {
    GFXVECTOR4 r;
    GfxVec3Transform(&r, v, m);
    if (r.w == 0.0f) {
        *out = GFXVECTOR3{};  // a point at infinity has no coordinates
        return out;
    }
    *out = GFXVECTOR3{r.x / r.w, r.y / r.w, r.z / r.w};
    return out;
}

GFXVECTOR3* GfxVec3TransformNormal(GFXVECTOR3* out, const GFXVECTOR3* v, const GFXMATRIX* m) {
    const GFXVECTOR3 r{v->x * m->m[0][0] + v->y * m->m[1][0] + v->z * m->m[2][0],
                        v->x * m->m[0][1] + v->y * m->m[1][1] + v->z * m->m[2][1],
                        v->x * m->m[0][2] + v->y * m->m[1][2] + v->z * m->m[2][2]};
    *out = r;
    return out;
}
