// The process-wide settings: folders and names from the registry stand-in,
// window placement, and the two options of set.xml.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

extern const char* const AppTitle;
extern const char* const ProductTitle;
extern const char* const ProgramVersion;
extern const char* const HomePageAddress;
extern const char* const DefaultExtensions;
constexpr std::int32_t DefaultIndexDepthLimit = 1024;
constexpr std::int32_t DefaultPdfTextTimeLimit = 5;

struct TAppSettings {
    std::string SetupDir; // ends with the separator
    std::string TemplatesPath;
    std::string ProjectsPath;
    // The person's own copies of set.xml, tags.xml and words.xml, and their own
    // templates; empty when the run has none (a program folder given to it).
    std::string UserSettingsPath;
    std::string UserTemplatesPath;
    std::string DefEngineName;
    std::string BeginSignature;
    std::string EndSignature;
    std::int32_t X0 = 0;
    std::int32_t Y0 = 0;
    std::int32_t DX = 640;
    std::int32_t DY = 400;
    bool Maximize = false;
    // The per-user key held a window placement when the program started.
    bool PlacementStored = false;
    // The engine files opened last, the newest first.
    std::vector<std::string> RecentFiles;
    std::string EditorProgram;
    std::string Extensions; // the comma-separated text of set.xml
    std::vector<std::string> ExtensionList;
    std::int32_t IndexDepthLimit = DefaultIndexDepthLimit; // bytes
    // Seconds that reading one PDF's text may take; 0 or less: no limit.
    std::int32_t PdfTextTimeLimit = DefaultPdfTextTimeLimit;
};

extern TAppSettings AppSettings;

// Reads the registry stand-in, writing the defaults on first run. A machine-wide
// key that cannot be written leaves the defaults in memory for this run.
void ReadRegistrySettings();
// Writes the defaults of both keys, the program folder being the executable's;
// false when the machine-wide key could not be written.
bool WriteDefaultSettings();
// Writes the window placement and the recent files into the per-user key.
void SaveUserSettings();
void SaveRecentFiles();
// Puts path first among the recent files, once, keeping MaxRecentFiles.
void AddRecentFile(const std::string& path);
constexpr std::size_t MaxRecentFiles = 8;

// The folder of the program's own files: the executable's in a build tree,
// PREFIX/share/sitevane/ for a program installed in PREFIX/bin.
std::string ProgramFolder();

// Sets the machine-wide values to their defaults for a program kept in setupDir.
void ApplyDefaultFolders(TAppSettings& settings, const std::string& setupDir);

// The settings file of that name (set.xml, tags.xml, words.xml) to read: the
// person's own copy when there is one, else the program's.
std::string SettingsFilePath(const std::string& name);
// The person's own copy of that settings file, made from the program's when it
// is missing, for editing; the program's file when the run has no own copies.
std::string EditableSettingsFile(const std::string& name);

// Reads Extensions, IndexDepthLimit and PdfTextTimeLimit from set.xml (the
// person's own copy when there is one, else SetupDir's).
// A limit that is not a whole number (of kilobytes fitting the 32-bit byte
// count, or of seconds) is ignored.
void LoadSetXml();
// Splits the Extensions text into items of letters and digits.
void SplitExtensionList();
