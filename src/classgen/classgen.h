#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue.h"
#include "catalogue/failure.h"

namespace embedgen {

// The names the class file is built from, as the driver derives them.
struct ClassNames {
  std::string dirName;
  std::string parentName;
  std::string className;
};

// Receives the class text piece by piece, in order; false stops the writer.
using TextSink = std::function<bool(std::string_view)>;

// Produces the class text in large chunks. Returns false when the sink refused one.
bool emitClassText(const AssetCatalogue& catalogue, const ClassNames& names, const TextSink& sink);

// The whole class text in one string (line feeds only, whatever the platform).
std::string classText(const AssetCatalogue& catalogue, const ClassNames& names);

// Every reason why the class built from these names would not compile or would
// let a name escape its string literal; empty when the class is sound.
std::vector<Failure> checkNames(const AssetCatalogue& catalogue, const ClassNames& names);

struct WriteResult {
  bool unchanged = false;  // the file already held exactly this text and was left alone
  std::optional<Failure> failure;
};

// Replaces the file at outputPath with the class text as a whole or not at all.
WriteResult writeClassFile(const AssetCatalogue& catalogue, std::string outputPath, std::string dirName,
                           std::string parentName, std::string className);

}  // namespace embedgen
