#include "app/app_settings.h"

#include "platform/ansi.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "platform/registry.h"
#include "readers/settings_items.h"

#include <limits>

const char* const AppTitle = "Sitevane";
const char* const ProductTitle = "Brimlow Sitevane";
const char* const HomePageAddress = "https://sitevane.org/";
const char* const DefaultExtensions =
    "html, htm, shtml, phtml, php, asp, jsp, txt, asc, pdf, rtf, mp3, m3u";

TAppSettings AppSettings;

namespace {

const char* const MachineMarker = "SetupDir";

void WriteWindowPlacement(RegistryKey& key, const TAppSettings& placement) {
    key.WriteInteger("X0", placement.X0);
    key.WriteInteger("Y0", placement.Y0);
    key.WriteInteger("DX", placement.DX);
    key.WriteInteger("DY", placement.DY);
    key.WriteInteger("Maximize", placement.Maximize ? 1 : 0);
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

void ApplyDefaultFolders(TAppSettings& settings, const std::string& setupDir) {
    settings.SetupDir = WithTrailingSeparator(setupDir);
    settings.TemplatesPath = settings.SetupDir + "Templates" + PathSeparator;
    settings.ProjectsPath = settings.SetupDir + "Projects" + PathSeparator;
    settings.DefEngineName = "svxdb.js";
    settings.BeginSignature = "//Settings";
    settings.EndSignature = "//DatabaseEnd";
}

bool WriteDefaultSettings() {
    TAppSettings defaults;
    ApplyDefaultFolders(defaults, ExecutableFolder());

    RegistryKey machine(RegistryScope::MachineWide);
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
    const bool stored =
        RegistryKey(RegistryScope::MachineWide).Contains(MachineMarker) || WriteDefaultSettings();
    if (stored) {
        const RegistryKey machine(RegistryScope::MachineWide);
        AppSettings.SetupDir = machine.ReadString("SetupDir");
        AppSettings.TemplatesPath = machine.ReadString("TemplatesPath");
        AppSettings.ProjectsPath = machine.ReadString("ProjectsPath");
        AppSettings.DefEngineName = machine.ReadString("DefEngineName");
        AppSettings.BeginSignature = machine.ReadString("BeginSignature");
        AppSettings.EndSignature = machine.ReadString("EndSignature");
    } else {
        ApplyDefaultFolders(AppSettings, ExecutableFolder());
    }

    const TAppSettings defaults;
    RegistryKey user(RegistryScope::PerUser);
    AppSettings.X0 = user.ReadInteger("X0", defaults.X0);
    AppSettings.Y0 = user.ReadInteger("Y0", defaults.Y0);
    AppSettings.DX = user.ReadInteger("DX", defaults.DX);
    AppSettings.DY = user.ReadInteger("DY", defaults.DY);
    AppSettings.Maximize = user.ReadInteger("Maximize", 0) != 0;
}

void SaveWindowPlacement() {
    RegistryKey user(RegistryScope::PerUser);
    WriteWindowPlacement(user, AppSettings);
    user.Flush();
}

void LoadSetXml() {
    AppSettings.IndexDepthLimit = DefaultIndexDepthLimit;
    AppSettings.PdfTextTimeLimit = DefaultPdfTextTimeLimit;
    ReadSettingsFile(AppSettings.SetupDir + "set.xml", "settings", "value", TValueMode::Text,
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
