#include "platform/opengl/GlRenderer.h"

#include "platform/d3d9/MatrixProduct.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/d3d9/DeviceCore.h"
#include "platform/d3d9/PixelFormats.h"
#include "platform/opengl/GlShaderSource.h"
#include "platform/opengl/GlShaderVariant.h"
#include "platform/opengl/GlStateTranslation.h"

namespace ondrel::graphics {
namespace {

struct Rgba {
    float r, g, b, a;
};

Rgba ColourOf(D3DCOLOR c) {
    return Rgba{static_cast<float>((c >> 16) & 0xFFu) / 255.0f, static_cast<float>((c >> 8) & 0xFFu) / 255.0f,
                static_cast<float>(c & 0xFFu) / 255.0f, static_cast<float>(c >> 24) / 255.0f};
}

// Normals go through the inverse transpose of the upper 3 x 3 of world x view.
std::array<float, 9> NormalMatrix(const D3DMATRIX& m) {
    const double a = m._11, b = m._12, c = m._13, d = m._21, e = m._22, f = m._23, g = m._31, h = m._32, i = m._33;
    const double det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (det == 0.0) return {0, 0, 0, 0, 0, 0, 0, 0, 0};
    const double s = 1.0 / det;
    // inverse, row-major
    const double inv[9] = {(e * i - f * h) * s, (c * h - b * i) * s, (b * f - c * e) * s,
                           (f * g - d * i) * s, (a * i - c * g) * s, (c * d - a * f) * s,
                           (d * h - e * g) * s, (b * g - a * h) * s, (a * e - b * d) * s};
    std::array<float, 9> out{};
    for (int r = 0; r < 3; ++r) {
        for (int col = 0; col < 3; ++col) out[r * 3 + col] = static_cast<float>(inv[col * 3 + r]);
    }
    return out;
}

D3DVECTOR TransformDirection(const D3DVECTOR& v, const D3DMATRIX& m) {
    return D3DVECTOR{v.x * m._11 + v.y * m._21 + v.z * m._31, v.x * m._12 + v.y * m._22 + v.z * m._32,
                     v.x * m._13 + v.y * m._23 + v.z * m._33};
}

D3DVECTOR TransformPoint(const D3DVECTOR& v, const D3DMATRIX& m) {
    const D3DVECTOR d = TransformDirection(v, m);
    return D3DVECTOR{d.x + m._41, d.y + m._42, d.z + m._43};
}

void SetColour(GlProgram& program, const char* name, const D3DCOLORVALUE& c) {
    program.Set(name, c.r, c.g, c.b, c.a);
}

void SetColourAt(GlProgram& program, const char* name, int index, const D3DCOLORVALUE& c) {
    glUniform4f(program.Location(name, index), c.r, c.g, c.b, c.a);
}

}  // namespace

HRESULT GlRenderer::Create(SDL_Window* window, const DeviceCreation& creation,
                           std::unique_ptr<DeviceRenderer>* renderer) {
    std::unique_ptr<GlRenderer> made(new GlRenderer(window, creation.parameters));
    std::string log;
    if (!made->Initialise(&log)) {
        SDL_Log("OpenGL device unavailable: %s", log.c_str());
        return D3DERR_NOTAVAILABLE;
    }
    *renderer = std::move(made);
    return D3D_OK;
}

GlRenderer::GlRenderer(SDL_Window* window, const D3DPRESENT_PARAMETERS& parameters)
    : windowId_(SDL_GetWindowID(window)), parameters_(parameters) {}

SDL_Window* GlRenderer::Window() const { return windowId_ != 0 ? SDL_GetWindowFromID(windowId_) : nullptr; }

bool GlRenderer::Initialise(std::string* log) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    context_ = SDL_GL_CreateContext(Window());
    if (context_ == nullptr) {
        *log = SDL_GetError();
        return false;
    }
    if (!MakeCurrent()) {
        *log = SDL_GetError();
        return false;
    }
    if (!generic_.Build(kFixedFunctionVertexShader, kFixedFunctionFragmentShader, log)) return false;
    glGenVertexArrays(1, &vertexArray_);
    glBindVertexArray(vertexArray_);
    glGenBuffers(1, &streamBuffer_);
    glGenBuffers(1, &indexBuffer_);
    glGenSamplers(static_cast<GLsizei>(samplers_.size()), samplers_.data());
    glProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (!CreateTargets(parameters_.BackBufferWidth, parameters_.BackBufferHeight)) {
        *log = "the back buffer cannot be made";
        return false;
    }
    ApplyPresentationMode(parameters_);
    SDL_AddEventWatch(&GlRenderer::WatchEvents, this);
    return true;
}

GlRenderer::~GlRenderer() {
    SDL_DelEventWatch(&GlRenderer::WatchEvents, this);
    if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
    if (context_ != nullptr && MakeCurrent()) {
        for (auto& [key, object] : textures_) glDeleteTextures(1, &object.name);
        for (auto& [key, object] : buffers_) glDeleteBuffers(1, &object.name);
        DestroyTargets();
        glDeleteSamplers(static_cast<GLsizei>(samplers_.size()), samplers_.data());
        glDeleteBuffers(1, &streamBuffer_);
        glDeleteBuffers(1, &indexBuffer_);
        glDeleteVertexArrays(1, &vertexArray_);
        for (auto& [key, variant] : variants_) {
            if (variant) variant->Release();
        }
        generic_.Release();
    }
    // Without its window the context is no longer current anywhere (SDL let
    // go of it with the window) and is deleted with the objects in it.
    if (context_ != nullptr) {
        if (SDL_Window* window = Window()) SDL_GL_MakeCurrent(window, nullptr);
        SDL_GL_DeleteContext(context_);
    }
}

void GlRenderer::Attach(DeviceCore* device) { device_ = device; }

bool GlRenderer::MakeCurrent() {
    SDL_Window* window = Window();
    if (window == nullptr) return false;
    if (SDL_GL_GetCurrentContext() == context_ && SDL_GL_GetCurrentWindow() == window) return true;
    return SDL_GL_MakeCurrent(window, context_) == 0;
}

bool GlRenderer::CreateTargets(UINT width, UINT height) {
    glGenFramebuffers(1, &framebuffer_);
    glGenRenderbuffers(1, &colour_);
    glGenRenderbuffers(1, &depthStencil_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glBindRenderbuffer(GL_RENDERBUFFER, colour_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    glBindRenderbuffer(GL_RENDERBUFFER, depthStencil_);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, static_cast<GLsizei>(width),
                          static_cast<GLsizei>(height));
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil_);
    return glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

void GlRenderer::DestroyTargets() {
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glDeleteFramebuffers(1, &framebuffer_);
    glDeleteRenderbuffers(1, &colour_);
    glDeleteRenderbuffers(1, &depthStencil_);
    framebuffer_ = colour_ = depthStencil_ = 0;
}

void GlRenderer::ApplyPresentationMode(const D3DPRESENT_PARAMETERS& parameters) {
    SDL_Window* window = Window();
    if (window == nullptr) return;
    SDL_GL_SetSwapInterval(parameters.PresentationInterval == D3DPRESENT_INTERVAL_IMMEDIATE ? 0 : 1);
    if (parameters.Windowed) {
        if ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0) SDL_SetWindowFullscreen(window, 0);
        return;
    }
    SDL_DisplayMode mode{};
    SDL_GetWindowDisplayMode(window, &mode);
    mode.w = static_cast<int>(parameters.BackBufferWidth);
    mode.h = static_cast<int>(parameters.BackBufferHeight);
    mode.refresh_rate = static_cast<int>(parameters.FullScreen_RefreshRateInHz);
    SDL_SetWindowDisplayMode(window, &mode);
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN);
}

// A full-screen device is lost while its window has no focus, as Direct3D 9's
// exclusive mode is; it may be reset once the focus is back.
int GlRenderer::WatchEvents(void* self, SDL_Event* event) {
    auto* renderer = static_cast<GlRenderer*>(self);
    if (event->type != SDL_WINDOWEVENT || renderer->device_ == nullptr || renderer->parameters_.Windowed) return 0;
    if (event->window.windowID != renderer->windowId_) return 0;
    switch (event->window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED: renderer->device_->Lose(); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: renderer->device_->AllowReset(); break;
        default: break;
    }
    return 0;
}

HRESULT GlRenderer::Reset(const D3DPRESENT_PARAMETERS& parameters) {
    if (!MakeCurrent()) return D3DERR_DRIVERINTERNALERROR;
    if (parameters.BackBufferWidth != parameters_.BackBufferWidth ||
        parameters.BackBufferHeight != parameters_.BackBufferHeight) {
        DestroyTargets();
        if (!CreateTargets(parameters.BackBufferWidth, parameters.BackBufferHeight)) {
            return D3DERR_OUTOFVIDEOMEMORY;
        }
    }
    parameters_ = parameters;
    ApplyPresentationMode(parameters_);
    return D3D_OK;
}

HRESULT GlRenderer::Clear(const DeviceState& state, DWORD count, const D3DRECT* rects, DWORD flags, D3DCOLOR color,
                          float z, DWORD stencil) {
    if (!MakeCurrent()) return D3DERR_DRIVERINTERNALERROR;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    const Rgba c = ColourOf(color);
    glClearColor(c.r, c.g, c.b, c.a);
    glClearDepth(z);
    glClearStencil(static_cast<GLint>(stencil & 0xFFu));
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
    glStencilMask(0xFFu);
    GLbitfield mask = 0;
    if ((flags & D3DCLEAR_TARGET) != 0) mask |= GL_COLOR_BUFFER_BIT;
    if ((flags & D3DCLEAR_ZBUFFER) != 0) mask |= GL_DEPTH_BUFFER_BIT;
    if ((flags & D3DCLEAR_STENCIL) != 0) mask |= GL_STENCIL_BUFFER_BIT;

    // Clears cover the viewport, cut to each rectangle given.
    const LONG height = static_cast<LONG>(parameters_.BackBufferHeight);
    const D3DVIEWPORT9& vp = state.viewport;
    const D3DRECT whole{static_cast<LONG>(vp.X), static_cast<LONG>(vp.Y), static_cast<LONG>(vp.X + vp.Width),
                        static_cast<LONG>(vp.Y + vp.Height)};
    glEnable(GL_SCISSOR_TEST);
    const DWORD n = count == 0 ? 1 : count;
    for (DWORD i = 0; i < n; ++i) {
        const D3DRECT r = count == 0 ? whole : rects[i];
        const LONG left = std::max(r.x1, whole.x1), top = std::max(r.y1, whole.y1);
        const LONG right = std::min(r.x2, whole.x2), bottom = std::min(r.y2, whole.y2);
        if (right <= left || bottom <= top) continue;
        glScissor(left, height - bottom, right - left, bottom - top);
        glClear(mask);
    }
    glDisable(GL_SCISSOR_TEST);
    return D3D_OK;
}

void GlRenderer::ApplyOutputState(const DeviceState& state, bool pretransformed) {
    const auto rs = [&](D3DRENDERSTATETYPE s) { return state.RenderState(s); };
    const D3DVIEWPORT9& vp = state.viewport;
    const GLint height = static_cast<GLint>(parameters_.BackBufferHeight);
    if (pretransformed) {
        glViewport(0, 0, static_cast<GLsizei>(parameters_.BackBufferWidth), height);
        glDepthRange(0.0, 1.0);
    } else {
        glViewport(static_cast<GLint>(vp.X), height - static_cast<GLint>(vp.Y + vp.Height),
                   static_cast<GLsizei>(vp.Width), static_cast<GLsizei>(vp.Height));
        glDepthRange(vp.MinZ, vp.MaxZ);
    }

    switch (rs(D3DRS_CULLMODE)) {
        case D3DCULL_CW:
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CCW);
            glCullFace(GL_BACK);
            break;
        case D3DCULL_CCW:
            glEnable(GL_CULL_FACE);
            glFrontFace(GL_CW);
            glCullFace(GL_BACK);
            break;
        default: glDisable(GL_CULL_FACE); break;
    }
    switch (rs(D3DRS_FILLMODE)) {
        case D3DFILL_POINT: glPolygonMode(GL_FRONT_AND_BACK, GL_POINT); break;
        case D3DFILL_WIREFRAME: glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); break;
        default: glPolygonMode(GL_FRONT_AND_BACK, GL_FILL); break;
    }

    const bool depth = parameters_.EnableAutoDepthStencil && rs(D3DRS_ZENABLE) != D3DZB_FALSE;
    if (depth) {
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GlCompare(rs(D3DRS_ZFUNC)));
        glDepthMask(rs(D3DRS_ZWRITEENABLE) != 0 ? GL_TRUE : GL_FALSE);
    } else {
        glDisable(GL_DEPTH_TEST);
    }

    if (parameters_.EnableAutoDepthStencil && rs(D3DRS_STENCILENABLE) != 0) {
        glEnable(GL_STENCIL_TEST);
        glStencilFunc(GlCompare(rs(D3DRS_STENCILFUNC)), static_cast<GLint>(rs(D3DRS_STENCILREF)),
                      rs(D3DRS_STENCILMASK));
        glStencilOp(GlStencilOp(rs(D3DRS_STENCILFAIL)), GlStencilOp(rs(D3DRS_STENCILZFAIL)),
                    GlStencilOp(rs(D3DRS_STENCILPASS)));
        glStencilMask(rs(D3DRS_STENCILWRITEMASK));
    } else {
        glDisable(GL_STENCIL_TEST);
    }

    if (rs(D3DRS_ALPHABLENDENABLE) != 0) {
        glEnable(GL_BLEND);
        const DWORD src = rs(D3DRS_SRCBLEND), dst = rs(D3DRS_DESTBLEND);
        GLenum srcFactor = GlBlendFactor(src, true), dstFactor = GlBlendFactor(dst, false);
        if (src == D3DBLEND_BOTHSRCALPHA || src == D3DBLEND_BOTHINVSRCALPHA) dstFactor = GlBlendFactor(src, false);
        if (rs(D3DRS_SEPARATEALPHABLENDENABLE) != 0) {
            glBlendFuncSeparate(srcFactor, dstFactor, GlBlendFactor(rs(D3DRS_SRCBLENDALPHA), true),
                                GlBlendFactor(rs(D3DRS_DESTBLENDALPHA), false));
            glBlendEquationSeparate(GlBlendEquation(rs(D3DRS_BLENDOP)), GlBlendEquation(rs(D3DRS_BLENDOPALPHA)));
        } else {
            glBlendFunc(srcFactor, dstFactor);
            glBlendEquation(GlBlendEquation(rs(D3DRS_BLENDOP)));
        }
        const Rgba factor = ColourOf(rs(D3DRS_BLENDFACTOR));
        glBlendColor(factor.r, factor.g, factor.b, factor.a);
    } else {
        glDisable(GL_BLEND);
    }

    const DWORD writeMask = rs(D3DRS_COLORWRITEENABLE);
    glColorMask((writeMask & D3DCOLORWRITEENABLE_RED) != 0, (writeMask & D3DCOLORWRITEENABLE_GREEN) != 0,
                (writeMask & D3DCOLORWRITEENABLE_BLUE) != 0, (writeMask & D3DCOLORWRITEENABLE_ALPHA) != 0);

    if (rs(D3DRS_SCISSORTESTENABLE) != 0) {
        const RECT& s = state.scissor;
        glEnable(GL_SCISSOR_TEST);
        glScissor(s.left, height - s.bottom, std::max<LONG>(0, s.right - s.left), std::max<LONG>(0, s.bottom - s.top));
    } else {
        glDisable(GL_SCISSOR_TEST);
    }

    program_->Set("uFlat", rs(D3DRS_SHADEMODE) == D3DSHADE_FLAT);
    program_->Set("uAlphaTest", rs(D3DRS_ALPHATESTENABLE) != 0);
    program_->Set("uAlphaFunc", static_cast<int>(rs(D3DRS_ALPHAFUNC)));
    program_->Set("uAlphaRef", static_cast<int>(rs(D3DRS_ALPHAREF) & 0xFFu));
    program_->Set("uSpecularAdd", rs(D3DRS_SPECULARENABLE) != 0);
    const Rgba factor = ColourOf(rs(D3DRS_TEXTUREFACTOR));
    program_->Set("uTextureFactor", factor.r, factor.g, factor.b, factor.a);
}

void GlRenderer::ApplyTransformsAndLights(const DeviceState& state) {
    const auto rs = [&](D3DRENDERSTATETYPE s) { return state.RenderState(s); };
    const D3DMATRIX& view = state.Transform(D3DTS_VIEW);
    const D3DMATRIX worldView = MatrixProduct(state.Transform(D3DTS_WORLD), view);
    glUniformMatrix4fv(program_->Location("uWorldView"), 1, GL_FALSE, &worldView.m[0][0]);
    glUniformMatrix4fv(program_->Location("uProjection"), 1, GL_FALSE, &state.Transform(D3DTS_PROJECTION).m[0][0]);
    const std::array<float, 9> normal = NormalMatrix(worldView);
    glUniformMatrix3fv(program_->Location("uNormalMatrix"), 1, GL_FALSE, normal.data());
    program_->Set("uViewportSize", static_cast<float>(state.viewport.Width), static_cast<float>(state.viewport.Height));

    program_->Set("uLighting", rs(D3DRS_LIGHTING) != 0);
    program_->Set("uColorVertex", rs(D3DRS_COLORVERTEX) != 0);
    program_->Set("uNormalizeNormals", rs(D3DRS_NORMALIZENORMALS) != 0);
    program_->Set("uSpecularEnable", rs(D3DRS_SPECULARENABLE) != 0);
    program_->Set("uLocalViewer", rs(D3DRS_LOCALVIEWER) != 0);
    program_->Set("uDiffuseSource", static_cast<int>(rs(D3DRS_DIFFUSEMATERIALSOURCE)));
    program_->Set("uAmbientSource", static_cast<int>(rs(D3DRS_AMBIENTMATERIALSOURCE)));
    program_->Set("uSpecularSource", static_cast<int>(rs(D3DRS_SPECULARMATERIALSOURCE)));
    program_->Set("uEmissiveSource", static_cast<int>(rs(D3DRS_EMISSIVEMATERIALSOURCE)));
    const Rgba ambient = ColourOf(rs(D3DRS_AMBIENT));
    program_->Set("uGlobalAmbient", ambient.r, ambient.g, ambient.b, ambient.a);
    SetColour(*program_, "uMaterialDiffuse", state.material.Diffuse);
    SetColour(*program_, "uMaterialAmbient", state.material.Ambient);
    SetColour(*program_, "uMaterialSpecular", state.material.Specular);
    SetColour(*program_, "uMaterialEmissive", state.material.Emissive);
    program_->Set("uMaterialPower", state.material.Power);

    int count = 0;
    for (const auto& [index, slot] : state.lights) {
        if (!slot.enabled || count == kGlMaxLights) continue;
        const D3DLIGHT9& light = slot.light;
        const D3DVECTOR direction = TransformDirection(light.Direction, view);
        const float length = std::sqrt(direction.x * direction.x + direction.y * direction.y + direction.z * direction.z);
        const float scale = length > 0.0f ? -1.0f / length : 0.0f;
        const D3DVECTOR position = TransformPoint(light.Position, view);
        program_->SetAt("uLightType", count, static_cast<int>(light.Type));
        SetColourAt(*program_, "uLightDiffuse", count, light.Diffuse);
        SetColourAt(*program_, "uLightSpecular", count, light.Specular);
        SetColourAt(*program_, "uLightAmbient", count, light.Ambient);
        program_->SetAt("uLightPosition", count, position.x, position.y, position.z);
        program_->SetAt("uLightDirection", count, direction.x * scale, direction.y * scale,
                     direction.z * scale);
        program_->SetAt("uLightRange", count, light.Range);
        program_->SetAt("uLightAttenuation", count, light.Attenuation0, light.Attenuation1,
                     light.Attenuation2, light.Falloff);
        program_->SetAt("uLightCone", count, std::cos(light.Theta * 0.5f), std::cos(light.Phi * 0.5f));
        ++count;
    }
    program_->Set("uLightCount", count);
}

void GlRenderer::ApplyStages(const DeviceState& state) {
    for (int stage = 0; stage < kGlTextureStages; ++stage) {
        const auto s = static_cast<DWORD>(stage);
        const auto tss = [&](D3DTEXTURESTAGESTATETYPE t) { return static_cast<int>(state.StageState(s, t)); };
        program_->SetAt("uColorOp", stage, tss(D3DTSS_COLOROP));
        program_->SetAt("uColorArg1", stage, tss(D3DTSS_COLORARG1));
        program_->SetAt("uColorArg2", stage, tss(D3DTSS_COLORARG2));
        program_->SetAt("uAlphaOp", stage, tss(D3DTSS_ALPHAOP));
        program_->SetAt("uAlphaArg1", stage, tss(D3DTSS_ALPHAARG1));
        program_->SetAt("uAlphaArg2", stage, tss(D3DTSS_ALPHAARG2));
        program_->SetAt("uTexCoordIndex", stage, tss(D3DTSS_TEXCOORDINDEX) & 0xFFFF);

        TextureObject* texture = state.textures[s].Get();
        program_->SetAt("uHasTexture", stage, texture != nullptr);
        static const char* const kSamplers[kGlTextureStages] = {"uSampler0", "uSampler1", "uSampler2", "uSampler3"};
        program_->Set(kSamplers[stage], stage);
        glActiveTexture(GL_TEXTURE0 + static_cast<GLenum>(stage));
        if (texture == nullptr) {
            glBindTexture(GL_TEXTURE_2D, 0);
            continue;
        }
        glBindTexture(GL_TEXTURE_2D, TextureFor(texture));
        const GLuint sampler = samplers_[s];
        const auto ss = [&](D3DSAMPLERSTATETYPE t) { return state.SamplerState(s, t); };
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_S, GlAddressMode(ss(D3DSAMP_ADDRESSU)));
        glSamplerParameteri(sampler, GL_TEXTURE_WRAP_T, GlAddressMode(ss(D3DSAMP_ADDRESSV)));
        glSamplerParameteri(sampler, GL_TEXTURE_MAG_FILTER, GlMagFilter(ss(D3DSAMP_MAGFILTER)));
        glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER,
                            GlMinFilter(ss(D3DSAMP_MINFILTER), ss(D3DSAMP_MIPFILTER), texture->GetLevelCount() > 1));
        const Rgba border = ColourOf(ss(D3DSAMP_BORDERCOLOR));
        const float borderColour[4] = {border.r, border.g, border.b, border.a};
        glSamplerParameterfv(sampler, GL_TEXTURE_BORDER_COLOR, borderColour);
        glBindSampler(static_cast<GLuint>(stage), sampler);
    }
    glActiveTexture(GL_TEXTURE0);
}

GLuint GlRenderer::TextureFor(TextureObject* texture) {
    GlObject& object = textures_[texture];
    const std::uint64_t version = texture->ContentVersion();
    if (object.name != 0 && object.version == version) return object.name;
    if (object.name == 0) glGenTextures(1, &object.name);
    glBindTexture(GL_TEXTURE_2D, object.name);
    const DWORD levels = texture->GetLevelCount();
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levels) - 1);
    for (DWORD level = 0; level < levels; ++level) {
        const PixelImage& image = texture->Level(level);
        const std::vector<BYTE> rgba = image.ToRgba8();
        glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), GL_RGBA8, static_cast<GLsizei>(image.Width()),
                     static_cast<GLsizei>(image.Height()), 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    }
    object.version = version;
    return object.name;
}

GLuint GlRenderer::BufferFor(const VertexBufferObject* buffer) {
    GlObject& object = buffers_[buffer];
    if (object.name != 0 && object.version == buffer->Version()) return object.name;
    if (object.name == 0) glGenBuffers(1, &object.name);
    glBindBuffer(GL_ARRAY_BUFFER, object.name);
    glBufferData(GL_ARRAY_BUFFER, buffer->Size(), buffer->Bytes(), GL_STATIC_DRAW);
    object.version = buffer->Version();
    return object.name;
}

void GlRenderer::ForgetResource(const void* resource) {
    const bool current = context_ != nullptr && MakeCurrent();
    if (auto found = textures_.find(resource); found != textures_.end()) {
        if (current) glDeleteTextures(1, &found->second.name);
        textures_.erase(found);
    }
    if (auto found = buffers_.find(resource); found != buffers_.end()) {
        if (current) glDeleteBuffers(1, &found->second.name);
        buffers_.erase(found);
    }
}

void GlRenderer::BindVertices(const DrawBatch& batch) {
    std::uintptr_t base = 0;
    if (batch.buffer != nullptr) {
        glBindBuffer(GL_ARRAY_BUFFER, BufferFor(batch.buffer));
        base = batch.bufferOffset;
    } else {
        glBindBuffer(GL_ARRAY_BUFFER, streamBuffer_);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch.vertexCount) * batch.stride, batch.vertices,
                     GL_STREAM_DRAW);
    }
    const FvfLayout& layout = batch.layout;
    const auto stride = static_cast<GLsizei>(batch.stride);
    const auto at = [&](int offset) { return reinterpret_cast<const void*>(base + static_cast<std::uintptr_t>(offset)); };

    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, static_cast<GLint>(layout.positionFloats), GL_FLOAT, GL_FALSE, stride, at(0));
    if (layout.normalOffset >= 0) {
        glEnableVertexAttribArray(1);
        glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, at(layout.normalOffset));
    } else {
        glDisableVertexAttribArray(1);
        glVertexAttrib3f(1, 0.0f, 0.0f, 0.0f);
    }
    if (layout.diffuseOffset >= 0) {
        glEnableVertexAttribArray(2);
        glVertexAttribPointer(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, at(layout.diffuseOffset));
    } else {
        glDisableVertexAttribArray(2);
        glVertexAttrib4f(2, 1.0f, 1.0f, 1.0f, 1.0f);
    }
    if (layout.specularOffset >= 0) {
        glEnableVertexAttribArray(3);
        glVertexAttribPointer(3, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, at(layout.specularOffset));
    } else {
        glDisableVertexAttribArray(3);
        glVertexAttrib4f(3, 0.0f, 0.0f, 0.0f, 0.0f);
    }
    for (UINT i = 0; i < 4; ++i) {
        const GLuint location = 4 + i;
        if (i < layout.texCoordCount) {
            glEnableVertexAttribArray(location);
            glVertexAttribPointer(location, static_cast<GLint>(layout.texCoordFloats[i]), GL_FLOAT, GL_FALSE, stride,
                                  at(layout.texCoordOffset[i]));
        } else {
            glDisableVertexAttribArray(location);
            glVertexAttrib4f(location, 0.0f, 0.0f, 0.0f, 1.0f);
        }
    }
    program_->Set("uHasNormal", layout.normalOffset >= 0);
    program_->Set("uHasDiffuse", layout.diffuseOffset >= 0);
    program_->Set("uHasSpecular", layout.specularOffset >= 0);
    program_->Set("uPretransformed", layout.pretransformed);
}

// The states that choose the shaders' paths, each in one canonical form:
// what a draw cannot reach (lighting's inputs when it is off, stages after
// the first disabled one, the alpha function without the test) does not
// tell variants apart.
ShaderChoices GlRenderer::ChoicesFor(const DeviceState& state, const FvfLayout& layout) const {
    const auto rs = [&](D3DRENDERSTATETYPE s) { return state.RenderState(s); };
    ShaderChoices choices;
    choices.Bool("uPretransformed", layout.pretransformed);
    choices.Bool("uHasNormal", layout.normalOffset >= 0);
    choices.Bool("uHasDiffuse", layout.diffuseOffset >= 0);
    choices.Bool("uHasSpecular", layout.specularOffset >= 0);
    const bool lighting = !layout.pretransformed && rs(D3DRS_LIGHTING) != 0;
    choices.Bool("uLighting", lighting);
    if (lighting) {
        choices.Bool("uColorVertex", rs(D3DRS_COLORVERTEX) != 0);
        choices.Bool("uNormalizeNormals", rs(D3DRS_NORMALIZENORMALS) != 0);
        choices.Bool("uSpecularEnable", rs(D3DRS_SPECULARENABLE) != 0);
        choices.Bool("uLocalViewer", rs(D3DRS_LOCALVIEWER) != 0);
        choices.Int("uDiffuseSource", static_cast<int>(rs(D3DRS_DIFFUSEMATERIALSOURCE)));
        choices.Int("uAmbientSource", static_cast<int>(rs(D3DRS_AMBIENTMATERIALSOURCE)));
        choices.Int("uSpecularSource", static_cast<int>(rs(D3DRS_SPECULARMATERIALSOURCE)));
        choices.Int("uEmissiveSource", static_cast<int>(rs(D3DRS_EMISSIVEMATERIALSOURCE)));
        // The same lights, in the same order, as ApplyTransformsAndLights.
        std::vector<int> types(kGlMaxLights, 0);
        int count = 0;
        for (const auto& [index, slot] : state.lights) {
            if (!slot.enabled || count == kGlMaxLights) continue;
            types[static_cast<std::size_t>(count++)] = static_cast<int>(slot.light.Type);
        }
        choices.Int("uLightCount", count);
        choices.Ints("uLightType", types);
    }

    choices.Bool("uFlat", rs(D3DRS_SHADEMODE) == D3DSHADE_FLAT);
    choices.Bool("uSpecularAdd", rs(D3DRS_SPECULARENABLE) != 0);
    const bool alphaTest = rs(D3DRS_ALPHATESTENABLE) != 0;
    choices.Bool("uAlphaTest", alphaTest);
    choices.Int("uAlphaFunc", alphaTest ? static_cast<int>(rs(D3DRS_ALPHAFUNC)) : 0);
    const std::size_t stages = kGlTextureStages;
    std::vector<int> colorOp(stages, D3DTOP_DISABLE), colorArg1(stages, 0), colorArg2(stages, 0);
    std::vector<int> alphaOp(stages, D3DTOP_DISABLE), alphaArg1(stages, 0), alphaArg2(stages, 0);
    std::vector<int> coordinates(stages, 0), textured(stages, 0);
    for (std::size_t stage = 0; stage < stages; ++stage) {
        const auto s = static_cast<DWORD>(stage);
        const auto tss = [&](D3DTEXTURESTAGESTATETYPE t) { return static_cast<int>(state.StageState(s, t)); };
        if (tss(D3DTSS_COLOROP) == D3DTOP_DISABLE) break;
        colorOp[stage] = tss(D3DTSS_COLOROP);
        colorArg1[stage] = tss(D3DTSS_COLORARG1);
        colorArg2[stage] = tss(D3DTSS_COLORARG2);
        alphaOp[stage] = tss(D3DTSS_ALPHAOP);
        alphaArg1[stage] = tss(D3DTSS_ALPHAARG1);
        alphaArg2[stage] = tss(D3DTSS_ALPHAARG2);
        coordinates[stage] = tss(D3DTSS_TEXCOORDINDEX) & 0xFFFF;
        textured[stage] = state.textures[s].Get() != nullptr ? 1 : 0;
    }
    choices.Ints("uColorOp", colorOp);
    choices.Ints("uColorArg1", colorArg1);
    choices.Ints("uColorArg2", colorArg2);
    choices.Ints("uAlphaOp", alphaOp);
    choices.Ints("uAlphaArg1", alphaArg1);
    choices.Ints("uAlphaArg2", alphaArg2);
    choices.Ints("uTexCoordIndex", coordinates);
    choices.Bools("uHasTexture", textured);
    return choices;
}

// Each combination is compiled once, on its first draw. One that does not
// build falls back to the general program, which Initialise proved.
GlProgram* GlRenderer::ProgramFor(const DeviceState& state, const FvfLayout& layout) {
    const ShaderChoices choices = ChoicesFor(state, layout);
    if (auto found = variants_.find(choices.Key()); found != variants_.end()) {
        return found->second ? found->second.get() : &generic_;
    }
    auto variant = std::make_unique<GlProgram>();
    const std::string vertex = choices.Apply(kFixedFunctionVertexShader);
    const std::string fragment = choices.Apply(kFixedFunctionFragmentShader);
    std::string log;
    if (!variant->Build(vertex.c_str(), fragment.c_str(), &log)) {
        variant->Release();
        variant.reset();
    }
    GlProgram* chosen = variant ? variant.get() : &generic_;
    variants_.emplace(choices.Key(), std::move(variant));
    return chosen;
}

HRESULT GlRenderer::Draw(const DeviceState& state, const DrawBatch& batch) {
    if (!MakeCurrent()) return D3DERR_DRIVERINTERNALERROR;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glBindVertexArray(vertexArray_);
    program_ = ProgramFor(state, batch.layout);
    program_->Use();
    program_->Set("uTargetSize", static_cast<float>(parameters_.BackBufferWidth),
                 static_cast<float>(parameters_.BackBufferHeight));
    ApplyOutputState(state, batch.layout.pretransformed);
    ApplyTransformsAndLights(state);
    ApplyStages(state);
    BindVertices(batch);
    const GLenum mode = GlPrimitive(batch.type);
    if (batch.indices != nullptr) {
        const std::size_t indexSize = batch.indexFormat == D3DFMT_INDEX16 ? 2 : 4;
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(batch.indexCount * indexSize), batch.indices,
                     GL_STREAM_DRAW);
        glDrawElements(mode, static_cast<GLsizei>(batch.indexCount),
                       indexSize == 2 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT, nullptr);
    } else {
        glDrawArrays(mode, 0, static_cast<GLsizei>(batch.vertexCount));
    }
    return D3D_OK;
}

HRESULT GlRenderer::Present(const RECT* sourceRect, const RECT* destRect, HWND) {
    if (!MakeCurrent()) return D3DERR_DRIVERINTERNALERROR;
    SDL_Window* window = Window();
    int windowWidth = 0, windowHeight = 0;
    SDL_GL_GetDrawableSize(window, &windowWidth, &windowHeight);
    const auto bbWidth = static_cast<GLint>(parameters_.BackBufferWidth);
    const auto bbHeight = static_cast<GLint>(parameters_.BackBufferHeight);
    RECT source{0, 0, bbWidth, bbHeight};
    if (sourceRect != nullptr) source = *sourceRect;
    RECT dest{0, 0, windowWidth, windowHeight};
    if (destRect != nullptr) dest = *destRect;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glBlitFramebuffer(source.left, bbHeight - source.bottom, source.right, bbHeight - source.top, dest.left,
                      windowHeight - dest.bottom, dest.right, windowHeight - dest.top, GL_COLOR_BUFFER_BIT,
                      GL_LINEAR);
    SDL_GL_SwapWindow(window);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    return D3D_OK;
}

HRESULT GlRenderer::ReadBackBuffer(PixelImage& into) {
    if (!MakeCurrent()) return D3DERR_DRIVERINTERNALERROR;
    const UINT width = parameters_.BackBufferWidth, height = parameters_.BackBufferHeight;
    const D3DFORMAT format =
        IsStorableFormat(parameters_.BackBufferFormat) ? parameters_.BackBufferFormat : D3DFMT_X8R8G8B8;
    if (!into.Allocate(format, width, height)) return E_OUTOFMEMORY;
    std::vector<BYTE> pixels(static_cast<std::size_t>(width) * height * 4);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glReadPixels(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height), GL_BGRA, GL_UNSIGNED_BYTE,
                 pixels.data());
    for (UINT y = 0; y < height; ++y) {
        const BYTE* row = pixels.data() + static_cast<std::size_t>(height - 1 - y) * width * 4;
        for (UINT x = 0; x < width; ++x) {
            DWORD argb;
            std::memcpy(&argb, row + static_cast<std::size_t>(x) * 4, 4);
            into.SetPixelArgb(x, y, argb);
        }
    }
    into.Touch();
    return D3D_OK;
}

void GlRenderer::SetCursorImage(const PixelImage& image, UINT hotSpotX, UINT hotSpotY) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(image.Width()),
                                                          static_cast<int>(image.Height()), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return;
    for (UINT y = 0; y < image.Height(); ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<BYTE*>(surface->pixels) + static_cast<std::size_t>(y) * surface->pitch);
        for (UINT x = 0; x < image.Width(); ++x) row[x] = image.PixelArgb(x, y);
    }
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, static_cast<int>(hotSpotX), static_cast<int>(hotSpotY));
    SDL_FreeSurface(surface);
    if (cursor == nullptr) return;
    if (cursorShown_) SDL_SetCursor(cursor);
    if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
    cursor_ = cursor;
}

void GlRenderer::ShowCursor(bool show) {
    cursorShown_ = show;
    if (show && cursor_ != nullptr) SDL_SetCursor(cursor_);
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace ondrel::graphics
