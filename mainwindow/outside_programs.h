// The device's programs the main window starts for a contact: the mail
// program and a carrier's message composer. The start's result is not
// looked at.
#pragma once

#include "platform/ce.h"

#include <string>

// Starts the program with the command line, without waiting for it.
void StartOutsideProgram(const wchar_t* program, const std::wstring& commandLine);

// "\Windows\tmail.exe" with "mailto:<address>".
void StartMailProgram(const wchar_t* address);

// The composer's command line for a receiver and a name; a '"' in either is
// dropped so that neither can end its quotes early.
std::wstring MmsComposerCommandLine(const wchar_t* mobile, const wchar_t* name);
// "\Windows\KTFMMS.exe" for the receiver and name.
void StartMmsComposer(const wchar_t* mobile, const wchar_t* name);

// The composer for the selected contact: its mobile number and name from
// ContactDialInfo; nothing without a mobile number.
void LaunchMmsComposer();
