#include "platform/opengl/GlProgram.h"

#include <vector>

namespace ondrel::graphics {
namespace {

GLuint Compile(GLenum kind, const char* source, std::string* log) {
    GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE) return shader;
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    glGetShaderInfoLog(shader, length, nullptr, text.data());
    if (log != nullptr) *log = text.data();
    glDeleteShader(shader);
    return 0;
}

}  // namespace

GlProgram::~GlProgram() = default;

void GlProgram::Release() {
    if (program_ != 0) glDeleteProgram(program_);
    program_ = 0;
    locations_.clear();
    elementLocations_.clear();
}

bool GlProgram::Build(const char* vertexSource, const char* fragmentSource, std::string* log) {
    const GLuint vertex = Compile(GL_VERTEX_SHADER, vertexSource, log);
    if (vertex == 0) return false;
    const GLuint fragment = Compile(GL_FRAGMENT_SHADER, fragmentSource, log);
    if (fragment == 0) {
        glDeleteShader(vertex);
        return false;
    }
    program_ = glCreateProgram();
    glAttachShader(program_, vertex);
    glAttachShader(program_, fragment);
    glLinkProgram(program_);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(program_, GL_LINK_STATUS, &ok);
    if (ok == GL_TRUE) return true;
    GLint length = 0;
    glGetProgramiv(program_, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    glGetProgramInfoLog(program_, length, nullptr, text.data());
    if (log != nullptr) *log = text.data();
    return false;
}

GLint GlProgram::Location(const char* name) {
    auto found = locations_.find(name);
    if (found != locations_.end()) return found->second;
    const GLint location = glGetUniformLocation(program_, name);
    locations_.emplace(name, location);
    return location;
}

}  // namespace ondrel::graphics

namespace ondrel::graphics {

GLint GlProgram::Location(const char* name, int index) {
    const auto key = std::make_pair(name, index);
    auto found = elementLocations_.find(key);
    if (found != elementLocations_.end()) return found->second;
    const std::string element = std::string(name) + "[" + std::to_string(index) + "]";
    const GLint location = glGetUniformLocation(program_, element.c_str());
    elementLocations_.emplace(key, location);
    return location;
}

}  // namespace ondrel::graphics
