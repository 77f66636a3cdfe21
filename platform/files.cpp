#include "platform/files.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool StatPath(const std::string& path, struct stat& info) {
    return ::stat(path.c_str(), &info) == 0;
}

// Writes all of data to an open descriptor, retrying short writes.
bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& data) {
    data.clear();
    // Non-blocking, so that opening a FIFO does not wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
              static_cast<std::uint64_t>(info.st_size) <= MaxReadableFileSize;
    if (ok) {
        data.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (ok && done < data.size()) {
            const ssize_t got = ::read(fd, data.data() + done, data.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            ok = got > 0;
            done += ok ? static_cast<std::size_t>(got) : 0;
        }
    }
    ::close(fd);
    if (!ok) {
        data.clear();
    }
    return ok;
}

OutputFile::~OutputFile() {
    Close();
}

bool OutputFile::Fail() {
    if (!failed_) {
        error_ = errno;
    }
    failed_ = true;
    return false;
}

bool OutputFile::Create(const std::string& path) {
    Close();
    failed_ = false;
    error_ = 0;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return fd_ >= 0 || Fail();
}

bool OutputFile::CreateNew(const std::string& path, unsigned mode) {
    Close();
    failed_ = false;
    error_ = 0;
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    return (fd_ >= 0 && ::fchmod(fd_, static_cast<mode_t>(mode)) == 0) || Fail();
}

bool OutputFile::Write(const char* data, std::size_t size) {
    constexpr std::size_t BlockSize = 1 << 16;
    if (failed_ || fd_ < 0) {
        return false;
    }
    pending_.append(data, size);
    return pending_.size() < BlockSize || Flush();
}

bool OutputFile::Flush() {
    if (!failed_ && !WriteAll(fd_, pending_.data(), pending_.size())) {
        Fail();
    }
    pending_.clear();
    return !failed_;
}

bool OutputFile::Close() {
    return Finish(false);
}

bool OutputFile::CloseSynced() {
    return Finish(true);
}

bool OutputFile::Finish(bool sync) {
    if (fd_ < 0) {
        return false;
    }
    const bool written = Flush() && (!sync || ::fsync(fd_) == 0 || Fail());
    const bool closed = ::close(fd_) == 0 || Fail();
    fd_ = -1;
    return written && closed;
}

bool WriteWholeFile(const std::string& path, const std::string& data) {
    OutputFile file;
    return file.Create(path) && file.Write(data) && file.Close();
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return StatPath(path, info) && !S_ISDIR(info.st_mode);
}

bool IsReadableFile(const std::string& path) {
    struct stat info {};
    return StatPath(path, info) && S_ISREG(info.st_mode) &&
           static_cast<std::uint64_t>(info.st_size) <= MaxReadableFileSize;
}

bool FolderExists(const std::string& path) {
    struct stat info {};
    return StatPath(path, info) && S_ISDIR(info.st_mode);
}

bool CreateFolders(const std::string& path) {
    std::error_code error;
    fs::create_directories(path, error);
    return FolderExists(path);
}

bool RenameFile(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
        return false;
    }
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool CopyFile(const std::string& from, const std::string& to, bool failIfExists) {
    std::error_code error;
    const auto options =
        failIfExists ? fs::copy_options::none : fs::copy_options::overwrite_existing;
    return fs::copy_file(from, to, options, error) && !error;
}

bool DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

namespace {

// Calls visit(folderFd, name) for each entry of the folder but "." and "..",
// in the order the file system returns them. False when the folder cannot be
// read.
template <typename Visit> bool VisitFolder(const std::string& path, Visit visit) {
    DIR* folder = ::opendir(path.c_str());
    if (!folder) {
        return false;
    }
    const int folderFd = ::dirfd(folder);
    while (const dirent* item = ::readdir(folder)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..") {
            visit(folderFd, name);
        }
    }
    ::closedir(folder);
    return true;
}

} // namespace

bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries) {
    entries.clear();
    return VisitFolder(path, [&entries](int folderFd, const std::string& name) {
        FolderEntry entry;
        entry.Name = name;
        entry.IsHidden = name[0] == '.';
        // Looked up in the open folder, not by its whole path again.
        struct stat info {};
        if (::fstatat(folderFd, name.c_str(), &info, 0) == 0) {
            entry.IsFolder = S_ISDIR(info.st_mode);
            entry.IsFile = S_ISREG(info.st_mode);
            entry.Size = S_ISREG(info.st_mode) ? static_cast<std::uint64_t>(info.st_size) : 0;
        }
        entries.push_back(std::move(entry));
    });
}

bool ListFolderNames(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    return VisitFolder(path, [&names](int, const std::string& name) { names.push_back(name); });
}

bool IdentifyFolder(const std::string& path, FolderIdentity& identity) {
    struct stat info {};
    if (!StatPath(path, info) || !S_ISDIR(info.st_mode)) {
        return false;
    }
    identity.Device = static_cast<std::uint64_t>(info.st_dev);
    identity.Inode = static_cast<std::uint64_t>(info.st_ino);
    return true;
}

FileStamp StampOf(const std::string& path) {
    struct stat info {};
    FileStamp stamp;
    if (StatPath(path, info)) {
        stamp.Inode = static_cast<std::uint64_t>(info.st_ino);
        stamp.Size = static_cast<std::uint64_t>(info.st_size);
        stamp.ModifiedNanoseconds =
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    }
    return stamp;
}

std::string TempFolder() {
    const char* folder = std::getenv("TMPDIR");
    return WithTrailingSeparator(folder && *folder ? folder : "/tmp");
}

std::string ExecutableFolder() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    return WithTrailingSeparator(error ? fs::current_path().string()
                                       : executable.parent_path().string());
}

std::string WithTrailingSeparator(std::string path) {
    if (path.empty() || path.back() != PathSeparator) {
        path += PathSeparator;
    }
    return path;
}
