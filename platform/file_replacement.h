// Replaces the content of an existing file so that its name always names a
// complete file, the old one or the new one, whatever happens in between.
#pragma once

#include "platform/files.h"

#include <string>
#include <sys/types.h>
#include <vector>

// One replacement: Begin locks the file against other replacements and reads
// it, Output takes the new content, Commit puts it in place. A replacement that
// is not committed leaves the file as it was and removes what it created.
class FileReplacement {
  public:
    enum class Status { Done, CannotOpen, ReadOnly, Busy, CannotWrite };

    FileReplacement() = default;
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Follows symbolic links to the file itself, waits up to lockWaitMs for
    // another replacement of it to end, reads its content and creates the
    // temporary file beside it: path + a unique part + temporarySuffix.
    Status Begin(const std::string& path, const std::string& temporarySuffix, std::string& content,
                 int lockWaitMs = 10000);
    OutputFile& Output() { return output_; }
    // Writes the new content to disk, keeps the old one as the file's name +
    // previousSuffix while
    // the one rename replaces the file, and removes it afterwards. The file's
    // mode, owner and group stay.
    Status Commit(const std::string& previousSuffix);

    // The file being replaced, symbolic links followed.
    const std::string& Target() const { return target_; }
    // The system's error number of the step that failed (CannotOpen,
    // CannotWrite); 0 when none did.
    int Error() const { return error_; }

  private:
    bool LockTarget(const std::string& path, int lockWaitMs, Status& status);
    void RemoveStaleTemporaries(const std::string& temporarySuffix) const;
    bool KeepOwnership();

    std::string target_;
    std::string temporary_;
    int error_ = 0;
    int lockFd_ = -1;
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    OutputFile output_;
};
