#include "app/ExportSummary.h"

#include "platform/win32/TextConvert.h"

namespace ondrel::app {
namespace {

std::u16string& Summary() {
    static std::u16string summary;
    return summary;
}

std::string Counted(std::uint64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

void AddKind(std::string& list, std::uint64_t count, const char* one, const char* many) {
    if (count == 0) return;
    list.append(list.empty() ? ": " : ", ").append(Counted(count, one, many));
}

}  // namespace

std::u16string ExportSummaryLine(const mapcheck::MapQuality& q) {
    std::string line = "Exported " + Counted(q.brushes, "brush", "brushes") + ", " +
                       std::to_string(q.problemBrushes) + " with problems";
    std::string kinds;
    AddKind(kinds, q.collinearFaces, "collinear face", "collinear faces");
    AddKind(kinds, q.coincidentFaces, "coincident face", "coincident faces");
    AddKind(kinds, q.emptyBrushes, "empty", "empty");
    AddKind(kinds, q.thinBrushes, "thin", "thin");
    AddKind(kinds, q.unboundedBrushes, "unbounded", "unbounded");
    AddKind(kinds, q.otherDuplicates, "repeated plane", "repeated planes");
    return platform::Utf8ToUtf16(line + kinds);
}

void SummariseWrittenMap(const std::string& utf8Path) {
    mapcheck::MapQuality quality;
    std::string whyNot;
    if (mapcheck::CheckMapFile(utf8Path, quality, {}, whyNot)) {
        Summary() = ExportSummaryLine(quality);
    } else {
        Summary() = platform::Utf8ToUtf16("Exported; the check could not read the map: " + whyNot);
    }
}

const std::u16string& ExportSummary() { return Summary(); }

void ResetExportSummary() { Summary().clear(); }

}  // namespace ondrel::app
