#include <cerrno>
#include <cstring>

#include "classgen/classgen.h"
#include "classgen/file_ops.h"

namespace embedgen {

namespace {

// The class file is a text file: on Windows its lines end in CR LF. We
// translate ourselves so that the bytes compared are the bytes written.
std::string_view fileBytes(std::string_view text, std::string& scratch) {
#ifdef _WIN32
  scratch.clear();
  for (char c : text) {
    if (c == '\n') scratch += '\r';
    scratch += c;
  }
  return scratch;
#else
  (void)scratch;
  return text;
#endif
}

// True when the file at path holds exactly the class text already.
bool holdsText(const std::string& path, const AssetCatalogue& catalogue, const ClassNames& names) {
  if (!isRegularFile(path)) return false;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return false;
  std::string scratch;
  std::string read;
  const bool same = emitClassText(catalogue, names, [&](std::string_view text) {
    const std::string_view expected = fileBytes(text, scratch);
    read.resize(expected.size());
    return std::fread(read.data(), 1, read.size(), file) == read.size() && read == expected;
  });
  const bool atEnd = same && std::fgetc(file) == EOF && std::ferror(file) == 0;
  std::fclose(file);
  return atEnd;
}

// Creates a fresh file beside outputPath, so that renaming it over is one step
// on one file system. A few tries cover leftovers of a killed run.
std::FILE* createTemporary(const std::string& outputPath, std::string& temporaryPath) {
  std::FILE* file = nullptr;
  for (int attempt = 0; file == nullptr && attempt < 100; ++attempt) {
    temporaryPath = outputPath + ".tmp-" + std::to_string(processId()) + "-" + std::to_string(attempt);
    file = createNewFile(temporaryPath);
    if (file == nullptr && errno != EEXIST) break;
  }
  return file;
}

std::optional<Failure> writeText(std::FILE* file, const std::string& path, const AssetCatalogue& catalogue,
                                 const ClassNames& names) {
  std::string scratch;
  errno = 0;
  bool ok = emitClassText(catalogue, names, [&](std::string_view text) {
    const std::string_view bytes = fileBytes(text, scratch);
    return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  });
  ok = ok && std::fflush(file) == 0;
  const int writeError = errno;
  const bool closed = std::fclose(file) == 0;
  if (!ok) return Failure{"cannot write " + path, errorText(writeError != 0 ? writeError : EIO)};
  if (!closed) return Failure{"cannot write " + path, errorText(errno)};
  return std::nullopt;
}

}  // namespace

WriteResult writeClassFile(const AssetCatalogue& catalogue, std::string outputPath, std::string dirName,
                           std::string parentName, std::string className) {
  const ClassNames names{std::move(dirName), std::move(parentName), std::move(className)};
  // An unchanged file keeps its time stamp, so builds that watch it do nothing.
  if (holdsText(outputPath, catalogue, names)) return {true, std::nullopt};

  std::string temporaryPath;
  std::FILE* file = createTemporary(outputPath, temporaryPath);
  if (file == nullptr) return {false, Failure{"cannot create " + temporaryPath, errorText(errno)}};

  std::optional<Failure> failure = writeText(file, temporaryPath, catalogue, names);
  if (!failure) {
    if (auto why = replaceFile(temporaryPath, outputPath)) {
      failure = Failure{"cannot replace " + outputPath, *why};
    }
  }
  if (failure) std::remove(temporaryPath.c_str());
  return {false, failure};
}

}  // namespace embedgen
