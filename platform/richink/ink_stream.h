// The Rich Ink body: the bytes a Rich Ink control streams in and out with
// stream format 0x10802, stored as memo and item bodies and as Notes files.
//
// Layout (all integers little-endian):
//   offset    size  field
//   0         4     magic "RINK" (52 49 4E 4B)
//   4         2     version, 1
//   6         2     reserved, 0
//   8         4     T: text length in UTF-16 code units
//   12        2T    text, UTF-16LE, no terminator ("\r\n" between lines)
//   12+2T     4     K: ink length in bytes
//   16+2T     K     ink strokes (below); opaque to this codec
// A body is exactly 16 + 2T + K bytes. A body with no text and no ink is
// empty (0 bytes), never a bare header. The reader accepts exactly what the
// writer produces, so reading a body and writing it again gives the same
// bytes.
//
// Ink strokes, one after another until the K bytes end:
//   2  N: point count (at least 1)
//   2  pen width in pixels (at least 1)
//   4  colour, COLORREF (0x00BBGGRR)
//   4N points, each x then y as signed 16-bit pixels at zoom 100 from the
//      top-left of the page
// Ink bytes that do not parse as strokes are kept as they are, not drawn.
#pragma once

// The stream format of EM_STREAMIN and EM_STREAMOUT for a Rich Ink control.
#define SF_RICHINK_BODY 0x10802

#define INKBODY_VERSION 1
#define INKBODY_HEADER_BYTES 12  // magic, version, reserved, T
#define INKBODY_INK_LENGTH_BYTES 4

typedef struct INKBODYPARTS {
    DWORD textChars;   // UTF-16 code units, no terminator
    DWORD textOffset;  // byte offset of the text in the body (not aligned)
    DWORD inkBytes;
    DWORD inkOffset;   // byte offset of the ink in the body
} INKBODYPARTS;

// The size in bytes of a body with that much text and ink (0 for neither).
// FALSE with ERROR_ARITHMETIC_OVERFLOW when it would not fit 32 bits.
CEAPI BOOL WINAPI InkBodyMeasure(DWORD textChars, DWORD inkBytes, DWORD* bodyBytes);

// Writes a body into a caller's buffer. bodyBytes receives the size written,
// or on ERROR_INSUFFICIENT_BUFFER the size needed. text or ink may be null
// when their length is 0.
CEAPI BOOL WINAPI InkBodyWrite(const WCHAR* text, DWORD textChars, const BYTE* ink, DWORD inkBytes, BYTE* body,
                               DWORD bodyCapacity, DWORD* bodyBytes);

// Writes a body into a new LocalAlloc block, zero-filled and two bytes
// longer than the body (a wide zero follows it), as a stream-out leaves it.
// Null on failure. The caller frees it with LocalFree.
CEAPI BYTE* WINAPI InkBodyCreate(const WCHAR* text, DWORD textChars, const BYTE* ink, DWORD inkBytes,
                                 DWORD* bodyBytes);

// Finds the parts of a body. An empty body (0 bytes) has neither. FALSE
// with ERROR_INVALID_DATA when the bytes are not a body.
CEAPI BOOL WINAPI InkBodyRead(const BYTE* body, DWORD bodyBytes, INKBODYPARTS* parts);

// Copies a body's text into a buffer of textCount characters, cut to fit and
// always terminated. Returns the characters copied (0 when the body is not
// valid or the buffer is empty).
CEAPI DWORD WINAPI InkBodyCopyText(const BYTE* body, DWORD bodyBytes, WCHAR* text, DWORD textCount);
