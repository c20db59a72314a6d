// The length-prefixed fields of the item records' blobs, over the
// platform's little-endian field writer and reader.
#pragma once

#include "platform/ceplat/byte_fields.h"

#include <windows.h>

#include <string>
#include <vector>

namespace poom {

using ByteWriter = ce::ByteWriter<std::vector<BYTE>>;
using ce::ByteReader;

void PutText16(ByteWriter& out, const std::wstring& text);        // u16 length, UTF-16LE
void PutBytes32(ByteWriter& out, const std::vector<BYTE>& bytes);  // u32 length, bytes
bool GetText16(ByteReader& in, std::wstring* text);
bool GetBytes32(ByteReader& in, std::vector<BYTE>* bytes);

}  // namespace poom
