#pragma once
// Import and export as the user starts them: through the open and save
// dialogs, from the command line, or by dropping a file on the window.
// Whatever goes wrong is told in a message box captioned "Error".

#include <string_view>

namespace ondrel::app {

inline constexpr char16_t kConvertFailedText[] = u"Unable to convert to solids.";
inline constexpr char16_t kWriteFailedText[] = u"Unable to write the map file.";
inline constexpr char16_t kReadFailedText[] = u"Unable to read the level file.";
inline constexpr char16_t kErrorCaption[] = u"Error";

// The one import command: binary when the name ends in ".bin" (exactly),
// text otherwise. True when the level now holds the file's triangles.
bool ImportLevelFile(std::u16string_view path);

// The open dialog, then ImportLevelFile with the chosen file. Cancelling
// does nothing.
void ImportThroughDialog();

// Converts the level with the panel's parameters and writes the map to
// `path`, kept in full (never narrowed) so the file written is the file
// chosen. A failed conversion writes nothing; a failed write leaves any
// older file of that name as it was.
bool ExportLevelTo(std::u16string_view path);

// The save dialog, then ExportLevelTo with the chosen name. Cancelling
// does nothing.
void ExportThroughDialog();

}  // namespace ondrel::app
