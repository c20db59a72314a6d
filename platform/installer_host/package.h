// The package's files: read from the list, placed in their device folders,
// removed again. Failures are counted the way the setup hooks are told.
#pragma once

#include "platform/ce.h"

#include <string>
#include <vector>

namespace installer {

struct PackageFile {
    std::wstring name;    // "Quillon.exe"
    std::wstring folder;  // rooted device folder, "\Program Files\Quillon"
};

// False when the list cannot be read; lines that name no folder are
// skipped with a log line.
bool ReadPackageList(const std::wstring& listPath, std::vector<PackageFile>* files);

struct PlaceCounts {
    WORD failedDirs = 0;
    WORD failedFiles = 0;
};

// Copies each file from the source folder into its device folder, making
// the folders it needs.
PlaceCounts PlaceFiles(const std::vector<PackageFile>& files, const std::wstring& sourceFolder);
// Deletes each file that is there, then each of their folders left empty.
void RemoveFiles(const std::vector<PackageFile>& files);

}  // namespace installer
