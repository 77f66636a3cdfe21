// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder's path with a trailing "/".
    const std::string& Path() const { return path_; }
    // Writes a file below the folder (creating its folders) and returns its path.
    std::string Write(const std::string& name, const std::string& content) const;

  private:
    std::string path_;
};

// The whole content of a file, or "<missing>" when it cannot be read.
std::string FileContent(const std::string& path);

// Sets an environment variable for the lifetime of the object, then restores it.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::string& value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    std::string name_;
    bool hadValue_;
    std::string oldValue_;
};

// Moves the registry stand-in, and the person's configuration and data folders
// (config/ and data/ below it), into a folder of its own for the object's
// lifetime.
class RelocatedRegistry {
  public:
    RelocatedRegistry()
        : environment_("SITEVANE_REGISTRY_DIR", folder_.Path()),
          config_("XDG_CONFIG_HOME", folder_.Path() + "config"),
          data_("XDG_DATA_HOME", folder_.Path() + "data") {}
    const std::string& Path() const { return folder_.Path(); }

  private:
    ScratchFolder folder_;
    ScopedEnvironment environment_;
    ScopedEnvironment config_;
    ScopedEnvironment data_;
};
