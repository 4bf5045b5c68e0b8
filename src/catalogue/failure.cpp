#include "catalogue/failure.h"

#include <cstring>

namespace embedgen {

std::string errorText(int errorNumber) { return std::strerror(errorNumber); }

}  // namespace embedgen
