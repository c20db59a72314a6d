// The filter and sort headings of the contact card's task panel: the short
// text each menu command writes there, which the heading's menu checks
// again and the card's task list reads back.
#pragma once

#include "platform/ce.h"

#include <span>

struct TaskHeadingText {
    UINT command;
    const wchar_t* text;
};

extern const std::span<const TaskHeadingText> kTaskFilterHeadings;
extern const std::span<const TaskHeadingText> kTaskSortHeadings;
