// The process-wide settings: folders and names from the registry stand-in,
// window placement, and the two options of set.xml.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

extern const char* const AppTitle;
extern const char* const ProductTitle;
extern const char* const HomePageAddress;
extern const char* const DefaultExtensions;
constexpr std::int32_t DefaultIndexDepthLimit = 1024;
constexpr std::int32_t DefaultPdfTextTimeLimit = 5;

struct TAppSettings {
    std::string SetupDir; // ends with the separator
    std::string TemplatesPath;
    std::string ProjectsPath;
    std::string DefEngineName;
    std::string BeginSignature;
    std::string EndSignature;
    std::int32_t X0 = 0;
    std::int32_t Y0 = 0;
    std::int32_t DX = 640;
    std::int32_t DY = 400;
    bool Maximize = false;
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
void SaveWindowPlacement();

// Sets the machine-wide values to their defaults for a program kept in setupDir.
void ApplyDefaultFolders(TAppSettings& settings, const std::string& setupDir);

// Reads Extensions, IndexDepthLimit and PdfTextTimeLimit from SetupDir/set.xml.
// A limit that is not a whole number (of kilobytes fitting the 32-bit byte
// count, or of seconds) is ignored.
void LoadSetXml();
// Splits the Extensions text into items of letters and digits.
void SplitExtensionList();
