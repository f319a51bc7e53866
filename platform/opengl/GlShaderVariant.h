#pragma once
// The fixed-function shaders made for one combination of the states that
// choose their paths. Declared as uniforms, those states cost every vertex
// and every fragment all their branches on a software rasteriser, which
// runs both sides of a branch for a batch of vertices; written into the
// source as constants, the compiler drops every path the draw does not take.
// Values (colours, matrices, light positions) stay uniforms, so a variant
// serves every draw with the same choices.

#include <string>
#include <string_view>
#include <vector>

namespace ondrel::graphics {

class ShaderChoices {
public:
    void Bool(const char* name, bool value) { Add(name, "bool", {value ? 1 : 0}, false); }
    void Int(const char* name, int value) { Add(name, "int", {value}, false); }
    void Bools(const char* name, const std::vector<int>& values) { Add(name, "bool", values, true); }
    void Ints(const char* name, const std::vector<int>& values) { Add(name, "int", values, true); }

    // Tells one combination from every other; equal keys, equal sources.
    const std::string& Key() const { return key_; }
    // The source with each chosen uniform's declaration ("uniform int uX;",
    // "uniform bool uY[4];") made a constant of the chosen value. Names the
    // source does not declare are left out.
    std::string Apply(std::string_view source) const;

private:
    struct Choice {
        std::string name;
        std::string type;
        std::vector<int> values;
        bool array;
    };
    void Add(const char* name, const char* type, const std::vector<int>& values, bool array);

    std::vector<Choice> choices_;
    std::string key_;
};

}  // namespace ondrel::graphics
