#include "platform/user_folders.h"

#include "platform/files.h"

#include <QFile>
#include <QStandardPaths>

namespace {

std::string Location(QStandardPaths::StandardLocation location, const char* subfolder) {
    const QString folder = QStandardPaths::writableLocation(location) + subfolder;
    return WithTrailingSeparator(QFile::encodeName(folder).toStdString());
}

} // namespace

std::string UserConfigFolder() {
    return Location(QStandardPaths::GenericConfigLocation, "/sitevane");
}

std::string UserDataFolder() {
    return Location(QStandardPaths::GenericDataLocation, "/sitevane");
}

std::string UserDocumentsFolder() {
    return Location(QStandardPaths::DocumentsLocation, "");
}
