#include "today/weather_import.h"

#include "today/weather_store.h"

namespace {

struct FileStamp {
    DWORD sizeLow = 0;
    DWORD sizeHigh = 0;
    FILETIME written = {};
    bool operator==(const FileStamp& other) const
    {
        return sizeLow == other.sizeLow && sizeHigh == other.sizeHigh &&
               CompareFileTime(&written, &other.written) == 0;
    }
};

// The file that could not be removed after its import.
bool StayingFileKnown = false;
FileStamp StayingFile;

bool ReadStamp(FileStamp* stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(kWeatherImportFile, GetFileExInfoStandard, &data))
        return false;
    stamp->sizeLow = data.nFileSizeLow;
    stamp->sizeHigh = data.nFileSizeHigh;
    stamp->written = data.ftLastWriteTime;
    return true;
}

// A read-only file goes too; false when the file is still there.
bool RemoveImportFile()
{
    if (GetFileAttributesW(kWeatherImportFile) == INVALID_FILE_ATTRIBUTES)
        return true;
    SetFileAttributesW(kWeatherImportFile, FILE_ATTRIBUTE_NORMAL);
    return DeleteFileW(kWeatherImportFile) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

void ImportWeatherFileOnce()
{
    FileStamp stamp;
    if (!ReadStamp(&stamp)) {
        StayingFileKnown = false;
        return;
    }
    if (StayingFileKnown && stamp == StayingFile) {
        RemoveImportFile();
        return;
    }
    ImportWeatherFile();
    StayingFileKnown = !RemoveImportFile();
    if (StayingFileKnown) {
        StayingFile = stamp;
        NKDbgPrintfW(L"Glimmor: %ls cannot be removed (%lu); it is not imported again unless it changes\r\n",
                     kWeatherImportFile, GetLastError());
    }
}
