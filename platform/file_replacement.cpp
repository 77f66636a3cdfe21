#include "platform/file_replacement.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

constexpr std::size_t RandomPartLength = 8;

std::string RandomPart() {
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string part(RandomPartLength, ' ');
    for (char& c : part) {
        c = Letters[pick(random)];
    }
    return part;
}

// Copies the whole content of an open file into a new file at path.
bool CopyDescriptor(int from, const std::string& path, mode_t mode) {
    OutputFile copy;
    if (!copy.CreateNew(path, mode)) {
        return false;
    }
    char block[1 << 16];
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(from, block, sizeof block, offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0 && copy.Close();
        }
        if (!copy.Write(block, static_cast<std::size_t>(got))) {
            return false;
        }
        offset += got;
    }
}

void SyncFolderOf(const std::string& path) {
    const std::string folder = path.substr(0, path.rfind(PathSeparator) + 1);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileReplacement::~FileReplacement() {
    output_.Close();
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
    if (lockFd_ >= 0) {
        ::close(lockFd_);
    }
}

bool FileReplacement::LockTarget(const std::string& path, int lockWaitMs, Status& status) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(lockWaitMs);
    for (;;) {
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (!resolved) {
            error_ = errno;
            status = Status::CannotOpen;
            return false;
        }
        target_ = resolved;
        std::free(resolved);
        const int fd = ::open(target_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        struct stat opened {};
        if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            error_ = fd < 0 ? errno : S_ISDIR(opened.st_mode) ? EISDIR : EINVAL;
            if (fd >= 0) {
                ::close(fd);
            }
            status = Status::CannotOpen;
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            // Another replacement may have put a new file under the name while
            // this one waited: lock that one instead.
            struct stat named {};
            if (::stat(target_.c_str(), &named) == 0 && SameFile(named, opened)) {
                lockFd_ = fd;
                mode_ = opened.st_mode & 07777;
                owner_ = opened.st_uid;
                group_ = opened.st_gid;
                return true;
            }
            ::close(fd);
            continue;
        }
        ::close(fd);
        if (std::chrono::steady_clock::now() >= deadline) {
            status = Status::Busy;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

FileReplacement::Status FileReplacement::Begin(const std::string& path,
                                               const std::string& temporarySuffix,
                                               std::string& content, int lockWaitMs) {
    Status status = Status::Done;
    if (!LockTarget(path, lockWaitMs, status)) {
        return status;
    }
    if ((mode_ & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0) {
        return Status::ReadOnly;
    }
    errno = 0;
    if (!ReadWholeFile(target_, content)) {
        error_ = errno != 0 ? errno : EIO;
        return Status::CannotOpen;
    }
    RemoveStaleTemporaries(temporarySuffix);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = target_ + "." + RandomPart() + temporarySuffix;
        if (output_.CreateNew(name, mode_)) {
            temporary_ = name;
            KeepOwnership();
            return Status::Done;
        }
        if (output_.Error() != EEXIST) {
            break;
        }
    }
    error_ = output_.Error();
    return Status::CannotWrite;
}

void FileReplacement::RemoveStaleTemporaries(const std::string& temporarySuffix) const {
    // While the lock is held no other replacement writes one, so every
    // temporary file of this file's name is left over from one that was killed.
    const std::size_t nameStart = target_.rfind(PathSeparator) + 1;
    const std::string folder = target_.substr(0, nameStart);
    const std::string prefix = target_.substr(nameStart) + ".";
    std::vector<std::string> names;
    ListFolderNames(folder, names);
    for (const std::string& name : names) {
        if (name.size() == prefix.size() + RandomPartLength + temporarySuffix.size() &&
            name.compare(0, prefix.size(), prefix) == 0 &&
            name.compare(name.size() - temporarySuffix.size(), std::string::npos,
                         temporarySuffix) == 0) {
            ::unlink((folder + name).c_str());
        }
    }
}

bool FileReplacement::KeepOwnership() {
    // Keeping the owner needs privileges; the group alone often works. Without
    // either the new file keeps its creator's.
    const int fd = output_.Descriptor();
    return ::fchown(fd, owner_, group_) == 0 || ::fchown(fd, static_cast<uid_t>(-1), group_) == 0;
}

FileReplacement::Status FileReplacement::Commit(const std::string& previousSuffix) {
    if (temporary_.empty() || !output_.CloseSynced()) {
        error_ = output_.Error();
        return Status::CannotWrite;
    }
    // The old content under the second name while the rename runs; a stale
    // file of that name is replaced.
    const std::string previous = target_ + previousSuffix;
    ::unlink(previous.c_str());
    const bool kept =
        ::link(target_.c_str(), previous.c_str()) == 0 || CopyDescriptor(lockFd_, previous, mode_);
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
        error_ = errno;
        if (kept) {
            ::unlink(previous.c_str());
        }
        return Status::CannotWrite;
    }
    temporary_.clear();
    SyncFolderOf(target_);
    if (kept) {
        ::unlink(previous.c_str());
    }
    return Status::Done;
}
