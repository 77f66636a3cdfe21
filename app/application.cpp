#include "app/application.h"

#include "app/app_settings.h"
#include "app/documents.h"
#include "platform/user_folders.h"

std::unique_ptr<TCat> Cat;
std::unique_ptr<TBase> Base;
std::string EngineFileName;

void InitApplication(const std::string& setupDir) {
    AppSettings = TAppSettings();
    if (setupDir.empty()) {
        ReadRegistrySettings();
        AppSettings.UserSettingsPath = UserConfigFolder();
        AppSettings.UserTemplatesPath = UserDataFolder() + "Templates/";
    } else {
        ApplyDefaultFolders(AppSettings, setupDir);
    }
    EngineFileName = AppSettings.ProjectsPath + AppSettings.DefEngineName;
    AppSettings.EditorProgram = FindEditorProgram();
    Cat = std::make_unique<TCat>();
    Base = std::make_unique<TBase>();
    AppSettings.Extensions = DefaultExtensions;
    LoadSetXml();
    SplitExtensionList();
}

void DoneApplication() {
    SaveUserSettings();
    Base.reset();
    Cat.reset();
}
