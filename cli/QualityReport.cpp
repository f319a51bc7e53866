#include "cli/QualityReport.h"

#include <charconv>

namespace ondrel::cli {
namespace {

using mapcheck::BrushFindings;
using mapcheck::FaceShape;
using mapcheck::MapBrushView;
using mapcheck::MapPoint;

std::string Number(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value);
    return std::string(text, end.ptr);
}

// Built by appending: GCC 12 warns falsely (-Wrestrict) about chains of
// a literal plus temporary strings at -O2.
void AppendPoint(std::string& text, const MapPoint& p) {
    text.append(" (").append(Number(p.x)).append(" ").append(Number(p.y)).append(" ").append(Number(p.z)).append(")");
}

std::string BrushName(BrushNaming naming, const MapBrushView& brush) {
    std::string name;
    if (naming == BrushNaming::MapBrush) {
        name.append("brush ").append(std::to_string(brush.number));
        name.append(" (entity ").append(std::to_string(brush.entity));
        name.append(", line ").append(std::to_string(brush.line)).append(")");
        return name;
    }
    name.append("triangle ").append(std::to_string(brush.number));
    if (!brush.faces.empty()) {
        for (const MapPoint& p : brush.faces[0].points) AppendPoint(name, p);
    }
    return name;
}

void AddItem(std::string& list, const std::string& item) { list += (list.empty() ? "" : ", ") + item; }

std::string Counted(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string FormatBrushProblem(const std::string& name, BrushNaming naming, const MapBrushView& brush,
                               const BrushFindings& findings) {
    std::string problems;
    if (findings.empty) AddItem(problems, "empty");
    if (findings.thin) AddItem(problems, "thin");
    if (findings.unbounded) AddItem(problems, "unbounded");
    for (const mapcheck::FaceFlaw& flaw : findings.flawedFaces) {
        AddItem(problems, "face " + std::to_string(flaw.face + 1) +
                              (flaw.shape == FaceShape::Coincident ? " coincident" : " collinear"));
    }
    if (findings.otherDuplicates != 0) {
        AddItem(problems, Counted(findings.otherDuplicates, "repeated plane", "repeated planes"));
    }
    return name + ": " + BrushName(naming, brush) + ": " + problems;
}

std::string FormatQualityLine(const std::string& name, const mapcheck::MapQuality& q) {
    return name + ": check: " + Counted(q.brushes, "brush", "brushes") + ", " + std::to_string(q.problemBrushes) +
           " with problems: " + Counted(q.collinearFaces, "collinear face", "collinear faces") + ", " +
           Counted(q.coincidentFaces, "coincident face", "coincident faces") + ", " + std::to_string(q.emptyBrushes) +
           " empty, " + std::to_string(q.thinBrushes) + " thin, " + std::to_string(q.unboundedBrushes) +
           " unbounded, " + Counted(q.otherDuplicates, "repeated plane", "repeated planes") + " (" +
           std::to_string(q.designedDuplicates) + " more by design)";
}

bool ReportMapQuality(const std::string& path, const std::string& name, BrushNaming naming, std::FILE* out,
                      std::FILE* err, mapcheck::MapQuality& quality) {
    std::string whyNot;
    const bool read = mapcheck::CheckMapFile(
        path, quality,
        [&](const MapBrushView& brush, const BrushFindings& findings) {
            std::fprintf(out, "%s\n", FormatBrushProblem(name, naming, brush, findings).c_str());
        },
        whyNot);
    if (!read) {
        std::fprintf(err, "ondrel-convert: %s: cannot check: %s\n", name.c_str(), whyNot.c_str());
        return false;
    }
    std::fprintf(out, "%s\n", FormatQualityLine(name, quality).c_str());
    return true;
}

}  // namespace ondrel::cli
