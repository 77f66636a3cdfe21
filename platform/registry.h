// The registry stand-in: one machine-wide and one per-user key of the program,
// kept by QSettings (the real registry on Windows, configuration files elsewhere).
// When SITEVANE_REGISTRY_DIR is set, both keys live in that folder instead
// (machine.conf and user.conf), which is how tests relocate them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class QSettings;

enum class RegistryScope { MachineWide, PerUser };

class RegistryKey {
  public:
    explicit RegistryKey(RegistryScope scope);
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    bool Contains(const std::string& name) const;
    // A missing value reads as the empty text.
    std::string ReadString(const std::string& name) const;
    // A missing or non-numeric value reads as fallback.
    std::int32_t ReadInteger(const std::string& name, std::int32_t fallback) const;
    void WriteString(const std::string& name, const std::string& value);
    void WriteInteger(const std::string& name, std::int32_t value);
    void Remove(const std::string& name);
    // Stores what was written; false when the key cannot be written.
    bool Flush();

  private:
    std::unique_ptr<QSettings> settings_;
};
