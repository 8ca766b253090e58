#include "files/safe_write.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace talp {

namespace fs = std::filesystem;

namespace {

// The write failed with the system's error of the moment.
FileFault writeFault(const fs::path& file) { return FileFault{FileFault::Kind::CannotWrite, file, errno, {}}; }

// The file a path names, through symbolic links.
fs::path targetOf(const fs::path& path)
{
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(path, ec);
    return ec ? path : target;
}

}  // namespace

bool mayReplaceFile(const fs::path& path)
{
    const fs::path target = targetOf(path);
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
        return errno == ENOENT && ::access(dir.c_str(), W_OK) == 0;
    }
    if (!S_ISREG(st.st_mode)) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(target.c_str(), W_OK) == 0;
}

namespace {

bool writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// A writable file in a folder the user may not write to (a shared project folder, a
// mounted share) has no room for a temporary file beside it: it is overwritten where it
// lies, and its old bytes, kept in memory, are put back when the write fails.
std::optional<FileFault> overwriteInPlace(const fs::path& target, std::span<const std::uint8_t> content)
{
    std::ifstream in(target, std::ios::binary);
    const std::vector<std::uint8_t> old{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) return FileFault{FileFault::Kind::CannotRead, target, 0, {}};
    in.close();
    const int fd = ::open(target.c_str(), O_WRONLY);
    if (fd < 0) return writeFault(target);
    const auto put = [fd](std::span<const std::uint8_t> bytes) {
        return ::lseek(fd, 0, SEEK_SET) == 0 && writeAll(fd, bytes) &&
               ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
    };
    if (put(content)) return ::close(fd) == 0 ? std::nullopt : std::optional(writeFault(target));
    const FileFault fault = writeFault(target);
    put(old);
    ::close(fd);
    return fault;
}

}  // namespace

std::optional<FileFault> replaceFileSafely(const fs::path& path, std::span<const std::uint8_t> content)
{
    if (!mayReplaceFile(path)) {
        std::error_code ec;
        if (fs::exists(path, ec)) return FileFault{FileFault::Kind::ReadOnly, path, 0, {}};
        const fs::path dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
        return FileFault{FileFault::Kind::FolderNotWritable, dir, fs::is_directory(dir, ec) ? 0 : ENOENT, {}};
    }
    const fs::path target = targetOf(path);
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (::access(dir.c_str(), W_OK) != 0) return overwriteInPlace(target, content);
    std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) return writeFault(target);
    const fs::path temporary = pattern;

    const auto fail = [&] {
        const FileFault fault = writeFault(target);
        ::close(fd);
        std::error_code ec;
        fs::remove(temporary, ec);
        return fault;
    };

    struct stat st {};
    const mode_t mode = ::stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0666 & ~[] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }();
    if (::fchmod(fd, mode) != 0 || !writeAll(fd, content) || ::fsync(fd) != 0) return fail();
    if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
        const FileFault fault = writeFault(target);
        std::error_code ec;
        fs::remove(temporary, ec);
        return fault;
    }
    return std::nullopt;
}

}  // namespace talp
