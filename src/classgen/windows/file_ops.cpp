#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "classgen/file_ops.h"

namespace embedgen {

namespace {

std::string systemMessage(DWORD error) {
  char text[512] = {};
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                      error, 0, text, sizeof text, nullptr);
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == '.')) {
    message.pop_back();
  }
  return message.empty() ? "system error " + std::to_string(error) : message;
}

}  // namespace

std::FILE* createNewFile(const std::string& path) {
  const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
  if (fd < 0) return nullptr;
  std::FILE* file = _fdopen(fd, "wb");
  if (file == nullptr) _close(fd);
  return file;
}

std::optional<std::string> replaceFile(const std::string& from, const std::string& to) {
  // A plain rename refuses to replace an existing file here.
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
    return systemMessage(GetLastError());
  }
  return std::nullopt;
}

bool isRegularFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
}

long processId() { return static_cast<long>(GetCurrentProcessId()); }

}  // namespace embedgen
