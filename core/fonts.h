// The six shared fonts of the main program.
#pragma once

// Deletes the fonts made by an earlier call and creates the six AppFonts
// from the system font's logical font with the device's face "굴림체" and
// character set 130. Returns false when any of them could not be created.
bool CreateAppFonts();

// Deletes the AppFonts and clears their handles.
void DeleteAppFonts();
