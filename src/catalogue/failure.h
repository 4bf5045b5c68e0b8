#pragma once

#include <string>

namespace embedgen {

// A problem that ends the run. The driver prints it as
// "embedgen: error: <what>: <why>".
struct Failure {
  std::string what;
  std::string why;
};

// The system's text for an error number.
std::string errorText(int errorNumber);

}  // namespace embedgen
