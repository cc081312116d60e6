#include "model/document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <system_error>
#include <vector>

#include "model/document_record.h"

namespace larkspan {

namespace fs = std::filesystem;

namespace {

FileError errorFrom(FileError::Action action, const fs::path& file, int errnoValue)
{
    return {action, file.string(), std::system_category().message(errnoValue)};
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

// The file that a save replaces: a symbolic link is followed so that the link
// stays and its target gets the new contents.
fs::path saveTarget(const fs::path& file)
{
    std::error_code ec;
    if (fs::is_symlink(file, ec)) {
        fs::path resolved = fs::weakly_canonical(file, ec);
        if (!ec) return resolved;
    }
    return file;
}

// Creates a new, empty file beside `target` under a name of its own.
// Returns the descriptor (or -1 with errno set) and the name chosen.
int createTemporaryBeside(const fs::path& target, fs::path& tempName)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
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

std::optional<FileError> replaceAtomically(const fs::path& file, std::span<const std::uint8_t> bytes)
{
    const fs::path target = saveTarget(file);
    fs::path temp;
    Descriptor fd(createTemporaryBeside(target, temp));
    if (fd.get() < 0) return errorFrom(FileError::Action::Open, file, errno);

    // The new file takes over the permissions of the one it replaces.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(fd.get(), old.st_mode & 07777);

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
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return std::nullopt;
}

}  // namespace

std::ostream& operator<<(std::ostream& os, const FileError& e)
{
    constexpr const char* kActions[] = {"open", "read", "write"};
    return os << "FileError{" << kActions[static_cast<int>(e.action)] << ", \"" << e.file << "\", \"" << e.reason
              << "\"}";
}

std::array<std::string, 3> fileErrorAlertLines(const FileError& e)
{
    // The record is always file number 1.
    return {"The program returned a file error.", "File ref: 1", e.reason};
}

std::optional<FileError> ReadFile(Design& d, const fs::path& file)
{
    // Non-blocking, so that a named pipe given as a document cannot stall us.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return errorFrom(FileError::Action::Open, file, errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return errorFrom(FileError::Action::Open, file, errno);
    if (!S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
        return FileError{FileError::Action::Open, file.string(), "Not a regular file"};

    std::vector<std::uint8_t> bytes(kRecordSize);
    std::size_t got = 0;
    std::optional<FileError> error;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            error = errorFrom(FileError::Action::Read, file, errno);
            break;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    // A folder fails on its first read: nothing was read, nothing changes.
    if (error && got == 0) return error;
    bytes.resize(got);
    decodeRecord(bytes, d);
    return error;
}

std::optional<FileError> WriteFile(Design& d, const fs::path& file)
{
    // The file holds each text as it is (a name with two adjacent blanks
    // included); in memory it is then cut at its marker, as reading will.
    const Record record = encodeRecord(d);
    leaveTextFieldsAsWritten(d);
    return replaceAtomically(file, record);
}

}  // namespace larkspan
