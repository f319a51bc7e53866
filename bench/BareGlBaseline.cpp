#include "bench/BareGlBaseline.h"

#include <SDL2/SDL.h>
#include <epoxy/gl.h>

namespace ondrel::bench {
namespace {

// Row-vector transforms uploaded as they are stored read as their
// transpose, which is what a column-vector shader wants.
const char* const kVertexShader = R"glsl(
#version 330 core
layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec3 inNormal;
layout(location = 2) in vec4 inDiffuse;
uniform mat4 uTransform;
uniform mat3 uNormalMatrix;
uniform vec3 uLightTowards;
uniform vec3 uAmbient;
out vec4 vColour;
void main() {
    vec4 clip = uTransform * vec4(inPosition, 1.0);
    clip.z = clip.z * 2.0 - clip.w;
    gl_Position = clip;
    float lit = max(dot(normalize(uNormalMatrix * inNormal), uLightTowards), 0.0);
    vColour = clamp(vec4(uAmbient + inDiffuse.rgb * lit, inDiffuse.a), 0.0, 1.0);
}
)glsl";

const char* const kFragmentShader = R"glsl(
#version 330 core
in vec4 vColour;
out vec4 outColour;
void main() { outColour = vColour; }
)glsl";

GLuint Compile(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

}  // namespace

BareGlBaseline::BareGlBaseline(unsigned width, unsigned height) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    window_ = SDL_CreateWindow("baseline", 0, 0, static_cast<int>(width), static_cast<int>(height),
                               SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) return;
    context_ = SDL_GL_CreateContext(window_);
    if (context_ == nullptr) return;
    MakeCurrent();
    SDL_GL_SetSwapInterval(0);
    const GLuint vertex = Compile(GL_VERTEX_SHADER, kVertexShader);
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, kFragmentShader);
    program_ = glCreateProgram();
    glAttachShader(program_, vertex);
    glAttachShader(program_, fragment);
    glLinkProgram(program_);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint linked = 0;
    glGetProgramiv(program_, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        glDeleteProgram(program_);
        program_ = 0;
        return;
    }
    glGenVertexArrays(1, &vertexArray_);
    glBindVertexArray(vertexArray_);
    glGenBuffers(1, &buffer_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    const GLsizei stride = kLevelVertexStride;
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(0));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<const void*>(12));
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, stride, reinterpret_cast<const void*>(24));
    glViewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    // The viewer culls clockwise triangles in a left-handed, y-down-free
    // setting; after the transpose the kept side winds clockwise on screen.
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    glCullFace(GL_BACK);
}

BareGlBaseline::~BareGlBaseline() {
    if (context_ != nullptr) {
        MakeCurrent();
        if (buffer_ != 0) glDeleteBuffers(1, &buffer_);
        if (vertexArray_ != 0) glDeleteVertexArrays(1, &vertexArray_);
        if (program_ != 0) glDeleteProgram(program_);
        SDL_GL_DeleteContext(context_);
    }
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

void BareGlBaseline::MakeCurrent() const { SDL_GL_MakeCurrent(window_, context_); }

const char* BareGlBaseline::Renderer() const {
    MakeCurrent();
    return reinterpret_cast<const char*>(glGetString(GL_RENDERER));
}

void BareGlBaseline::Upload(const LevelVertex* records, std::uint32_t count) {
    MakeCurrent();
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count) * kLevelVertexStride, records, GL_STATIC_DRAW);
    glFinish();
    count_ = count;
}

void BareGlBaseline::DrawFrame(const GFXMATRIX& transform, const GFXVECTOR3& lightTowards) {
    MakeCurrent();
    glClearColor(0.0f, 0.25f, 0.25f, 0.55f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(program_);
    glUniformMatrix4fv(glGetUniformLocation(program_, "uTransform"), 1, GL_FALSE, &transform.m[0][0]);
    const float normalMatrix[9] = {transform.m[0][0], transform.m[0][1], transform.m[0][2],
                                   transform.m[1][0], transform.m[1][1], transform.m[1][2],
                                   transform.m[2][0], transform.m[2][1], transform.m[2][2]};
    glUniformMatrix3fv(glGetUniformLocation(program_, "uNormalMatrix"), 1, GL_FALSE, normalMatrix);
    glUniform3f(glGetUniformLocation(program_, "uLightTowards"), lightTowards.x, lightTowards.y, lightTowards.z);
    glUniform3f(glGetUniformLocation(program_, "uAmbient"), 0.25f, 0.25f, 0.25f);
    glBindVertexArray(vertexArray_);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(count_));
    SDL_GL_SwapWindow(window_);
    glFinish();
}

}  // namespace ondrel::bench
