#include <cstdio>

#include "driver/driver.h"

int main() {
  // The trace runs to three lines per folder entry: hand it to the system in
  // large blocks whether standard output is a terminal, a pipe or a file.
  static char traceBuffer[1 << 16];
  std::setvbuf(stdout, traceBuffer, _IOFBF, sizeof traceBuffer);
  const int status = embedgen::runGenerator();
  std::fflush(stdout);
  return status;
}
