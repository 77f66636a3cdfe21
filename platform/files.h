// File-system access of the core: paths are byte strings, "/" separates folders.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr char PathSeparator = '/';

// The largest file a reader takes: positions in a file are signed 32-bit.
constexpr std::uint64_t MaxReadableFileSize = 0x7FFFFFFF;

// Reads a whole regular file; false (data empty) when it is missing, not a
// regular file, larger than MaxReadableFileSize (refused before any byte is
// read) or unreadable.
bool ReadWholeFile(const std::string& path, std::string& data);
bool WriteWholeFile(const std::string& path, const std::string& data);

// A file being written, with its bytes gathered in memory and written in large
// blocks. Every write after a failed one fails too, so that a caller can check
// once, at Close.
class OutputFile {
  public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Creates the file, replacing one of that name.
    bool Create(const std::string& path);
    // Creates a file that does not exist yet, never through a symbolic link,
    // with exactly the given permission bits.
    bool CreateNew(const std::string& path, unsigned mode);
    int Descriptor() const { return fd_; }
    bool Write(const char* data, std::size_t size);
    bool Write(const std::string& text) { return Write(text.data(), text.size()); }
    // Writes what is gathered and closes; true when every byte reached the file.
    bool Close();
    // The same, once the bytes are on the disk itself.
    bool CloseSynced();
    // The system's error number of the first step that failed; 0 when none did.
    int Error() const { return error_; }

  private:
    bool Flush();
    bool Finish(bool sync);

    // Notes a failed step, keeping the first failure's error number.
    bool Fail();

    int fd_ = -1;
    bool failed_ = false;
    int error_ = 0;
    std::string pending_;
};

bool FileExists(const std::string& path);
// A regular file (not a pipe or device) of at most MaxReadableFileSize bytes.
bool IsReadableFile(const std::string& path);
bool FolderExists(const std::string& path);
// Creates the folder and any missing parents.
bool CreateFolders(const std::string& path);
// Fails when the target exists already.
bool RenameFile(const std::string& from, const std::string& to);
bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
bool DeleteFile(const std::string& path);

struct FolderEntry {
    std::string Name;
    bool IsFolder = false;
    bool IsFile = false;   // a regular file (not a device, pipe or socket)
    bool IsHidden = false; // the name starts with "."
    std::uint64_t Size = 0;
};

// What identifies a folder on this machine whatever the path to it (device
// and inode), so that a walk can tell a folder it is already inside.
struct FolderIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    bool operator==(const FolderIdentity& other) const {
        return Device == other.Device && Inode == other.Inode;
    }
};
bool IdentifyFolder(const std::string& path, FolderIdentity& identity);

// What tells whether a file changed since it was last looked at: its inode,
// size and modification time; all zero for a file that is not there.
struct FileStamp {
    std::uint64_t Inode = 0;
    std::uint64_t Size = 0;
    std::int64_t ModifiedNanoseconds = 0;
    bool operator==(const FileStamp& other) const {
        return Inode == other.Inode && Size == other.Size &&
               ModifiedNanoseconds == other.ModifiedNanoseconds;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};
FileStamp StampOf(const std::string& path);

// The entries of a folder, "." and ".." left out, in the order the file system
// returns them. False when the folder cannot be read.
bool ListFolder(const std::string& path, std::vector<FolderEntry>& entries);
// The same, names alone: no entry is looked at.
bool ListFolderNames(const std::string& path, std::vector<std::string>& names);

// The folder for temporary files, with a trailing separator: $TMPDIR, else /tmp.
std::string TempFolder();

// The folder of the running executable, with a trailing separator.
std::string ExecutableFolder();

std::string WithTrailingSeparator(std::string path);
