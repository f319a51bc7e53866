#include "app/ImportExport.h"

#include <string>

#include "app/ExportSummary.h"
#include "app/ViewerLevel.h"
#include "conversion/BinaryName.h"
#include "mapexport/ConversionParameters.h"
#include "mapexport/ExportScale.h"
#include "mapexport/MapWriter.h"
#include "mapexport/SolidBuilder.h"
#include "platform/win32/Windows.h"
#include "unicode/Utf16ToUtf8.h"

namespace ondrel::app {
namespace {

constexpr DWORD kPathCapacity = 260;
constexpr WCHAR kLevelFilter[] = u"Exported GoldenEye 007\u2122 Files (*.txt, *.bin)\0*.txt;*.bin\0";
constexpr WCHAR kMapFilter[] = u"Hammer Files (*.map)\0*.map\0";

void ShowError(const char16_t* text) { MessageBoxW(nullptr, text, kErrorCaption, MB_ICONHAND); }

// Every field zero but those a file request needs. The size is the
// record's own, which is what the dialog checks.
OPENFILENAMEW FileRequest(LPCWSTR filter, WCHAR* pathBuffer, DWORD flags) {
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(OPENFILENAMEW);
    request.lpstrFilter = filter;
    request.lpstrFile = pathBuffer;
    request.nMaxFile = kPathCapacity;
    request.Flags = flags;
    return request;
}

ConversionParameters PanelParameters() {
    const LevelData& level = ViewerLevel();
    return ConversionParameters{level.extrudeFactorTris, level.extrudeFactorBlocks, ExportScale()};
}

}  // namespace

bool ImportLevelFile(std::u16string_view path) {
    // The last export's line speaks of a level no longer on show.
    ResetExportSummary();
    if (ViewerLevel().Import(path, conversion::IsBinaryName(path))) return true;
    ShowError(kReadFailedText);
    return false;
}

void ImportThroughDialog() {
    WCHAR path[kPathCapacity] = {};
    OPENFILENAMEW request = FileRequest(kLevelFilter, path, OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    if (!GetOpenFileNameW(&request)) return;
    ImportLevelFile(path);
}

bool ExportLevelTo(std::u16string_view path) {
    LevelData& level = ViewerLevel();
    const ConversionParameters parameters = PanelParameters();
    if (!ConvertToSolids(level, parameters)) {
        ShowError(kConvertFailedText);
        return false;
    }
    const std::string written = unicode::Utf16ToUtf8(path);
    if (!WriteMapFile(level, written, parameters)) {
        ShowError(kWriteFailedText);
        return false;
    }
    SummariseWrittenMap(written);
    return true;
}

void ExportThroughDialog() {
    WCHAR path[kPathCapacity] = {};
    OPENFILENAMEW request = FileRequest(kMapFilter, path, OFN_EXPLORER | OFN_OVERWRITEPROMPT);
    request.lpstrDefExt = u"map";
    if (!GetSaveFileNameW(&request)) return;
    ExportLevelTo(path);
}

}  // namespace ondrel::app
