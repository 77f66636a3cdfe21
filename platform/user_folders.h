// The folders of the person running the program (XDG base directories), each
// ending with the separator: where their own settings, templates and projects
// live, since an installed program folder is read-only.
#pragma once

#include <string>

// $XDG_CONFIG_HOME/sitevane/ (by default ~/.config/sitevane/).
std::string UserConfigFolder();
// $XDG_DATA_HOME/sitevane/ (by default ~/.local/share/sitevane/).
std::string UserDataFolder();
// The documents folder of xdg-user-dirs (by default ~/Documents/).
std::string UserDocumentsFolder();
