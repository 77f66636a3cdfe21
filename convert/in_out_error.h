// The input/output error of the converters: a file that cannot be read or
// written, named with the system's reason.
#pragma once

#include <stdexcept>
#include <string>

class InOutError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Raises InOutError for path with the text of errno, for instance
// "Cannot open file /a/b.rtf: No such file or directory".
[[noreturn]] void ThrowInOutError(const std::string& action, const std::string& path);
