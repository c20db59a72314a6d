// Notes files ("*.pwi") moved between a file and a Rich Ink control in the
// control's body format, deleted with their contact link, and opened in the
// platform's Notes program.
#pragma once

#include "platform/ce.h"

// The stream cookie: the open file and the error that ended the stream.
struct NoteFileCookie {
    HANDLE file;
    DWORD error;
};

// Edit-stream callbacks over a NoteFileCookie; a failed read or write stores
// the system error in the cookie and returns it, which ends the stream.
DWORD CALLBACK ReadNoteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);
DWORD CALLBACK WriteNoteFileCallback(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done);

// Streams the file into the control. A file that cannot be opened shows
// "Could not create file" (caption "Open Error:"), one whose size cannot be
// read "Could not determine file size"; the control is then left as it was.
// False when the file was not streamed in whole.
bool StreamNoteFileIn(HWND control, LPCWSTR path);

// Writes the control's content to the file: into a temporary file beside
// it, which replaces the file only once the whole content is written. A
// file that cannot be created shows "Could not create file", a stream or
// replace that fails "Could not write file" (caption "Save Error:"); the old
// file then stays as it was. False when the file was not saved.
bool SaveRichInkToNoteFile(HWND control, LPCWSTR path);

// Deletes the file, and its contact link once the file is gone; false (link
// kept) when the file is still there.
bool DeleteNoteFileAt(LPCWSTR path);

// Starts the Notes program on the file, the path unquoted as its command
// line; false when it could not be started.
bool StartNotesProgram(LPCWSTR path);
