// printf into a std::string: the texts the program shows are built this way, with the
// printf formats they have always had.
#pragma once

#include <string>

namespace finplan {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

} // namespace finplan
