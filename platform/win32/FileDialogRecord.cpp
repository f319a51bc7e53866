#include "platform/win32/FileDialogRecord.h"

#include <algorithm>

#include "platform/win32/TextConvert.h"

namespace ondrel::platform {

namespace {

std::size_t NameStart(const std::u16string& path) {
    std::size_t separator = path.find_last_of(u"/\\");
    return separator == std::u16string::npos ? 0 : separator + 1;
}

// The position after the dot of the file name's extension, or npos.
std::size_t ExtensionStart(const std::u16string& path) {
    std::size_t name = NameStart(path);
    std::size_t dot = path.find_last_of(u'.');
    if (dot == std::u16string::npos || dot < name || dot + 1 == path.size()) return std::u16string::npos;
    return dot + 1;
}

}  // namespace

std::vector<FileDialogFilter> ParseFilterList(LPCWSTR filterList) {
    std::vector<FileDialogFilter> filters;
    if (filterList == nullptr) return filters;
    const WCHAR* cursor = filterList;
    while (*cursor != u'\0') {
        FileDialogFilter filter;
        filter.name = cursor;
        cursor += filter.name.size() + 1;
        if (*cursor == u'\0') break;
        filter.patterns = cursor;
        cursor += filter.patterns.size() + 1;
        filters.push_back(std::move(filter));
    }
    return filters;
}

FileDialogRequest RequestFromRecord(const OPENFILENAMEW& record, bool save) {
    FileDialogRequest request;
    request.save = save;
    request.owner = record.hwndOwner;
    request.title = FromWide(record.lpstrTitle);
    request.filters = ParseFilterList(record.lpstrFilter);
    int index = record.nFilterIndex == 0 ? 0 : static_cast<int>(record.nFilterIndex) - 1;
    request.filterIndex = std::clamp(index, 0, std::max(0, static_cast<int>(request.filters.size()) - 1));
    request.initialFolder = FromWide(record.lpstrInitialDir);
    if (record.lpstrFile != nullptr && record.nMaxFile > 0) {
        std::u16string initial(record.lpstrFile, record.lpstrFile + record.nMaxFile);
        initial.resize(std::min(initial.find(u'\0'), initial.size()));
        request.initialName = initial;
    }
    request.defaultExtension = FromWide(record.lpstrDefExt);
    request.flags = record.Flags;
    return request;
}

std::u16string PathWithDefaultExtension(const std::u16string& path, const std::u16string& defaultExtension) {
    if (defaultExtension.empty() || ExtensionStart(path) != std::u16string::npos) return path;
    std::u16string extension = defaultExtension;
    if (extension.front() == u'.') extension.erase(0, 1);
    std::u16string result = path;
    if (result.empty() || result.back() != u'.') result += u'.';
    return result + extension;
}

DWORD WriteAnswer(const FileDialogAnswer& answer, OPENFILENAMEW& record) {
    std::u16string path = PathWithDefaultExtension(answer.path, FromWide(record.lpstrDefExt));
    if (record.lpstrFile == nullptr || path.size() + 1 > record.nMaxFile) {
        // As Win32 does, the first two bytes then hold the size needed.
        if (record.lpstrFile != nullptr && record.nMaxFile >= 1) {
            record.lpstrFile[0] = static_cast<WCHAR>(std::min<std::size_t>(path.size() + 1, 0xFFFF));
        }
        return FNERR_BUFFERTOOSMALL;
    }
    CopyToBuffer(path, record.lpstrFile, record.nMaxFile);
    std::size_t name = NameStart(path);
    std::size_t extension = ExtensionStart(path);
    record.nFileOffset = static_cast<WORD>(std::min<std::size_t>(name, 0xFFFF));
    record.nFileExtension = static_cast<WORD>(
        std::min<std::size_t>(extension == std::u16string::npos ? path.size() : extension, 0xFFFF));
    record.nFilterIndex = static_cast<DWORD>(answer.filterIndex + 1);
    if (record.lpstrFileTitle != nullptr && record.nMaxFileTitle > 0) {
        CopyToBuffer(std::u16string_view(path).substr(name), record.lpstrFileTitle, record.nMaxFileTitle);
    }
    return 0;
}

}  // namespace ondrel::platform
