#pragma once
// A linked GL program with its uniform locations looked up once per name.

#include <epoxy/gl.h>

#include <map>
#include <string>
#include <unordered_map>
#include <utility>

namespace ondrel::graphics {

class GlProgram {
public:
    GlProgram() = default;
    ~GlProgram();
    GlProgram(const GlProgram&) = delete;
    GlProgram& operator=(const GlProgram&) = delete;

    // False (and the compiler's message in `log`) when a stage does not compile or link.
    bool Build(const char* vertexSource, const char* fragmentSource, std::string* log);
    // Deletes the program; the context it was made in must be current.
    void Release();
    void Use() const { glUseProgram(program_); }
    GLint Location(const char* name);
    // The location of element `index` of a uniform array.
    GLint Location(const char* name, int index);

    void Set(const char* name, int value) { glUniform1i(Location(name), value); }
    void Set(const char* name, bool value) { glUniform1i(Location(name), value ? 1 : 0); }
    void Set(const char* name, float value) { glUniform1f(Location(name), value); }
    void Set(const char* name, float x, float y) { glUniform2f(Location(name), x, y); }
    void Set(const char* name, float x, float y, float z) { glUniform3f(Location(name), x, y, z); }
    void Set(const char* name, float x, float y, float z, float w) { glUniform4f(Location(name), x, y, z, w); }

    template <class... Values>
    void SetAt(const char* name, int index, Values... values) {
        SetLocation(Location(name, index), values...);
    }

private:
    static void SetLocation(GLint location, int value) { glUniform1i(location, value); }
    static void SetLocation(GLint location, bool value) { glUniform1i(location, value ? 1 : 0); }
    static void SetLocation(GLint location, float value) { glUniform1f(location, value); }
    static void SetLocation(GLint location, float x, float y) { glUniform2f(location, x, y); }
    static void SetLocation(GLint location, float x, float y, float z) { glUniform3f(location, x, y, z); }
    static void SetLocation(GLint location, float x, float y, float z, float w) { glUniform4f(location, x, y, z, w); }

    GLuint program_ = 0;
    std::unordered_map<std::string, GLint> locations_;
    std::map<std::pair<const char*, int>, GLint> elementLocations_;  // names are literals
};

}  // namespace ondrel::graphics
