// The item commands of the toolbar window (10001-10415) by item kind: each
// command's handler, registered with the toolbar window at start-up.
#pragma once

#include "mainwindow/toolbar_window.h"

#include <span>

struct ItemCommandEntry {
    UINT command;
    ItemCommandHandler handler;
};

std::span<const ItemCommandEntry> ContactCommands();
std::span<const ItemCommandEntry> AppointmentCommands();
std::span<const ItemCommandEntry> AnniversaryCommands();
std::span<const ItemCommandEntry> TaskCommands();
std::span<const ItemCommandEntry> MemoCommands();

// Registers every command of the tables above, and gives the lists'
// notifications the contact and schedule previews.
void InstallItemCommands();
