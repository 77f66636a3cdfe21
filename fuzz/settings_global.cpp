// The process-wide settings for the targets that run the core without its
// start-up (which needs the registry): the default signatures.
#include "app/app_settings.h"

TAppSettings AppSettings = [] {
    TAppSettings settings;
    settings.BeginSignature = "//Settings";
    settings.EndSignature = "//DatabaseEnd";
    return settings;
}();
