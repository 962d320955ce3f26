#include "settings/ProfileStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

// ---------------------------------------------------------------------------
// The text: lines and what each one is.

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Section and key arguments lose their spaces only; a tab is part of the name.
std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// The system's functions hand text over as C strings: a NUL ends it.
std::string_view CutAtNul(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

// A value as a read returns it: blanks dropped, then one pair of matching
// outer quotes, then cut to the buffer a Windows caller passes.
std::string_view ValueText(std::string_view raw) {
    std::string_view v = TrimBlanks(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return CutAtNul(v.substr(0, std::min(v.size(), MaxValueLength)));
}

enum class LineKind { Blank, Comment, Header, Key, Other };

// One line of the text: its bytes are [begin, end); `next` is where the line
// after its line end starts. `name` is the section or key name, `valueBegin`
// the offset of the key's value (after "=" and the blanks behind it).
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    std::size_t valueBegin = 0;
};

// Walks the lines of a text one at a time; CR LF, LF and CR all end a line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool Next(Line& line) {
        if (pos_ >= text_.size())
            return false;
        line = Line{};
        line.begin = pos_;
        std::size_t i = std::min(Find('\n', nextLf_), Find('\r', nextCr_));
        line.end = i;
        if (i < text_.size())
            i += (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') ? 2u : 1u;
        line.next = i;
        pos_ = i;
        Classify(line);
        return true;
    }

private:
    // The next `c` at or after the current position. The last answer is kept,
    // so a file that has none of one kind is not searched again on each line.
    std::size_t Find(char c, std::size_t& cached) const {
        if (cached != std::string_view::npos && cached >= pos_)
            return cached;
        const void* hit = std::memchr(text_.data() + pos_, c, text_.size() - pos_);
        cached = hit == nullptr
                     ? text_.size()
                     : static_cast<std::size_t>(static_cast<const char*>(hit) - text_.data());
        return cached;
    }

    void Classify(Line& line) const {
        const std::string_view all = text_.substr(line.begin, line.end - line.begin);
        const std::string_view s = TrimBlanks(all);
        if (s.empty()) {
            line.kind = LineKind::Blank;
            return;
        }
        if (s.front() == ';') {
            line.kind = LineKind::Comment;
            return;
        }
        if (s.front() == '[') {
            // The name ends at the first "]"; without one the line is no header.
            const std::size_t close = s.find(']');
            if (close != std::string_view::npos) {
                line.kind = LineKind::Header;
                line.name = TrimBlanks(s.substr(1, close - 1));
                return;
            }
        }
        const std::size_t eq = all.find('=');
        if (eq == std::string_view::npos) {
            line.kind = LineKind::Other;
            return;
        }
        line.kind = LineKind::Key;
        line.name = TrimBlanks(all.substr(0, eq));
        std::size_t v = eq + 1;
        while (v < all.size() && IsBlank(all[v]))
            ++v;
        line.valueBegin = line.begin + v;
        line.value = all.substr(eq + 1);
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    mutable std::size_t nextLf_ = std::string_view::npos;
    mutable std::size_t nextCr_ = std::string_view::npos;
};

// The line end a write uses: the file's first one, CR LF when it has none.
std::string_view LineEndOf(std::string_view text) {
    const std::size_t i = text.find_first_of("\r\n");
    if (i == std::string_view::npos)
        return "\r\n";
    if (text[i] == '\n')
        return "\n";
    return (i + 1 < text.size() && text[i + 1] == '\n') ? "\r\n" : "\r";
}

bool HasBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos;
}

// Whether a name keeps its spelling through a write and a read: a name that
// starts or ends with a tab would lose it, as blanks around names are dropped.
bool SurvivesTrimming(std::string_view name) {
    return TrimBlanks(name).size() == name.size();
}

// Whether `key=value` under `[section]` reads back as that key and value's
// line; checked on arguments already stripped of their spaces.
bool Representable(std::string_view section, std::string_view key, std::string_view value) {
    if (HasBreakOrNul(section) || HasBreakOrNul(key) || HasBreakOrNul(value))
        return false;
    if (section.empty() || section.find(']') != section.npos || !SurvivesTrimming(section))
        return false;
    if (key.empty() || key.find('=') != key.npos || !SurvivesTrimming(key))
        return false;
    // A key line that starts with ";" is a comment, and one that starts with
    // "[" a header as soon as a "]" follows anywhere, in the key or the value.
    if (key.front() == ';' || key.front() == '[')
        return false;
    return true;
}

// ---------------------------------------------------------------------------
// The file: native resources and the steps of a write.

// Owns an open file descriptor and closes it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    void Reset(int fd) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now and tells whether the close succeeded (it can report a
    // delayed write error).
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

// A new file beside the target that is removed again unless it was renamed
// over the target.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (!path_.empty() && !renamed_)
            ::unlink(path_.c_str());
    }

    // Creates the file in `dir` under a fresh hidden name made from `base`.
    bool Create(const std::filesystem::path& dir, const std::string& base, mode_t mode) {
        std::random_device seed;
        std::mt19937_64 random(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name =
                "." + base + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(random());
            const std::string candidate = (dir / name).string();
            const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0) {
                path_ = candidate;
                fd_.Reset(fd);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    const std::string& Path() const { return path_; }
    int Fd() const { return fd_.Get(); }
    bool Close() { return fd_.Close(); }
    bool RenameOver(const std::string& target) {
        renamed_ = ::rename(path_.c_str(), target.c_str()) == 0;
        return renamed_;
    }

private:
    std::string path_;
    FileDescriptor fd_;
    bool renamed_ = false;
};

enum class FileState { Missing, Loaded, Unreadable };

struct LoadedFile {
    FileState state = FileState::Unreadable;
    std::string text;
    struct stat info {};
};

// Reads a regular file whole. Opening does not block, so a FIFO in the file's
// place is reported as unreadable instead of hanging the program.
LoadedFile LoadFile(const std::string& path) {
    LoadedFile file;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.IsOpen()) {
        file.state = errno == ENOENT ? FileState::Missing : FileState::Unreadable;
        return file;
    }
    if (::fstat(fd.Get(), &file.info) != 0 || !S_ISREG(file.info.st_mode))
        return file;
    file.text.reserve(static_cast<std::size_t>(file.info.st_size));
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return file;
        if (n == 0)
            break;
        file.text.append(buffer.data(), static_cast<std::size_t>(n));
    }
    file.state = FileState::Loaded;
    return file;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a write goes to: a symlink is followed to its target, so the link
// itself stays in place. Nothing for a loop of links.
std::optional<std::filesystem::path> FollowLinks(std::filesystem::path path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        std::error_code ec;
        std::filesystem::path target = std::filesystem::read_symlink(path, ec);
        if (ec)
            return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

bool IsDirectory(const std::filesystem::path& dir) {
    struct stat info {};
    return ::stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

void SyncDirectory(const std::filesystem::path& dir) {
    FileDescriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.IsOpen())
        ::fsync(fd.Get());
}

// Holds an advisory lock on the file's directory from a write's read to its
// rename, so that two copies writing at once do not lose one of the writes.
// The wait is bounded: a copy stopped while holding it delays a write by at
// most a few seconds, after which the write goes ahead unguarded.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::filesystem::path& dir)
        : fd_(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (!fd_.IsOpen())
            return;
        for (int attempt = 0; attempt < 500; ++attempt) {
            if (::flock(fd_.Get(), LOCK_EX | LOCK_NB) == 0)
                return;
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;
            ::usleep(10'000);
        }
    }

private:
    // Closing the descriptor releases the lock.
    FileDescriptor fd_;
};

} // namespace

namespace detail {

// The write of WriteString with a call-out just before the new file is
// renamed over the old one, where a test can stop the process or disturb
// the target.
bool WriteStringWithHook(const std::string& path, std::string_view section, std::string_view key,
                         std::string_view value,
                         const std::function<void(const std::string& tempPath)>& beforeRename) {
    if (!Representable(TrimSpaces(section), TrimSpaces(key), value))
        return false;
    const std::optional<std::filesystem::path> resolved = FollowLinks(path);
    if (!resolved || resolved->filename().empty())
        return false;
    const std::filesystem::path dir =
        resolved->has_parent_path() ? resolved->parent_path() : std::filesystem::path(".");
    if (!IsDirectory(dir))
        return false;
    const std::string target = resolved->string();

    const DirectoryLock lock(dir);
    const LoadedFile old = LoadFile(target);
    if (old.state == FileState::Unreadable)
        return false;
    const bool exists = old.state == FileState::Loaded;
    if (::access(exists ? target.c_str() : dir.c_str(), exists ? W_OK : W_OK | X_OK) != 0)
        return false;

    const std::optional<std::string> text = WriteToText(old.text, section, key, value);
    if (!text)
        return false;

    TempFile temp;
    if (!temp.Create(dir, resolved->filename().string(), exists ? 0600 : 0666))
        return false;
    if (exists) {
        // Keep the owner where allowed (root editing a user's file), then the
        // permission bits exactly, which the umask would otherwise trim.
        if (::fchown(temp.Fd(), old.info.st_uid, old.info.st_gid) != 0) {
        }
        if (::fchmod(temp.Fd(), old.info.st_mode & 07777) != 0)
            return false;
    }
    if (!WriteAll(temp.Fd(), *text) || ::fsync(temp.Fd()) != 0 || !temp.Close())
        return false;
    if (beforeRename)
        beforeRename(temp.Path());
    if (!temp.RenameOver(target))
        return false;
    SyncDirectory(dir);
    return true;
}

} // namespace detail

std::string ReadFromText(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    LineReader lines(text);
    Line line;
    bool inSection = false;
    while (lines.Next(line)) {
        if (line.kind == LineKind::Header) {
            // Only the first section of that name is searched.
            if (inSection)
                break;
            inSection = SameName(line.name, section);
        } else if (inSection && line.kind == LineKind::Key && SameName(line.name, key)) {
            return std::string(ValueText(line.value));
        }
    }
    return std::string(CutAtNul(fallback.substr(0, std::min(fallback.size(), MaxValueLength))));
}

std::optional<std::string> WriteToText(std::string_view text, std::string_view section,
                                       std::string_view key, std::string_view value) {
    section = TrimSpaces(section);
    key = TrimSpaces(key);
    if (!Representable(section, key, value))
        return std::nullopt;
    const std::string_view eol = LineEndOf(text);

    // Find the first section of that name, the key in it, and the end of the
    // section's last key line, where a new key goes.
    LineReader lines(text);
    Line line;
    bool inSection = false;
    bool sectionFound = false;
    std::optional<Line> anchor; // the header, then the section's last key line
    while (lines.Next(line)) {
        if (line.kind == LineKind::Header) {
            if (inSection)
                break;
            if (!sectionFound && SameName(line.name, section)) {
                inSection = sectionFound = true;
                anchor = line;
            }
            continue;
        }
        if (!inSection || line.kind != LineKind::Key)
            continue;
        if (SameName(line.name, key)) {
            // Keep the line up to its value and its own line end. A value
            // that starts with a blank goes right after the "=", so writing
            // it again does not pile up blanks.
            const auto afterEquals = static_cast<std::size_t>(line.value.data() - text.data());
            const bool leadingBlank = !value.empty() && IsBlank(value.front());
            std::string out;
            out.reserve(text.size() + value.size());
            out.append(text.substr(0, leadingBlank ? afterEquals : line.valueBegin));
            out.append(value);
            out.append(text.substr(line.end));
            return out;
        }
        anchor = line;
    }

    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (anchor) {
        out.append(text.substr(0, anchor->next));
        if (anchor->next == anchor->end) // the file's last line, without a line end
            out.append(eol);
        out.append(key).append("=").append(value).append(eol);
        out.append(text.substr(anchor->next));
        return out;
    }
    out.append(text);
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        out.append(eol);
    out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value).append(eol);
    return out;
}

std::string ReadString(const std::string& path, std::string_view section, std::string_view key,
                       std::string_view fallback) {
    const LoadedFile file = LoadFile(path);
    return ReadFromText(file.state == FileState::Loaded ? std::string_view(file.text) : "", section,
                        key, fallback);
}

bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                 std::string_view value) {
    return detail::WriteStringWithHook(path, section, key, value, {});
}

} // namespace profile
