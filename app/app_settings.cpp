#include "app/app_settings.h"

#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "platform/registry.h"
#include "platform/user_folders.h"
#include "readers/settings_items.h"

#include <algorithm>
#include <limits>

const char* const AppTitle = "Sitevane";
const char* const ProductTitle = "Brimlow Sitevane";
const char* const ProgramVersion = SITEVANE_VERSION;
const char* const HomePageAddress = "https://sitevane.org/";
const char* const DefaultExtensions =
    "html, htm, shtml, phtml, php, asp, jsp, txt, asc, pdf, rtf, mp3, m3u";

TAppSettings AppSettings;

namespace {

const char* const MachineMarker = "SetupDir";
// The program folder whose defaults the machine-wide key holds: a key that
// another copy of the program (a build tree, another prefix) wrote on its first
// start describes that copy, not this one.
const char* const DefaultsMarker = "DefaultsOf";

void WriteWindowPlacement(RegistryKey& key, const TAppSettings& placement) {
    key.WriteInteger("X0", placement.X0);
    key.WriteInteger("Y0", placement.Y0);
    key.WriteInteger("DX", placement.DX);
    key.WriteInteger("DY", placement.DY);
    key.WriteInteger("Maximize", placement.Maximize ? 1 : 0);
}

// The per-user value of the recent file at index, "Recent1" for the newest.
std::string RecentFileName(std::size_t index) {
    return "Recent" + std::to_string(index + 1);
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string()
                                      : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void ApplyIndexDepthLimit(const std::string& value) {
    std::int32_t kilobytes = 0;
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max() / 1024;
    if (TryStrToInt(Trimmed(value), kilobytes) && kilobytes <= largest && kilobytes >= -largest) {
        AppSettings.IndexDepthLimit = kilobytes * 1024;
    }
}

} // namespace

std::string ProgramFolder() {
    const std::string executableFolder = ExecutableFolder();
    if (FileExists(executableFolder + "set.xml")) {
        return executableFolder;
    }
    const std::string withoutSeparator = executableFolder.substr(0, executableFolder.size() - 1);
    const std::string installed =
        withoutSeparator.substr(0, withoutSeparator.rfind(PathSeparator) + 1) + "share/sitevane/";
    return FolderExists(installed) ? installed : executableFolder;
}

void ApplyDefaultFolders(TAppSettings& settings, const std::string& setupDir) {
    settings.SetupDir = WithTrailingSeparator(setupDir);
    settings.TemplatesPath = settings.SetupDir + "Templates" + PathSeparator;
    settings.ProjectsPath = UserDocumentsFolder();
    settings.DefEngineName = "svxdb.js";
    settings.BeginSignature = "//Settings";
    settings.EndSignature = "//DatabaseEnd";
}

bool WriteDefaultSettings() {
    TAppSettings defaults;
    ApplyDefaultFolders(defaults, ProgramFolder());

    RegistryKey machine(RegistryScope::MachineWide);
    machine.WriteString(DefaultsMarker, defaults.SetupDir);
    machine.WriteString("SetupDir", defaults.SetupDir);
    machine.WriteString("TemplatesPath", defaults.TemplatesPath);
    machine.WriteString("ProjectsPath", defaults.ProjectsPath);
    machine.WriteString("DefEngineName", defaults.DefEngineName);
    machine.WriteString("BeginSignature", defaults.BeginSignature);
    machine.WriteString("EndSignature", defaults.EndSignature);
    const bool machineWritten = machine.Flush();

    RegistryKey user(RegistryScope::PerUser);
    WriteWindowPlacement(user, defaults);
    user.Flush();
    return machineWritten;
}

void ReadRegistrySettings() {
    AppSettings.PlacementStored = RegistryKey(RegistryScope::PerUser).Contains("DX");
    const std::string programFolder = ProgramFolder();
    const bool stored =
        RegistryKey(RegistryScope::MachineWide).Contains(MachineMarker) || WriteDefaultSettings();
    const RegistryKey machine(RegistryScope::MachineWide);
    const bool anotherCopysDefaults =
        machine.Contains(DefaultsMarker) && machine.ReadString(DefaultsMarker) != programFolder;
    if (stored && !anotherCopysDefaults) {
        AppSettings.SetupDir = machine.ReadString("SetupDir");
        AppSettings.TemplatesPath = machine.ReadString("TemplatesPath");
        AppSettings.ProjectsPath = machine.ReadString("ProjectsPath");
        AppSettings.DefEngineName = machine.ReadString("DefEngineName");
        AppSettings.BeginSignature = machine.ReadString("BeginSignature");
        AppSettings.EndSignature = machine.ReadString("EndSignature");
    } else {
        ApplyDefaultFolders(AppSettings, programFolder);
    }

    const TAppSettings defaults;
    RegistryKey user(RegistryScope::PerUser);
    AppSettings.X0 = user.ReadInteger("X0", defaults.X0);
    AppSettings.Y0 = user.ReadInteger("Y0", defaults.Y0);
    AppSettings.DX = user.ReadInteger("DX", defaults.DX);
    AppSettings.DY = user.ReadInteger("DY", defaults.DY);
    AppSettings.Maximize = user.ReadInteger("Maximize", 0) != 0;
    AppSettings.RecentFiles.clear();
    for (std::size_t i = 0; i < MaxRecentFiles; ++i) {
        const std::string file = user.ReadString(RecentFileName(i));
        if (!file.empty()) {
            AppSettings.RecentFiles.push_back(file);
        }
    }
}

void SaveUserSettings() {
    RegistryKey user(RegistryScope::PerUser);
    WriteWindowPlacement(user, AppSettings);
    user.Flush();
    SaveRecentFiles();
}

void SaveRecentFiles() {
    RegistryKey user(RegistryScope::PerUser);
    const std::vector<std::string>& files = AppSettings.RecentFiles;
    for (std::size_t i = 0; i < MaxRecentFiles; ++i) {
        if (i < files.size()) {
            user.WriteString(RecentFileName(i), files[i]);
        } else {
            user.Remove(RecentFileName(i));
        }
    }
    user.Flush();
}

void AddRecentFile(const std::string& path) {
    std::vector<std::string>& files = AppSettings.RecentFiles;
    files.erase(std::remove(files.begin(), files.end(), path), files.end());
    files.insert(files.begin(), path);
    if (files.size() > MaxRecentFiles) {
        files.resize(MaxRecentFiles);
    }
}

std::string SettingsFilePath(const std::string& name) {
    const std::string own = AppSettings.UserSettingsPath + name;
    return !AppSettings.UserSettingsPath.empty() && FileExists(own) ? own
                                                                    : AppSettings.SetupDir + name;
}

std::string EditableSettingsFile(const std::string& name) {
    const std::string program = AppSettings.SetupDir + name;
    if (AppSettings.UserSettingsPath.empty()) {
        return program;
    }
    const std::string own = AppSettings.UserSettingsPath + name;
    const bool ready = FileExists(own) || (CreateFolders(AppSettings.UserSettingsPath) &&
                                           CopyFile(program, own, true));
    return ready ? own : program;
}

void LoadSetXml() {
    AppSettings.IndexDepthLimit = DefaultIndexDepthLimit;
    AppSettings.PdfTextTimeLimit = DefaultPdfTextTimeLimit;
    ReadSettingsFile(SettingsFilePath("set.xml"), "settings", "value", TValueMode::Text,
                     [](const std::string& name, const std::string& value) {
                         if (name == "Extensions") {
                             AppSettings.Extensions = value;
                         } else if (name == "IndexDepthLimit") {
                             ApplyIndexDepthLimit(value);
                         } else if (name == "PdfTextTimeLimit") {
                             TryStrToInt(Trimmed(value), AppSettings.PdfTextTimeLimit);
                         }
                     });
}

void SplitExtensionList() {
    AppSettings.ExtensionList.clear();
    std::string item;
    for (const char c : AppSettings.Extensions + ' ') {
        const auto byte = static_cast<unsigned char>(c);
        if (IsAnsiLetter(byte) || (byte >= '0' && byte <= '9')) {
            item += c;
        } else if (!item.empty()) {
            AppSettings.ExtensionList.push_back(item);
            item.clear();
        }
    }
}
