#include "platform/DiskTextLines.h"

#include "platform/HeldFolder.h"
#include "platform/SystemError.h"
#include "platform/TextLines.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr size_t kBlockBytes = 64 * 1024;

// Where the bytes can be cut after a line end: past the last LF, or past the last CR whose next
// unit is known (a CR LF pair is never cut); 0 when there is no such place. Whole units only, so
// a UTF-16 character is never cut (a byte 0A or 0D inside one is no line end). The first `known`
// bytes held no such place when last searched (but for a CR as their last whole unit), so a long
// line is searched once, not once a block.
size_t PieceEnd(std::string_view bytes, size_t known, DiskForm form)
{
    const size_t width = CodeUnitBytes(form);
    const size_t units = bytes.size() / width;
    for (size_t i = units; i > 0 && i >= known / width; --i) {
        const char32_t unit = CodeUnitAt(bytes, (i - 1) * width, form);
        if (unit == U'\n' || (unit == U'\r' && i < units))
            return i * width;
    }
    return 0;
}

// The file's bytes from its start, in pieces that end after a line end of the given form (the
// last one at the end of the file), until `piece` returns false. False when a read fails or the
// file has grown past maxBytes.
bool ForEachPiece(int fd, size_t maxBytes, DiskForm form, const std::function<bool(std::string_view)>& piece)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    std::string pending;
    size_t total = 0;
    char block[kBlockBytes];
    for (;;) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        total += static_cast<size_t>(n);
        if (total > maxBytes) {
            errno = EFBIG;
            return false;
        }
        const size_t known = pending.size();
        pending.append(block, static_cast<size_t>(n));
        const size_t end = PieceEnd(pending, known, form);
        if (end == 0)
            continue;
        if (!piece(std::string_view(pending).substr(0, end)))
            return true;
        pending.erase(0, end);
    }
    if (!pending.empty())
        piece(pending);
    return true;
}

// The file's form: from its mark, or judged from all its bytes; and the length of the mark.
// No mark has a byte of a line end, so the first piece holds a whole mark whatever the form.
std::optional<DiskMark> FormOf(int fd, size_t maxBytes)
{
    std::optional<DiskMark> mark;
    UnmarkedEncodingJudge judge;
    bool first = true;
    const bool read = ForEachPiece(fd, maxBytes, DiskForm::Gb18030, [&](std::string_view piece) {
        if (first) {
            first = false;
            mark = MarkOf(piece);
            if (mark)
                return false;
        }
        judge.Add(piece);
        return true;
    });
    if (!read)
        return std::nullopt;
    return mark ? mark : DiskMark{0, judge.Result()};
}

bool TakeLines(int fd, size_t maxBytes, const TakeDiskLine& take)
{
    const std::optional<DiskMark> form = FormOf(fd, maxBytes);
    if (!form)
        return false;
    const DiskEncoding encoding = CountedAs(form->form);
    bool first = true;
    return ForEachPiece(fd, maxBytes, form->form, [&](std::string_view piece) {
        if (first) {
            first = false;
            piece.remove_prefix(form->length);
        }
        const std::string text = DecodeDiskPiece(piece, form->form);
        for (std::string_view rest = text; !rest.empty();)
            if (!take(TakeLine(rest), encoding))
                return false;
        return true;
    });
}

} // namespace

bool ReadDiskTextLines(const std::string& path, size_t maxBytes, const TakeDiskLine& take)
{
    // Not blocking, so a named pipe is refused below instead of waiting for a writer forever.
    const int fd = HeldFolder::OpenToRead(path);
    if (fd < 0)
        return false;
    struct stat info {};
    bool read = ::fstat(fd, &info) == 0;
    if (read && !S_ISREG(info.st_mode)) {
        read = false;
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    } else if (read && static_cast<size_t>(info.st_size) > maxBytes) {
        read = false;
        errno = EFBIG;
    }
    read = read && TakeLines(fd, maxBytes, take);
    const KeptReason kept;
    ::close(fd);
    return read;
}

} // namespace platform
