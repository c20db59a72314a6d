// Timer 2: a request the Today item left becomes at most one view switch and
// at most one further command, sent as the user's taps send them, so that
// each has finished (its modal editor included) before the next step.
#pragma once

#include "mainwindow/today_requests.h"

// Reads the request file, if any, and acts on a usable request.
void OnTodayRequestTick();

// The view switch and command of one request. A command that opens or
// deletes an item runs only when the list, reloaded, selected that very
// item: one that is gone leaves another selected, which it must not touch.
// FromTodayRequest is clear again when this returns.
void ActOnTodayRequest(const TodayRequest& request);
