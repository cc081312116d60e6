#include "model/document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

}  // namespace

std::array<std::string, 3> fileErrorAlertLines(const FileError& e)
{
    // The record is always file number 1.
    return {"The program returned a file error.", "File ref: 1", fileErrorReason(e)};
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
    if (const auto field = firstNonFiniteField(d))
        return FileError{FileError::Action::Write, file.string(),
                         "The design's " + *field + " is not a finite number; nothing was written"};
    return writeFileSafely(file, record);
}

}  // namespace larkspan
