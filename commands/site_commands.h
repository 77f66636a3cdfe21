// The progress window's side of a scan: whether it may close.
#pragma once

extern const char* const SiteFolderPrompt;
extern const char* const PageNotFoundMessage; // "%s" stands for the link's URL

// A request to close the progress window: granted once a stop was requested;
// otherwise it requests the stop and is refused.
bool ProgressMayClose();
