#include "platform/sdl/GtkFileChooser.h"

#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "platform/win32/PathConvert.h"
#include "platform/win32/TextConvert.h"
#include "platform/win32/WinDialogs.h"

namespace ondrel::platform {

namespace {

bool StartGtk() {
    // GTK can be started once per process; it must not switch the locale,
    // which the number formatting of the map writer depends on.
    static const bool started = [] {
        gtk_disable_setlocale();
        return gtk_init_check(nullptr, nullptr) == TRUE;
    }();
    return started;
}

void FinishPendingGtkWork() {
    while (gtk_events_pending()) gtk_main_iteration_do(FALSE);
}

std::vector<std::string> SplitPatterns(const std::u16string& patterns) {
    std::vector<std::string> parts;
    std::string all = Utf16ToDisplayUtf8(patterns);
    std::size_t start = 0;
    while (start <= all.size()) {
        std::size_t end = all.find(';', start);
        if (end == std::string::npos) end = all.size();
        std::string part = all.substr(start, end - start);
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        if (!part.empty()) parts.push_back(part);
        start = end + 1;
    }
    return parts;
}

// Win32 matches patterns without regard to case; GTK does not, so each
// letter becomes a bracket of both cases.
std::string CaseFreePattern(const std::string& pattern) {
    std::string free;
    for (char c : pattern) {
        bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letter) {
            free += c;
            continue;
        }
        char lower = static_cast<char>(c | 0x20);
        char upper = static_cast<char>(lower & ~0x20);
        free += '[';
        free += lower;
        free += upper;
        free += ']';
    }
    return free;
}

std::vector<GtkFileFilter*> AddFilters(GtkFileChooser* chooser, const FileDialogRequest& request) {
    std::vector<GtkFileFilter*> filters;
    for (const FileDialogFilter& entry : request.filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, Utf16ToDisplayUtf8(entry.name).c_str());
        for (const std::string& pattern : SplitPatterns(entry.patterns)) {
            gtk_file_filter_add_pattern(filter, CaseFreePattern(pattern).c_str());
        }
        gtk_file_chooser_add_filter(chooser, filter);
        filters.push_back(filter);
    }
    if (request.filterIndex >= 0 && static_cast<std::size_t>(request.filterIndex) < filters.size()) {
        gtk_file_chooser_set_filter(chooser, filters[static_cast<std::size_t>(request.filterIndex)]);
    }
    return filters;
}

void PlaceInitialName(GtkFileChooser* chooser, const FileDialogRequest& request) {
    if (!request.initialFolder.empty()) {
        gtk_file_chooser_set_current_folder(chooser, ToNativePath(request.initialFolder).c_str());
    }
    if (request.initialName.empty()) return;
    std::filesystem::path initial = ToNativePath(request.initialName);
    if (request.save) {
        if (initial.has_parent_path()) gtk_file_chooser_set_current_folder(chooser, initial.parent_path().c_str());
        gtk_file_chooser_set_current_name(chooser, initial.filename().c_str());
    } else if (initial.is_absolute()) {
        gtk_file_chooser_set_filename(chooser, initial.c_str());
    }
}

}  // namespace

std::optional<FileDialogAnswer> RunGtkFileChooser(const FileDialogRequest& request, bool& failed) {
    failed = false;
    if (!StartGtk()) {
        failed = true;
        return std::nullopt;
    }
    std::string title = Utf16ToDisplayUtf8(request.title);
    if (title.empty()) title = request.save ? "Save As" : "Open";
    GtkFileChooserNative* dialog = gtk_file_chooser_native_new(
        title.c_str(), nullptr, request.save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
        request.save ? "_Save" : "_Open", "_Cancel");
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_do_overwrite_confirmation(chooser, (request.flags & OFN_OVERWRITEPROMPT) != 0);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    std::vector<GtkFileFilter*> filters = AddFilters(chooser, request);
    PlaceInitialName(chooser, request);

    std::optional<FileDialogAnswer> answer;
    if (gtk_native_dialog_run(GTK_NATIVE_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        if (gchar* chosen = gtk_file_chooser_get_filename(chooser)) {
            FileDialogAnswer result;
            result.path = FromNativePath(std::filesystem::path(chosen));
            result.filterIndex = request.filterIndex;
            GtkFileFilter* inUse = gtk_file_chooser_get_filter(chooser);
            for (std::size_t i = 0; i < filters.size(); ++i) {
                if (filters[i] == inUse) result.filterIndex = static_cast<int>(i);
            }
            g_free(chosen);
            answer = result;
        }
    }
    gtk_native_dialog_destroy(GTK_NATIVE_DIALOG(dialog));
    g_object_unref(dialog);
    FinishPendingGtkWork();
    return answer;
}

}  // namespace ondrel::platform
