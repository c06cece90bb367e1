#include "uHalvaneFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace halvane {
namespace {

[[noreturn]] void FailWithErrno(const std::string& what, int error) {
    throw std::runtime_error(what + ": " + std::strerror(error));
}

// Closes on every path out; Release hands the descriptor back for a checked close.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) noexcept : fd_(fd) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const noexcept { return fd_; }
    int Release() noexcept {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

void WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            FailWithErrno("cannot write the temporary file", errno);
        }
        data.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

std::string ReadFileLimited(const std::string& fileName, std::size_t limit) {
    TFileDescriptor fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) FailWithErrno("cannot open the file", errno);
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0) FailWithErrno("cannot read the file's status", errno);
    if (!S_ISREG(status.st_mode)) throw std::runtime_error("it is not a regular file");
    const auto tooLarge = [limit] {
        return std::runtime_error("the file is larger than " + std::to_string(limit / (1024 * 1024)) +
                                  " MiB, far beyond any character; it was not read");
    };
    if (status.st_size < 0 || static_cast<std::size_t>(status.st_size) > limit) throw tooLarge();

    // The size is only a hint: the file may change while it is read.
    std::string contents;
    contents.resize(static_cast<std::size_t>(status.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == contents.size()) {
            if (contents.size() > limit) throw tooLarge();
            contents.resize(contents.size() * 2);
        }
        const ssize_t got = ::read(fd.Get(), contents.data() + used, contents.size() - used);
        if (got < 0) {
            if (errno == EINTR) continue;
            FailWithErrno("cannot read the file", errno);
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    if (used > limit) throw tooLarge();
    contents.resize(used);
    return contents;
}

void ReplaceFileSafely(const std::string& fileName, std::string_view contents) {
    namespace fs = std::filesystem;
    const fs::path target(fileName);
    if (!target.has_filename()) throw std::runtime_error("the file name names no file");
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";

    // A name of our own next to the target: same folder, so same file system,
    // so the rename below is atomic.
    static unsigned counter = 0;
    std::string temporary;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temporary = (folder / ("." + target.filename().string() + ".tmp-" +
                               std::to_string(::getpid()) + "-" + std::to_string(++counter)))
                        .string();
        raw = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) break;
    }
    if (raw < 0) FailWithErrno("cannot create a temporary file in " + folder.string(), errno);
    TFileDescriptor fd(raw);

    try {
        struct stat existing {};
        if (::stat(fileName.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
            (void)::fchmod(fd.Get(), existing.st_mode & 07777);
        WriteAll(fd.Get(), contents);
        if (::fsync(fd.Get()) != 0) FailWithErrno("cannot flush the temporary file to disk", errno);
        if (::close(fd.Release()) != 0) FailWithErrno("cannot close the temporary file", errno);
        if (::rename(temporary.c_str(), fileName.c_str()) != 0)
            FailWithErrno("cannot replace the file", errno);
    } catch (...) {
        ::unlink(temporary.c_str());
        throw;
    }

    // The new name is in place; make the folder entry durable too. Some file
    // systems cannot flush a folder, which is no failure of the save.
    TFileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0 && ::fsync(dir.Get()) != 0 && errno != EINVAL && errno != EROFS)
        FailWithErrno("the file was replaced, but its folder could not be flushed to disk", errno);
}

} // namespace halvane
