#include "convert/in_out_error.h"

#include <cerrno>
#include <cstring>

void ThrowInOutError(const std::string& action, const std::string& path) {
    throw InOutError(action + " " + path + ": " + std::strerror(errno));
}
