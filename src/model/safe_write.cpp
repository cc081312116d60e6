#include "model/safe_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>

namespace larkspan {

namespace fs = std::filesystem;

namespace {

// Links followed before a chain is taken for a loop, as the kernel does.
constexpr int kMaxLinks = 40;

FileError errorFrom(FileError::Action action, const fs::path& file, int errnoValue)
{
    return {action, file.string(), std::system_category().message(errnoValue)};
}

FileError refusal(const fs::path& file, std::string reason)
{
    return {FileError::Action::Write, file.string(), std::move(reason)};
}

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the errno of a failed close, or 0.
    int close()
    {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Writes all of `bytes`, going on after a short write or an interruption.
int writeAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// The file that a write lands in: symbolic links followed to the end of
// their chain, which need not exist yet. Sets errno and returns nothing on
// a loop or a failure to look.
std::optional<fs::path> finalTarget(const fs::path& file)
{
    fs::path target = file;
    for (int links = 0;; ++links) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0) {
            if (errno == ENOENT) return target;
            return std::nullopt;
        }
        if (!S_ISLNK(info.st_mode)) return target;
        if (links == kMaxLinks) {
            errno = ELOOP;
            return std::nullopt;
        }
        std::error_code ec;
        const fs::path link = fs::read_symlink(target, ec);
        if (ec) {
            errno = ec.value();
            return std::nullopt;
        }
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
}

// Why an existing file cannot be written, or nothing.
std::optional<std::string> unwritableKind(const struct stat& info)
{
    if (S_ISDIR(info.st_mode)) return std::system_category().message(EISDIR);
    if (S_ISFIFO(info.st_mode)) return "Is a named pipe";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) return "Is a device";
    if (!S_ISREG(info.st_mode)) return "Is not a regular file";
    return std::nullopt;
}

// Whether another program holds an advisory lock (either kind) on the file.
bool lockedByOther(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return errno == EWOULDBLOCK;
    ::flock(fd, LOCK_UN);
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    return ::fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

// Creates a new, empty file in `folder` under a name of its own.
// Returns the descriptor (or -1 with errno set) and the name chosen.
int createTemporaryIn(const fs::path& folder, const fs::path& target, fs::path& tempName)
{
    // A short stem keeps the temporary name within the file-name limit.
    const std::string stem = target.filename().string().substr(0, 64);
    // Clock-seeded: the name only has to differ from files that already
    // exist, and unlike a random device a clock cannot fail.
    std::mt19937 gen(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempName =
            folder / ("." + stem + "." + std::to_string(::getpid()) + "-" + std::to_string(gen() % 1000000U) + ".tmp");
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Overwrites the file through `fd`: every hard link keeps seeing it. The
// new bytes are written before the file is cut to their length, so that it
// is never empty on the way.
std::optional<FileError> writeInPlace(const fs::path& file, int fd, std::span<const std::uint8_t> bytes)
{
    int failure = ::lseek(fd, 0, SEEK_SET) < 0 ? errno : 0;
    if (failure == 0) failure = writeAll(fd, bytes);
    if (failure == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) failure = errno;
    if (failure == 0 && ::fsync(fd) != 0) failure = errno;
    if (failure != 0) return errorFrom(FileError::Action::Write, file, failure);
    return std::nullopt;
}

std::optional<FileError> replaceAtomically(const fs::path& file, const fs::path& target, const struct stat* old,
                                           std::span<const std::uint8_t> bytes)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    fs::path temp;
    Descriptor fd(createTemporaryIn(folder, target, temp));
    if (fd.get() < 0) return errorFrom(FileError::Action::CreateIn, folder, errno);

    if (old) {
        // Owner and group first, as changing them may clear set-id bits;
        // only an owner the user may give away is kept.
        if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0)
            (void)::fchown(fd.get(), static_cast<uid_t>(-1), old->st_gid);
        ::fchmod(fd.get(), old->st_mode & 07777);
    }

    int failure = writeAll(fd.get(), bytes);
    if (failure == 0 && ::fsync(fd.get()) != 0) failure = errno;
    if (const int closeFailure = fd.close(); failure == 0) failure = closeFailure;
    if (failure == 0 && ::rename(temp.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temp.c_str());
        return errorFrom(FileError::Action::Write, file, failure);
    }

    // Make the rename itself durable; a folder that cannot be synced does not
    // undo a save that has already taken place.
    if (const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return std::nullopt;
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const FileError& e)
{
    constexpr const char* kActions[] = {"open", "read", "write", "create in"};
    return os << "FileError{" << kActions[static_cast<int>(e.action)] << ", \"" << e.file << "\", \"" << e.reason
              << "\"}";
}

std::string fileErrorReason(const FileError& e)
{
    if (e.action == FileError::Action::CreateIn) return "cannot create a file in '" + e.file + "': " + e.reason;
    return e.reason;
}

std::optional<FileError> writeFileSafely(const fs::path& file, std::span<const std::uint8_t> bytes)
{
    const std::string& name = file.native();
    if (name.empty() || name.back() == '/') return refusal(file, "not a file name");

    const auto target = finalTarget(file);
    if (!target) return errorFrom(FileError::Action::Write, file, errno);

    struct stat old {};
    if (::stat(target->c_str(), &old) != 0) {
        if (errno != ENOENT) return errorFrom(FileError::Action::Write, file, errno);
        return replaceAtomically(file, *target, nullptr, bytes);
    }
    if (auto kind = unwritableKind(old)) return refusal(file, *kind);
    if (::faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0)
        return errorFrom(FileError::Action::Write, file, errno);

    // Opening for writing neither truncates nor blocks; the descriptor serves
    // the lock test and, with hard links, the write itself.
    Descriptor fd(::open(target->c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return errorFrom(FileError::Action::Write, file, errno);
    if (lockedByOther(fd.get())) return refusal(file, "Locked by another program");
    if (old.st_nlink > 1) return writeInPlace(file, fd.get(), bytes);
    return replaceAtomically(file, *target, &old, bytes);
}

}  // namespace larkspan
