#include "platform/registry.h"

#include "platform/ansi.h"

#include <QSettings>
#include <cstdlib>

namespace {

const char* const Organisation = "Brimlow";
const char* const Application = "Sitevane 5.1.0";

QString ToQt(const std::string& ansi) {
    return QString::fromUtf8(AnsiToUtf8(ansi));
}

std::unique_ptr<QSettings> OpenSettings(RegistryScope scope) {
    if (const char* folder = std::getenv("SITEVANE_REGISTRY_DIR"); folder && *folder) {
        const char* file = scope == RegistryScope::MachineWide ? "/machine.conf" : "/user.conf";
        return std::make_unique<QSettings>(QString::fromLocal8Bit(folder) + file,
                                           QSettings::IniFormat);
    }
    const auto qtScope =
        scope == RegistryScope::MachineWide ? QSettings::SystemScope : QSettings::UserScope;
    return std::make_unique<QSettings>(qtScope, Organisation, Application);
}

} // namespace

RegistryKey::RegistryKey(RegistryScope scope) : settings_(OpenSettings(scope)) {}

RegistryKey::~RegistryKey() = default;

bool RegistryKey::Contains(const std::string& name) const {
    return settings_->contains(ToQt(name));
}

std::string RegistryKey::ReadString(const std::string& name) const {
    return Utf8ToAnsi(settings_->value(ToQt(name)).toString().toStdString());
}

std::int32_t RegistryKey::ReadInteger(const std::string& name, std::int32_t fallback) const {
    bool ok = false;
    const int value = settings_->value(ToQt(name)).toInt(&ok);
    return ok ? value : fallback;
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
    settings_->setValue(ToQt(name), ToQt(value));
}

void RegistryKey::Remove(const std::string& name) {
    settings_->remove(ToQt(name));
}

void RegistryKey::WriteInteger(const std::string& name, std::int32_t value) {
    settings_->setValue(ToQt(name), value);
}

bool RegistryKey::Flush() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
