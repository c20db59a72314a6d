// Helpers of the Rich Ink tests: a host that records what the control tells
// its parent, memory streams, and body fixtures.
#pragma once

#include "tests/support/testkit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace inktest {

using Bytes = std::vector<uint8_t>;

struct ParentEvent {
    UINT message;  // WM_COMMAND or WM_NOTIFY
    int code;      // notification code
    HWND from;
};

// A host window whose procedure records WM_COMMAND and WM_NOTIFY.
HWND CreateRecordingHost(bool visible);
std::vector<ParentEvent>& ParentEvents();
int CountEvents(UINT message, int code);

HWND CreateInk(HWND parent, DWORD style = 0x50A00000, int width = 240, int height = 200, int id = 21040);
HWND PageOf(HWND ink);

// What a stream saw: the bytes and the size of every block.
struct StreamLog {
    LRESULT result = 0;
    DWORD error = 0;
    Bytes bytes;
    std::vector<LONG> blocks;
};

// Streams bytes in, at most maxPerRead bytes per callback call; the call
// numbered failAtCall (from 1) returns failWith instead.
StreamLog StreamIn(HWND ink, const Bytes& body, LONG maxPerRead = 0x7FFFFFFF, int failAtCall = 0,
                   DWORD failWith = 0, WPARAM format = SF_RICHINK_BODY);
StreamLog StreamOut(HWND ink, int failAtCall = 0, DWORD failWith = 0);

Bytes Body(const std::wstring& text, const Bytes& ink);

// One stroke's ink bytes, written field by field.
Bytes StrokeBytes(uint16_t width, COLORREF colour, const std::vector<POINT>& points);

}  // namespace inktest
