#include "app/template_folders.h"

#include "app/app_settings.h"
#include "platform/files.h"

#include <algorithm>

namespace {

std::vector<std::string> SortedTemplates(const std::string& folder) {
    std::vector<std::string> names;
    if (folder.empty()) {
        return names;
    }
    std::vector<FolderEntry> entries;
    ListFolder(folder, entries);
    for (const FolderEntry& entry : entries) {
        if (entry.IsFolder) {
            names.push_back(entry.Name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::string TemplateFolder(const std::string& name) {
    const std::string own = AppSettings.UserTemplatesPath + name;
    if (!AppSettings.UserTemplatesPath.empty() && FolderExists(own)) {
        return own + PathSeparator;
    }
    return AppSettings.TemplatesPath + name + PathSeparator;
}

std::vector<std::string> TemplateNames() {
    std::vector<std::string> names = SortedTemplates(AppSettings.UserTemplatesPath);
    const std::size_t ownCount = names.size();
    for (const std::string& name : SortedTemplates(AppSettings.TemplatesPath)) {
        if (std::find(names.begin(), names.begin() + ownCount, name) == names.begin() + ownCount) {
            names.push_back(name);
        }
    }
    return names;
}

std::string SavedTemplateFolder(const std::string& name) {
    const std::string& root = AppSettings.UserTemplatesPath.empty() ? AppSettings.TemplatesPath
                                                                    : AppSettings.UserTemplatesPath;
    return root + name;
}
