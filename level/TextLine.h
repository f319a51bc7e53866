#pragma once
// One line of a text level file. Only bytes above 0x20 and tabs are kept,
// so spaces, carriage returns and other control bytes vanish, as they
// always have; the line is read whole, however long it is, so padding or a
// number written with many digits never spills into the next field.

#include <string>

namespace ondrel {

class FileReader;

// Replaces `line` with the kept bytes of the next line. Stops after a line
// feed (consumed, not kept) or at the end of the file. Answers whether any
// byte was kept: an empty or blank line, or the end of the file, is no line.
// `line` keeps its capacity from call to call, so a file costs one
// allocation per new longest line, not one per line.
bool ReadTextLine(FileReader& file, std::string& line);

// Steps over a UTF-8, UTF-16 little-endian or UTF-16 big-endian byte-order
// mark, when the file starts with one. Call before the first line.
void SkipByteOrderMark(FileReader& file);

}  // namespace ondrel
