#include "showcase/DataFiles.h"

#include <filesystem>

namespace {

std::filesystem::path dataDirectory;

}  // namespace

std::string INSTALLEDDATADIRECTORY(const std::string& programDirectory) {
    if (programDirectory.empty()) return "";
    const std::filesystem::path installed = std::filesystem::path(programDirectory) / ".." / "share" / "kestrova-phy";
    std::error_code error;
    return std::filesystem::is_directory(installed, error) ? installed.lexically_normal().string() : "";
}

void SETDATADIRECTORY(const std::string& directory) { dataDirectory = directory; }

std::string DATAFILE(const std::string& name) { return (dataDirectory / name).string(); }
