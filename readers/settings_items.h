// Reading the items of a settings file (set.xml, tags.xml, words.xml): after the
// root's start tag, every start tag is an item whose first attribute holds its
// value, as in <IndexDepthLimit value="64"/>.
#pragma once

#include "readers/file_buffer.h"

#include <functional>
#include <string>

// Finds the next start tag whose name, lower-cased, equals name (given in lower
// case); the position then stands just after the name.
bool FindElement(TFileBuffer& buffer, const std::string& name);

// Passes the next ">" or "/>"; false at the end of the data.
bool SkipTagEnd(TFileBuffer& buffer);

// Text mode keeps the text of every token of the value; numeric mode only
// numbers and minus signs, so that letters and spaces drop out.
enum class TValueMode { Text, Numeric };

enum class TItemValue { Found, OtherAttribute, EndOfData };

// Reads the value of the item whose name was just read: its first attribute must
// be named attribute (case matters), the value stands between double quotes.
TItemValue ReadItemValue(TFileBuffer& buffer, const std::string& attribute, TValueMode mode,
                         std::string& value);

using TItemHandler = std::function<void(const std::string& name, const std::string& value)>;

// The item loop: hands every item with a value to handle, in file order, until
// the end of the data. Call it after FindElement found the root.
void ReadItems(TFileBuffer& buffer, const std::string& attribute, TValueMode mode,
               const TItemHandler& handle);

// Opens path, finds the root element and runs the item loop; false when the file
// cannot be read (the handler is then never called).
bool ReadSettingsFile(const std::string& path, const std::string& root,
                      const std::string& attribute, TValueMode mode, const TItemHandler& handle);
