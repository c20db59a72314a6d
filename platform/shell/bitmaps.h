// Bitmap files as the device's shell loads them.
#pragma once

// Loads a ".bmp" file as a device-independent bitmap (a DIB section); null
// when the file is missing or is not a bitmap.
CEAPI HBITMAP WINAPI SHLoadDIBitmap(LPCWSTR path);
