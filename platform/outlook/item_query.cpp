#include "platform/outlook/item_query.h"

#include "platform/outlook/ole_dates.h"

#include <algorithm>
#include <cmath>

namespace poom {

namespace {

// What the restriction and the sort read of one delivery.
class EntryFields : public FieldSource {
public:
    EntryFields(const QueryEntry& entry, double start, double end) : entry_(entry)
    {
        if (entry.item->Kind() != ItemKind::Appointment)
            return;
        if (entry.exception >= 0)
            overrides_ = entry.item->Exceptions()[entry.exception].values;
        PropValue startValue, endValue;
        startValue.type = endValue.type = CEVT_FILETIME;
        startValue.date = start;
        endValue.date = end;
        overrides_[kPropStart] = startValue;
        overrides_[kPropEnd] = endValue;
    }

    FieldValue Value(const FieldDef& field) const override
    {
        return entry_.item->Field(field, overrides_.empty() ? nullptr : &overrides_);
    }

private:
    const QueryEntry& entry_;
    PropMap overrides_;
};

bool Passes(const QueryDef& query, const QueryEntry& entry, double start, double end)
{
    if (query.restrictions.empty())
        return true;
    EntryFields fields(entry, start, end);
    for (const auto& restriction : query.restrictions) {
        if (!restriction->Matches(fields))
            return false;
    }
    return true;
}

// A day bound of a window, within the days a walk can reach.
long WalkDay(double day)
{
    if (!(day >= kFirstSupportedDay))
        return kFirstSupportedDay - 1;
    if (day > kLastSupportedDay)
        return kLastSupportedDay + 1;
    return static_cast<long>(day);
}

// The starts a day's share of an item (at most a day long) can have and
// still match: the restrictions' windows for shares of no length and of a
// whole day, joined.
StartWindow ShareWindow(const QueryDef& query)
{
    StartWindow window;
    for (const auto& restriction : query.restrictions) {
        StartWindow none = restriction->StartWindowFor(0);
        StartWindow whole = restriction->StartWindowFor(1);
        window.from = std::max(window.from, std::min(none.from, whole.from));
        window.to = std::min(window.to, std::max(none.to, whole.to));
    }
    return window;
}

// Adds the entry, or on a CE 4 device one delivery per day it touches. Only
// the days whose share can match are judged, and without an upper bound no
// more of them than an open expansion delivers: a stored item may span
// thousands of years.
void Deliver(const QueryDef& query, const QueryEntry& entry, std::vector<QueryEntry>* out)
{
    bool perDay = query.includeRecurrences && query.deviceMajorVersion == 4 &&
                  entry.item->Kind() == ItemKind::Appointment;
    long firstDay = DayOf(entry.start);
    long lastDay = entry.end > entry.start ? DayOf(entry.end - kSecond) : firstDay;
    if (!perDay || lastDay <= firstDay) {
        if (Passes(query, entry, entry.start, entry.end))
            out->push_back(entry);
        return;
    }
    StartWindow shares = ShareWindow(query);
    if (shares.from > -1e300)
        firstDay = std::max<long>(firstDay, WalkDay(std::floor(shares.from) - 1));
    if (shares.to < 1e300)
        lastDay = std::min<long>(lastDay, WalkDay(std::ceil(shares.to) + 1));
    else if (lastDay - firstDay >= kOpenEndedOccurrenceLimit)
        lastDay = firstDay + kOpenEndedOccurrenceLimit - 1;
    for (long day = firstDay; day <= lastDay; ++day) {
        double shareStart = std::max(entry.start, static_cast<double>(day));
        double shareEnd = std::min(entry.end, static_cast<double>(day + 1) - kSecond);
        if (Passes(query, entry, shareStart, shareEnd))
            out->push_back(entry);
    }
}

const OccurrenceException* ExceptionAt(const ItemData& series, double originalStart, int* index)
{
    const auto& exceptions = series.Exceptions();
    for (size_t i = 0; i < exceptions.size(); ++i) {
        if (std::fabs(exceptions[i].originalStart - originalStart) < kSameTimeTolerance) {
            *index = static_cast<int>(i);
            return &exceptions[i];
        }
    }
    *index = -1;
    return nullptr;
}

double ExceptionDate(const OccurrenceException& exception, CEPROPID prop, double fallback)
{
    auto it = exception.values.find(prop);
    return it == exception.values.end() ? fallback : it->second.date;
}

void ExpandSeries(const QueryDef& query, const std::shared_ptr<const ItemData>& series,
                  std::vector<QueryEntry>* out)
{
    const RecurrenceRule& rule = series->Rule();
    double timeOfDay = TimeOfDay(series->Date(kPropStart));
    double duration = series->DurationDays();
    StartWindow window;
    for (const auto& restriction : query.restrictions) {
        StartWindow one = restriction->StartWindowFor(duration);
        window.from = std::max(window.from, one.from);
        window.to = std::min(window.to, one.to);
    }
    long fromDay = window.from > -1e300 ? WalkDay(std::floor(window.from) - 1) : rule.startDay;
    bool openEnded = !(window.to < 1e300);
    long toDay = openEnded ? kLastSupportedDay : WalkDay(std::ceil(window.to) + 1);
    int visited = 0;
    ForEachOccurrenceDay(rule, std::max(fromDay, rule.startDay), toDay, [&](long day) {
        double original = static_cast<double>(day) + timeOfDay;
        QueryEntry entry;
        entry.item = series;
        entry.occurrence = true;
        entry.originalStart = original;
        entry.start = original;
        entry.end = original + duration;
        if (ExceptionAt(*series, original, &entry.exception))
            return true;  // changed or deleted ones are added below
        if (original < window.from - kSameTimeTolerance || original > window.to + kSameTimeTolerance)
            return true;
        Deliver(query, entry, out);
        return !(openEnded && ++visited >= kOpenEndedOccurrenceLimit);
    });
    // Exceptions are few: each changed occurrence is judged where it now is.
    const auto& exceptions = series->Exceptions();
    for (size_t i = 0; i < exceptions.size(); ++i) {
        if (exceptions[i].deleted || !IsOccurrenceDay(rule, DayOf(exceptions[i].originalStart)))
            continue;
        QueryEntry entry;
        entry.item = series;
        entry.occurrence = true;
        entry.exception = static_cast<int>(i);
        entry.originalStart = exceptions[i].originalStart;
        entry.start = ExceptionDate(exceptions[i], kPropStart, entry.originalStart);
        entry.end = ExceptionDate(exceptions[i], kPropEnd, entry.start + duration);
        Deliver(query, entry, out);
    }
}

// The folder's own order key.
const FieldDef* DefaultOrder(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Contact: return FindField(kind, L"FileAs");
    case ItemKind::Appointment: return FindField(kind, L"Start");
    case ItemKind::Task: return nullptr;
    }
    return nullptr;
}

struct SortKey {
    FieldValue primary;
    FieldValue secondary;
    std::wstring primaryFolded;
    std::wstring secondaryFolded;
};

int CompareField(const FieldValue& a, const std::wstring& aFolded, const FieldValue& b, const std::wstring& bFolded)
{
    switch (a.type) {
    case FieldType::Text: return aFolded.compare(bFolded);
    case FieldType::Date: {
        double d = std::floor(a.date * 86400.0 + 0.5) - std::floor(b.date * 86400.0 + 0.5);
        return d < 0 ? -1 : (d > 0 ? 1 : 0);
    }
    default: return a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    }
}

std::wstring Folded(const FieldValue& value)
{
    std::wstring text = value.type == FieldType::Text ? value.text : std::wstring();
    if (!text.empty())
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

void SortEntries(const QueryDef& query, std::vector<QueryEntry>* entries)
{
    const FieldDef* defaultOrder = DefaultOrder(query.kind);
    std::vector<SortKey> keys(entries->size());
    for (size_t i = 0; i < entries->size(); ++i) {
        const QueryEntry& entry = (*entries)[i];
        EntryFields fields(entry, entry.start, entry.end);
        if (query.sortField) {
            keys[i].primary = fields.Value(*query.sortField);
            keys[i].primaryFolded = Folded(keys[i].primary);
        }
        if (defaultOrder) {
            keys[i].secondary = fields.Value(*defaultOrder);
            keys[i].secondaryFolded = Folded(keys[i].secondary);
        }
    }
    std::vector<size_t> order(entries->size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t x, size_t y) {
        const SortKey& a = keys[x];
        const SortKey& b = keys[y];
        if (query.sortField) {
            int c = CompareField(a.primary, a.primaryFolded, b.primary, b.primaryFolded);
            if (c != 0)
                return query.descending ? c > 0 : c < 0;
        }
        if (defaultOrder) {
            int c = CompareField(a.secondary, a.secondaryFolded, b.secondary, b.secondaryFolded);
            if (c != 0)
                return c < 0;
        }
        const QueryEntry& ex = (*entries)[x];
        const QueryEntry& ey = (*entries)[y];
        if (ex.item->Oid() != ey.item->Oid())
            return ex.item->Oid() < ey.item->Oid();
        return ex.originalStart < ey.originalStart;
    });
    std::vector<QueryEntry> sorted;
    sorted.reserve(entries->size());
    for (size_t i : order)
        sorted.push_back((*entries)[i]);
    entries->swap(sorted);
}

}  // namespace

std::vector<QueryEntry> RunQuery(const QueryDef& query, const std::vector<std::shared_ptr<const ItemData>>& items)
{
    std::vector<QueryEntry> entries;
    for (const auto& item : items) {
        bool expand = query.includeRecurrences && item->Kind() == ItemKind::Appointment && item->Rule().Recurs();
        if (expand) {
            ExpandSeries(query, item, &entries);
            continue;
        }
        QueryEntry entry;
        entry.item = item;
        if (item->Kind() == ItemKind::Appointment) {
            entry.start = item->Date(kPropStart);
            entry.end = item->Date(kPropEnd);
        }
        Deliver(query, entry, &entries);
    }
    SortEntries(query, &entries);
    return entries;
}

bool EntryMatches(const Restriction& restriction, const QueryEntry& entry)
{
    EntryFields fields(entry, entry.start, entry.end);
    return restriction.Matches(fields);
}

bool FindOccurrence(const ItemData& series, double start, QueryEntry* entry)
{
    const RecurrenceRule& rule = series.Rule();
    if (!rule.Recurs())
        return false;
    double timeOfDay = TimeOfDay(series.Date(kPropStart));
    double duration = series.DurationDays();
    const auto& exceptions = series.Exceptions();
    auto make = [&](double original, int exception) {
        entry->occurrence = true;
        entry->originalStart = original;
        entry->exception = exception;
        entry->start = exception >= 0 ? ExceptionDate(exceptions[exception], kPropStart, original) : original;
        entry->end = exception >= 0 ? ExceptionDate(exceptions[exception], kPropEnd, entry->start + duration)
                                    : original + duration;
        return true;
    };
    auto isOriginal = [&](double candidate) {
        return std::fabs(TimeOfDay(candidate) - timeOfDay) < kSameTimeTolerance &&
               IsOccurrenceDay(rule, DayOf(candidate));
    };
    auto same = [](double a, double b) { return std::fabs(a - b) < kSameTimeTolerance; };
    int index = -1;
    const OccurrenceException* there = isOriginal(start) ? ExceptionAt(series, start, &index) : nullptr;
    // 1. An occurrence originally there that has not moved away.
    if (isOriginal(start)) {
        if (!there)
            return make(start, -1);
        if (!there->deleted && same(ExceptionDate(*there, kPropStart, start), start))
            return make(start, index);
    }
    // 2. An occurrence moved there.
    for (size_t i = 0; i < exceptions.size(); ++i) {
        if (!exceptions[i].deleted && same(ExceptionDate(exceptions[i], kPropStart, exceptions[i].originalStart), start))
            return make(exceptions[i].originalStart, static_cast<int>(i));
    }
    // 3. The one that was there, wherever it went.
    if (there && !there->deleted)
        return make(start, index);
    return false;
}

ItemData OccurrenceData(const QueryEntry& entry)
{
    ItemData data = *entry.item;
    if (entry.exception >= 0) {
        for (const auto& [prop, value] : entry.item->Exceptions()[entry.exception].values)
            data.Props()[prop] = value;
    }
    data.SetDate(kPropStart, entry.start);
    data.SetDate(kPropEnd, entry.end);
    return data;
}

}  // namespace poom
