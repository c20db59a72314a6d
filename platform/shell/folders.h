// The device's special folders, as rooted device paths: CSIDL_PERSONAL is
// "\My Documents"; the Start menu and its programs folder are
// "\Windows\시작 메뉴" and "\Windows\시작 메뉴\프로그램" on a Korean device
// (one that has "\Windows\시작 메뉴"), else "\Windows\Start Menu" and
// "\Windows\Start Menu\Programs"; CSIDL_WINDOWS is "\Windows" and
// CSIDL_PROGRAM_FILES "\Program Files". The buffer holds MAX_PATH characters.
#pragma once

#ifndef CSIDL_PROGRAMS
#define CSIDL_PROGRAMS 0x0002
#define CSIDL_PERSONAL 0x0005
#define CSIDL_STARTMENU 0x000b
#define CSIDL_WINDOWS 0x0024
#define CSIDL_PROGRAM_FILES 0x0026
#endif

CEAPI BOOL WINAPI CeSHGetSpecialFolderPathW(HWND owner, LPWSTR path, int folder, BOOL create);
#undef SHGetSpecialFolderPath
#define SHGetSpecialFolderPath CeSHGetSpecialFolderPathW
#define SHGetSpecialFolderPathW CeSHGetSpecialFolderPathW
