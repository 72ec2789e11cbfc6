#include "input_file.h"

#include <cerrno>
#include <istream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmark::files {
namespace {

const std::string kTooLarge = "файл больше 256 МиБ, таких документов не бывает";

std::string reasonForErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR: return "файл не найден";
    case EACCES:
    case EPERM: return "нет прав на чтение";
    case EISDIR: return "это папка, а не файл";
    default: return "не удалось прочитать файл";
    }
}

// Closes the descriptor however the read ends.
class FileDescriptor final {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::optional<std::string> readInputFile(const std::string &path, std::string &reason)
{
    // Not blocking, so that opening a pipe nobody writes to does not hang before it is refused.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        reason = reasonForErrno(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0) {
        reason = reasonForErrno(errno);
        return std::nullopt;
    }
    if (S_ISDIR(status.st_mode)) {
        reason = reasonForErrno(EISDIR);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        reason = "это не обычный файл, а устройство, канал или сокет";
        return std::nullopt;
    }
    if (std::uintmax_t(status.st_size) > kMaxInputBytes) {
        reason = kTooLarge;
        return std::nullopt;
    }
    // The size is only a hint (files in /proc say 0, a file may grow): the read itself is bounded.
    std::string bytes;
    bytes.reserve(std::size_t(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got == 0)
            return bytes;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            reason = reasonForErrno(errno);
            return std::nullopt;
        }
        if (bytes.size() + std::size_t(got) > kMaxInputBytes) {
            reason = kTooLarge;
            return std::nullopt;
        }
        bytes.append(buffer, std::size_t(got));
    }
}

std::optional<std::string> readInputStream(std::istream &in, std::string &reason)
{
    std::string bytes;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        if (bytes.size() + std::size_t(in.gcount()) > kMaxInputBytes) {
            reason = "на стандартном вводе больше 256 МиБ, таких документов не бывает";
            return std::nullopt;
        }
        bytes.append(buffer, std::size_t(in.gcount()));
    }
    if (in.bad()) {
        reason = "не удалось прочитать стандартный ввод";
        return std::nullopt;
    }
    return bytes;
}

} // namespace pelmark::files
