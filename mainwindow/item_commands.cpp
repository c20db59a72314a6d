#include "mainwindow/item_commands.h"

#include "lists/contact_preview.h"
#include "lists/schedule_preview.h"
#include "mainwindow/hooks.h"

void InstallItemCommands()
{
    for (auto table : {ContactCommands(), AppointmentCommands(), AnniversaryCommands(), TaskCommands(), MemoCommands()}) {
        for (const ItemCommandEntry& entry : table)
            RegisterItemCommand(entry.command, entry.handler);
    }
    Hooks.ShowContactPreview = ShowContactPreview;
    Hooks.ShowSchedulePreview = ShowSchedulePreview;
}
