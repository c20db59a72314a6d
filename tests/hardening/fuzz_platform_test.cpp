// The platform's own decoders under mutated fixtures: the Rich Ink body and
// its strokes (and the painter over them), shortcut files, the menu-bar
// resource, stored records and stored sort orders. Each input must be read
// or refused within the time limit, and what is read must stay within the
// bounds its format promises.
#include "platform/richink/ink_strokes.h"
#include "platform/shell/menu_bar_resource.h"
#include "platform/shell/shortcut_format.h"
#include "platform/store/sort_keys.h"

#include "tests/hardening/fuzz_kit.h"
#include "tests/hardening/recorded_paint.h"
#include "tests/hardening/stored_records.h"
#include "tests/support/testkit.h"

#include "platform/ceplat/byte_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace hardening {
namespace {

using fuzz::Bytes;
using fuzz::LengthField;
using fuzz::Seed;
using Writer = ce::ByteWriter<Bytes>;

constexpr int kMaxPenWidth = 32;
constexpr int kPaintEvery = 4;  // the painter takes every fourth input

// ---- Rich Ink body and strokes ------------------------------------------------

Bytes StrokeBytes(uint16_t width, COLORREF colour, const std::vector<POINT>& points)
{
    Writer out;
    out.PutU16LE(static_cast<uint16_t>(points.size()));
    out.PutU16LE(width);
    out.PutU32LE(colour);
    for (const POINT& p : points) {
        out.PutU16LE(static_cast<uint16_t>(p.x));
        out.PutU16LE(static_cast<uint16_t>(p.y));
    }
    return out.Take();
}

// Strokes one after another, with each one's count and width as fields.
Seed StrokesSeed(const std::vector<Bytes>& strokes)
{
    Seed seed;
    for (const Bytes& stroke : strokes) {
        seed.lengths.push_back({seed.bytes.size(), 2});
        seed.lengths.push_back({seed.bytes.size() + 2, 2});
        seed.bytes.insert(seed.bytes.end(), stroke.begin(), stroke.end());
    }
    return seed;
}

std::vector<Seed> StrokeSeeds()
{
    return {
        StrokesSeed({StrokeBytes(2, RGB(0, 0, 0), {{10, 10}, {40, 12}, {60, 30}})}),
        StrokesSeed({StrokeBytes(3, RGB(255, 0, 0), {{5, 5}}), StrokeBytes(1, RGB(0, 0, 255), {{0, 0}, {239, 199}})}),
        StrokesSeed({StrokeBytes(65535, 0, {{0, 0}, {100, 100}, {-20, 300}}),
                     StrokeBytes(2, 0, {{-32768, -32768}, {32767, 32767}, {-32768, -32768}})}),
    };
}

Seed BodySeed(const std::wstring& text, const Bytes& ink)
{
    Seed seed;
    DWORD size = 0;
    BYTE* body = InkBodyCreate(text.c_str(), static_cast<DWORD>(text.size()), ink.data(),
                               static_cast<DWORD>(ink.size()), &size);
    if (body) {
        seed.bytes.assign(body, body + size);
        LocalFree(body);
    }
    seed.lengths = {{8, 4}, {INKBODY_HEADER_BYTES + 2 * text.size(), 4}};
    return seed;
}

class PainterCheck {
public:
    PainterCheck() : page_(testkit::CreateTestWindow(false, 240, 200)) { control_.page = page_; }
    ~PainterCheck() { DestroyWindow(page_); }

    void Check(const std::vector<richink::Stroke>& strokes)
    {
        if (strokes.empty() || ++calls_ % kPaintEvery != 0)
            return;
        control_.zoom = calls_ % (2 * kPaintEvery) ? 100 : 400;
        Drawing drawing = RecordPaint(control_, strokes);
        EXPECT_LE(drawing.widestPen, kMaxPenWidth);
        if (drawing.any) {
            EXPECT_GE(drawing.reach.left, -kMaxPenWidth);
            EXPECT_GE(drawing.reach.top, -kMaxPenWidth);
            EXPECT_LE(drawing.reach.right, 240 + kMaxPenWidth);
            EXPECT_LE(drawing.reach.bottom, 200 + kMaxPenWidth);
        }
    }

private:
    HWND page_;
    richink::Control control_;
    int calls_ = 0;
};

// True when some stroke was read.
bool CheckStrokes(const uint8_t* data, size_t size, PainterCheck& painter)
{
    std::vector<richink::Stroke> strokes = richink::DecodeStrokes(data, size);
    size_t used = 0;
    for (const richink::Stroke& stroke : strokes) {
        EXPECT_GE(stroke.points.size(), 1u);
        EXPECT_LE(stroke.points.size(), 0xFFFFu);
        EXPECT_GE(stroke.width, 1);
        EXPECT_EQ(stroke.colour & 0xFF000000, 0u);
        used += 8 + 4 * stroke.points.size();
    }
    EXPECT_LE(used, size);
    // What was read is written back as the same strokes.
    std::vector<BYTE> again;
    for (const richink::Stroke& stroke : strokes)
        richink::AppendStroke(again, stroke);
    std::vector<richink::Stroke> reread = richink::DecodeStrokes(again.data(), again.size());
    EXPECT_EQ(reread.size(), strokes.size());
    for (size_t i = 0; i < strokes.size() && i < reread.size(); ++i) {
        EXPECT_EQ(reread[i].width, strokes[i].width);
        EXPECT_EQ(reread[i].points.size(), strokes[i].points.size());
    }
    painter.Check(strokes);
    return !strokes.empty();
}

TEST(Fuzz, InkStrokesAndThePainter)
{
    PainterCheck painter;
    fuzz::Run("ink strokes", StrokeSeeds(),
              [&](const uint8_t* data, size_t size) { return CheckStrokes(data, size, painter); });
}

TEST(Fuzz, RichInkBody)
{
    std::vector<Seed> seeds;
    for (const Seed& strokes : StrokeSeeds()) {
        seeds.push_back(BodySeed(L"가나다\r\nabc", strokes.bytes));
        seeds.push_back(BodySeed(L"", strokes.bytes));
    }
    seeds.push_back(BodySeed(L"메모만", {}));
    PainterCheck painter;
    fuzz::Run("Rich Ink body", seeds, [&](const uint8_t* data, size_t size) {
        INKBODYPARTS parts = {};
        if (!InkBodyRead(data, static_cast<DWORD>(size), &parts)) {
            for (DWORD count : {1u, 8u})
                EXPECT_EQ(InkBodyCopyText(data, static_cast<DWORD>(size), std::vector<WCHAR>(count).data(), count), 0u);
            return false;
        }
        if (size == 0)
            return true;
        EXPECT_EQ(parts.textOffset, static_cast<DWORD>(INKBODY_HEADER_BYTES));
        EXPECT_EQ(parts.inkOffset, parts.textOffset + 2ull * parts.textChars + INKBODY_INK_LENGTH_BYTES);
        EXPECT_EQ(static_cast<uint64_t>(parts.inkOffset) + parts.inkBytes, size);
        for (DWORD count : {DWORD{1}, DWORD{4}, parts.textChars + 1}) {
            std::vector<WCHAR> text(count, L'?');
            DWORD copied = InkBodyCopyText(data, static_cast<DWORD>(size), text.data(), count);
            EXPECT_LT(copied, count);
            EXPECT_LE(copied, parts.textChars);
            EXPECT_EQ(text[copied], L'\0');
        }
        CheckStrokes(data + parts.inkOffset, parts.inkBytes, painter);
        return true;
    });
}

// ---- shortcut files and the menu-bar resource ----------------------------------

Seed TextSeed(const std::string& text)
{
    return Seed{Bytes(text.begin(), text.end()), {}};
}

TEST(Fuzz, ShortcutFile)
{
    std::vector<Seed> seeds = {
        TextSeed("19#\\Windows\\ctlpnl.exe"),
        TextSeed("20#\"\\Windows\\\xB8\xDE\xB8\xF0.exe\" -x"),  // CP949
        TextSeed("36#\"\\Program Files\\Quillon\\Quillon.exe\"\r\n"),
        TextSeed("4#\"\\ab.exe\""),
    };
    fuzz::Run("shortcut file", seeds, [](const uint8_t* data, size_t size) {
        bool read = false;
        for (size_t chars : {size_t{1}, size_t{5}, size_t{MAX_PATH}}) {
            std::vector<wchar_t> target(chars + 1, L'?');
            if (!shell::DecodeShortcut(reinterpret_cast<const char*>(data), size, target.data(), chars))
                continue;
            read = true;
            size_t length = wcsnlen(target.data(), chars + 1);
            EXPECT_LT(length, chars);
            EXPECT_EQ(target[chars], L'?');  // nothing written past the buffer
            unsigned long count = strtoul(std::string(reinterpret_cast<const char*>(data), std::min<size_t>(size, 8)).c_str(),
                                          nullptr, 10);
            EXPECT_LE(length, count);
        }
        return read;
    });
}

Bytes Words(std::initializer_list<int> words)
{
    Writer out;
    for (int word : words)
        out.PutU16LE(static_cast<uint16_t>(word));
    return out.Take();
}

TEST(Fuzz, MenuBarResource)
{
    const std::vector<Seed> seeds = {
        {Words({102, 2, -2, 40009, 4, 0x18, 40011, 0, 0, -2, 40006, 4, 0x18, 40011, 0, 1}), {{2, 2}}},
        {Words({0, 1, -2, 40001, 4, 0x10, 40012, 0, 0xFFFF}), {{2, 2}}},
    };
    fuzz::Run("menu-bar resource", seeds, [](const uint8_t* data, size_t size) {
        shell::MenuBarLayout layout;
        if (!shell::ReadMenuBarLayout(data, size, &layout))
            return false;
        EXPECT_GE(layout.count, 0);
        EXPECT_LE(layout.count, shell::kMaxMenuBarButtons);
        EXPECT_GE(size, (2u + 7u * layout.count) * 2u);
        return true;
    });
}

// ---- stored records and sort orders ---------------------------------------------

// A stored record with a value of every type; its count and each value's
// length are fields.
Seed RecordSeed()
{
    using fuzz::LittleEndian;
    using fuzz::StoredProperty;
    return fuzz::StoredRecordSeed({
        StoredProperty(MAKEPROPID(0x20, CEVT_LPWSTR), fuzz::Utf16(L"회의 제목")),
        StoredProperty(MAKEPROPID(0x43, CEVT_FILETIME), LittleEndian(0x01DA6F1C2B3C4D5Eull, 8)),
        StoredProperty(MAKEPROPID(0x45, CEVT_I2), LittleEndian(1, 2)),
        StoredProperty(MAKEPROPID(0x47, CEVT_I4), LittleEndian(15, 4)),
        StoredProperty(MAKEPROPID(0x9001, CEVT_R8), LittleEndian(0x3FF8000000000000ull, 8)),
        StoredProperty(MAKEPROPID(0x9002, CEVT_BOOL), LittleEndian(5, 4)),
        StoredProperty(MAKEPROPID(0x9003, CEVT_UI2), LittleEndian(0xFFFE, 2)),
        StoredProperty(MAKEPROPID(0x9004, CEVT_UI4), LittleEndian(0xFFFFFFF0, 4)),
        StoredProperty(MAKEPROPID(0x9005, CEVT_AUTO_I4), LittleEndian(7, 4)),
        StoredProperty(MAKEPROPID(0x9006, CEVT_BLOB), {1, 2, 3, 4, 5}),
        StoredProperty(MAKEPROPID(0x9007, CEVT_STREAM), {}),
    });
}

TEST(Fuzz, StoredRecord)
{
    fuzz::Run("stored record", {RecordSeed()}, [](const uint8_t* data, size_t size) {
        fuzz::ReadRecord record;
        if (!fuzz::ReadStoredRecord(data, size, &record))
            return false;
        const store::PropertyViews& views = record.views;
        for (const store::PropertyView& view : views) {
            EXPECT_GE(view.data, data);
            EXPECT_LE(view.data + view.size, data + size);
        }
        EXPECT_EQ(record.count, views.size());
        const CEPROPVAL* values = record.Values();
        const size_t bytes = record.bytes;
        for (WORD i = 0; i < record.count; ++i) {
            const CEPROPVAL& value = values[i];
            WORD type = TypeFromPropID(value.propid);
            const auto* start = reinterpret_cast<const uint8_t*>(values);
            if (type == CEVT_LPWSTR) {
                const auto* text = reinterpret_cast<const uint8_t*>(value.val.lpwstr);
                EXPECT_GE(text, start);
                EXPECT_LE(text + views[i].size + 2, start + bytes);
            } else if (type == CEVT_BLOB || type == CEVT_STREAM) {
                EXPECT_EQ(value.val.blob.dwCount, views[i].size);
                if (value.val.blob.dwCount) {
                    EXPECT_LE(value.val.blob.lpb + value.val.blob.dwCount, start + bytes);
                }
            }
            // The stored bytes come back from the caller's value; a text
            // ends at its first zero.
            std::string stored(reinterpret_cast<const char*>(views[i].data), views[i].size);
            if (type == CEVT_LPWSTR) {
                size_t end = 0;
                while (end < stored.size() && (stored[end] || stored[end + 1]))
                    end += 2;
                stored.resize(end);
            }
            EXPECT_EQ(store::StoredValueBytes(type, value.val), stored);
        }
        return true;
    });
}

Seed SortSeed(const store::SortOrders& orders)
{
    Seed seed;
    std::string encoded = store::EncodeSortOrders(orders);
    seed.bytes.assign(encoded.begin(), encoded.end());
    seed.lengths.push_back({1, 1});
    size_t at = 2;
    for (const store::SortOrder& order : orders) {
        seed.lengths.push_back({at + 2, 1});
        at += 3 + 8 * order.props.size();
    }
    return seed;
}

store::SortOrder Order(std::vector<CEPROPID> props, std::vector<DWORD> flags, WORD keyFlags = 0)
{
    return store::SortOrder{keyFlags, std::move(props), std::move(flags)};
}

TEST(Fuzz, StoredSortOrders)
{
    const std::vector<Seed> seeds = {
        SortSeed({Order({MAKEPROPID(0x80, CEVT_LPWSTR)}, {CEDB_SORT_CASEINSENSITIVE})}),
        SortSeed({Order({MAKEPROPID(1, CEVT_I4)}, {CEDB_SORT_DESCENDING}),
                  Order({MAKEPROPID(2, CEVT_UI2), MAKEPROPID(1, CEVT_LPWSTR)}, {0, CEDB_SORT_UNKNOWNFIRST},
                        CEDB_SORT_UNIQUE),
                  Order({MAKEPROPID(3, CEVT_FILETIME), MAKEPROPID(4, CEVT_R8), MAKEPROPID(5, CEVT_BOOL)}, {0, 0, 0})}),
    };
    Seed record = RecordSeed();
    store::PropertyViews sample;
    ASSERT_TRUE(store::DecodeRecordBlob(record.bytes.data(), record.bytes.size(), &sample));
    fuzz::Run("stored sort orders", seeds, [&](const uint8_t* data, size_t size) {
        store::SortOrders orders;
        if (!store::DecodeSortOrders(data, size, &orders))
            return false;
        EXPECT_LE(orders.size(), static_cast<size_t>(CEDB_MAXSORTORDER));
        for (const store::SortOrder& order : orders) {
            EXPECT_GE(order.props.size(), 1u);
            EXPECT_LE(order.props.size(), static_cast<size_t>(CEDB_MAXSORTPROP));
            EXPECT_EQ(order.flags.size(), order.props.size());
            SORTORDERSPECEX descriptor;
            store::SpecFromSortOrder(order, &descriptor);
            store::SortOrder declared;
            EXPECT_TRUE(store::SortOrderFromDef(descriptor, &declared)) << "an order its own open would refuse";
            store::RecordKey(order, sample);
        }
        std::string again = store::EncodeSortOrders(orders);
        EXPECT_EQ(Bytes(again.begin(), again.end()), Bytes(data, data + size));
        return true;
    });
}

}  // namespace
}  // namespace hardening
