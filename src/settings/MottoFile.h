#pragma once
// A motto text file: one motto a line, in the system code page (GB18030 on disk; a file in
// UTF-8, or in UTF-16 behind its byte order mark, reads too). Every line is a motto, so the files
// we write are marked by GB18030's byte order mark rather than a line. The text lines dialog
// shows, deletes and writes back its lines; a generation run reads it again.

#include "settings/TextLineRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One kept line as read, up to a NUL: not trimmed; its length in bytes as stored (UTF-16 text
// counts as the code page text it is read as).
struct MottoLine {
    std::string text;
    int length = 0;
};

// The largest motto file that is read, or written. A day takes one motto, so even a leap year of
// long mottos is far below it; anything larger is no motto file (a disk image, a device) and
// reading it would only stall the run.
inline constexpr size_t kMaxMottoFileBytes = size_t{16} << 20;

// The kept lines in file order, or why none could be read.
struct MottoFileLines {
    std::vector<MottoLine> lines;
    // 0 when the file was read, else the system's reason: EFBIG for a file past kMaxMottoFileBytes.
    int error = 0;
};

// The kept lines in file order: a line of 0 or 1 bytes is no motto; a long line is kept whole.
// With a limit, the reading ends once more short lines than that were skipped, or once that
// many lines are kept; the rest of the file is never held. A file that cannot be read, is no
// regular file or is larger than kMaxMottoFileBytes gives none.
MottoFileLines ReadMottoLines(const std::string& path, std::optional<int> mostSkipped = std::nullopt,
                              size_t mostKept = SIZE_MAX);

// Appends the kept lines, numbered from 1, their texts trimmed of surrounding white space; at
// most mostKept of them. Returns 0, or the system's reason why the file gave none.
int ReadTextFileLines(const std::string& path, std::vector<TextLineRecord>& lines, size_t mostKept = SIZE_MAX);

// What the user is told of a motto file that could not be read (`error` from the readers above).
std::string UnreadMottoFileMessage(const std::string& path, int error);

// The records' texts, each trimmed and ended by CR LF, in the system code page behind its byte
// order mark (no mark when there are none), through a new file that then replaces the file;
// false when that failed, and then the file is as it was and errno tells why: a read-only file
// (EACCES), or text that would make the file larger than the readers take (EFBIG), for which
// nothing is written.
bool WriteMottoFile(const std::string& path, const std::vector<TextLineRecord>& lines);
