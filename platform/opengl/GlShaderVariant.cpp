#include "platform/opengl/GlShaderVariant.h"

namespace ondrel::graphics {
namespace {

std::string Literal(const std::string& type, int value) {
    if (type == "bool") return value != 0 ? "true" : "false";
    return std::to_string(value);
}

}  // namespace

void ShaderChoices::Add(const char* name, const char* type, const std::vector<int>& values, bool array) {
    choices_.push_back(Choice{name, type, values, array});
    key_ += name;
    for (int value : values) key_ += ' ' + std::to_string(value);
    key_ += ';';
}

std::string ShaderChoices::Apply(std::string_view source) const {
    std::string text(source);
    for (const Choice& choice : choices_) {
        const std::string size = choice.array ? "[" + std::to_string(choice.values.size()) + "]" : "";
        const std::string declaration = "uniform " + choice.type + " " + choice.name + size + ";";
        const std::size_t at = text.find(declaration);
        if (at == std::string::npos) continue;
        std::string constant = "const " + choice.type + " " + choice.name + size + " = ";
        if (choice.array) {
            constant += choice.type + size + "(";
            for (std::size_t i = 0; i < choice.values.size(); ++i) {
                constant += (i == 0 ? "" : ", ") + Literal(choice.type, choice.values[i]);
            }
            constant += ")";
        } else {
            constant += Literal(choice.type, choice.values.front());
        }
        text.replace(at, declaration.size(), constant + ";");
    }
    return text;
}

}  // namespace ondrel::graphics
