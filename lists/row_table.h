// A list's rows as its loader read them, with the order the list shows them
// in. Rows never move once read; ordering permutes the 16-bit positions.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Room of every row table; a loader stops adding at it.
constexpr int kListRowLimit = 1000;

template <class Row>
struct RowTable {
    std::vector<Row> rows;         // storage order
    std::vector<uint16_t> order;   // position p shows rows[order[p]]

    int Count() const { return static_cast<int>(order.size()); }
    bool Full() const { return rows.size() >= static_cast<size_t>(kListRowLimit); }

    void Clear()
    {
        rows.clear();
        order.clear();
    }

    // Appends a row at the end of the order; false, changing nothing, when
    // the table is full.
    bool Add(Row row)
    {
        if (Full())
            return false;
        order.push_back(static_cast<uint16_t>(rows.size()));
        rows.push_back(std::move(row));
        return true;
    }

    // The row shown at a position; null outside the list.
    const Row* At(int position) const
    {
        if (position < 0 || position >= Count())
            return nullptr;
        return &rows[order[position]];
    }

    // Orders the positions by a three-way comparison of rows (the first key
    // of a chain that differs decides); rows equal in every key keep their
    // places.
    template <class Compare>
    void OrderBy(Compare compare)
    {
        std::stable_sort(order.begin(), order.end(),
                         [&](uint16_t a, uint16_t b) { return compare(rows[a], rows[b]) < 0; });
    }
};

// One key of a chain: a three-way comparison of two rows.
template <class Row>
using RowKey = int (*)(const Row& a, const Row& b);

// The first key of the chain that tells the rows apart decides; a chain ends
// at its first null key.
template <class Row, size_t N>
int CompareByKeys(const RowKey<Row> (&chain)[N], const Row& a, const Row& b)
{
    for (RowKey<Row> key : chain) {
        if (!key)
            break;
        if (int c = key(a, b))
            return c;
    }
    return 0;
}

// Three-way comparisons for key chains.
inline int CompareText(const std::wstring& a, const std::wstring& b)
{
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}
inline int CompareChar(wchar_t a, wchar_t b)
{
    return a < b ? -1 : (a == b ? 0 : 1);
}
