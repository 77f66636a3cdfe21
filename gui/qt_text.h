// Text crosses between the open engine's encoding and Qt's strings here.
#pragma once

#include <QString>
#include <string>

QString ToQt(const std::string& text);
std::string FromQt(const QString& text);

// Paths are the file system's own bytes, whatever the engine's text is.
QString PathToQt(const std::string& path);
std::string PathFromQt(const QString& path);

// A filter of the form "Description|patterns|Description|patterns" as Qt's
// file dialogs take it: "Description (pattern pattern);;...".
QString QtFilter(const char* filter);
