#include "platform/win32/WinFiles.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

#include "platform/win32/PathConvert.h"
#include "platform/win32/PlatformModule.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinError.h"

using ondrel::platform::FromNativePath;
using ondrel::platform::ToNativePath;


namespace {

constexpr PlatformModule kProgramModule{0};

struct OpenFile {
    std::FILE* stream;
};

OpenFile* FileOf(HANDLE handle) {
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return nullptr;
    return static_cast<OpenFile*>(handle);
}

const char* OpenMode(DWORD access, DWORD creation) {
    bool write = (access & GENERIC_WRITE) != 0;
    bool read = (access & GENERIC_READ) != 0;
    if (creation == CREATE_ALWAYS) return read ? "w+b" : "wb";
    return write ? "r+b" : "rb";
}

DWORD ErrorForMissing(const std::filesystem::path& path) {
    std::error_code error;
    bool folderExists = std::filesystem::is_directory(path.parent_path().empty() ? "." : path.parent_path(), error);
    return folderExists ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND;
}

std::u16string BuildCommandLine() {
    std::ifstream source("/proc/self/cmdline", std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(source)), std::istreambuf_iterator<char>());
    std::u16string line;
    std::size_t start = 0;
    while (start < raw.size()) {
        std::size_t end = raw.find('\0', start);
        if (end == std::string::npos) end = raw.size();
        std::u16string argument = ondrel::platform::Utf8ToUtf16(std::string_view(raw).substr(start, end - start));
        if (!line.empty()) line += u' ';
        bool quote = argument.empty() || argument.find_first_of(u" \t\"") != std::u16string::npos;
        if (quote) {
            line += u'"';
            for (char16_t c : argument) {
                if (c == u'"') line += u'\\';
                line += c;
            }
            line += u'"';
        } else {
            line += argument;
        }
        start = end + 1;
    }
    return line;
}

}  // namespace

DWORD GetModuleFileNameW(HMODULE module, LPWSTR buffer, DWORD capacity) {
    if (module != nullptr && module != &kProgramModule) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    std::u16string path = FromNativePath(ondrel::platform::ProgramPath());
    if (path.empty() || capacity == 0) {
        SetLastError(path.empty() ? ERROR_FILE_NOT_FOUND : ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::size_t copied = ondrel::platform::CopyToBuffer(path, buffer, capacity);
    if (copied < path.size()) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return capacity;
    }
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(copied);
}

HMODULE GetModuleHandleW(LPCWSTR moduleName) {
    return moduleName == nullptr ? const_cast<PlatformModule*>(&kProgramModule) : nullptr;
}

DWORD GetFullPathNameW(LPCWSTR fileName, DWORD capacity, LPWSTR buffer, LPWSTR* filePart) {
    if (fileName == nullptr || fileName[0] == u'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(ToNativePath(fileName), error).lexically_normal();
    if (error) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::u16string text = FromNativePath(full);
    // As Win32 answers: no trailing separator except at the root, whose last
    // component is empty. Both walks up of the media search stop there.
    while (text.size() > 1 && text.back() == u'/') text.pop_back();
    if (buffer == nullptr || text.size() + 1 > capacity) return static_cast<DWORD>(text.size() + 1);
    ondrel::platform::CopyToBuffer(text, buffer, capacity);
    if (filePart != nullptr) {
        std::size_t separator = text.find_last_of(u'/');
        bool root = separator == std::u16string::npos || separator + 1 == text.size();
        *filePart = root ? nullptr : buffer + separator + 1;
    }
    return static_cast<DWORD>(text.size());
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    std::filesystem::path path = ToNativePath(fileName);
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        SetLastError(ErrorForMissing(path));
        return INVALID_FILE_ATTRIBUTES;
    }
    if (std::filesystem::is_directory(status)) return FILE_ATTRIBUTE_DIRECTORY;
    auto writable = std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                    std::filesystem::perms::others_write;
    bool readOnly = (status.permissions() & writable) == std::filesystem::perms::none;
    return readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
}

HANDLE CreateFileW(LPCWSTR fileName, DWORD access, DWORD, void*, DWORD creation, DWORD, HANDLE) {
    if (fileName == nullptr || (creation != OPEN_EXISTING && creation != CREATE_ALWAYS)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::filesystem::path path = ToNativePath(fileName);
    std::error_code error;
    if (creation == OPEN_EXISTING && !std::filesystem::is_regular_file(path, error)) {
        SetLastError(std::filesystem::is_directory(path, error) ? ERROR_ACCESS_DENIED : ErrorForMissing(path));
        return INVALID_HANDLE_VALUE;
    }
    std::FILE* stream = std::fopen(path.c_str(), OpenMode(access, creation));
    if (stream == nullptr) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    SetLastError(ERROR_SUCCESS);
    return new OpenFile{stream};
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, DWORD* bytesRead, void*) {
    OpenFile* open = FileOf(file);
    if (bytesRead != nullptr) *bytesRead = 0;
    if (open == nullptr || (buffer == nullptr && bytesToRead > 0)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::size_t count = std::fread(buffer, 1, bytesToRead, open->stream);
    if (bytesRead != nullptr) *bytesRead = static_cast<DWORD>(count);
    if (count < bytesToRead && std::ferror(open->stream)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, DWORD* bytesWritten, void*) {
    OpenFile* open = FileOf(file);
    if (bytesWritten != nullptr) *bytesWritten = 0;
    if (open == nullptr || (buffer == nullptr && bytesToWrite > 0)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::size_t count = std::fwrite(buffer, 1, bytesToWrite, open->stream);
    if (bytesWritten != nullptr) *bytesWritten = static_cast<DWORD>(count);
    return count == bytesToWrite ? TRUE : FALSE;
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
    OpenFile* open = FileOf(file);
    if (open == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return INVALID_FILE_SIZE;
    }
    long position = std::ftell(open->stream);
    std::fseek(open->stream, 0, SEEK_END);
    long long size = std::ftell(open->stream);
    std::fseek(open->stream, position, SEEK_SET);
    if (sizeHigh != nullptr) *sizeHigh = static_cast<DWORD>(static_cast<unsigned long long>(size) >> 32);
    return static_cast<DWORD>(static_cast<unsigned long long>(size) & 0xFFFFFFFFu);
}

BOOL CloseHandle(HANDLE handle) {
    OpenFile* open = FileOf(handle);
    if (open == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::fclose(open->stream);
    delete open;
    return TRUE;
}

namespace {

std::optional<std::u16string>& CommandLineOverride() {
    static std::optional<std::u16string> line;
    return line;
}

}  // namespace

LPWSTR GetCommandLineW() {
    if (CommandLineOverride()) return CommandLineOverride()->data();
    // The process's own command line never changes while it runs.
    static std::u16string commandLine = BuildCommandLine();
    return commandLine.data();
}

namespace ondrel::platform {

void SetCommandLineForTesting(std::u16string line) { CommandLineOverride() = std::move(line); }
void ResetCommandLineForTesting() { CommandLineOverride().reset(); }

}  // namespace ondrel::platform
