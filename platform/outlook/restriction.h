// Restriction queries of item collections: bracketed property names,
// = <> < <= > >=, AND, OR, parentheses, quoted strings (a doubled quote
// stands for one), integers (booleans 0 and 1) and quoted dates with an
// optional " HH:MM", read by the short-date picture given at parse time.
// Text compares ignore case; AND binds tighter than OR.
#pragma once

#include "platform/outlook/item_fields.h"

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace poom {

struct FieldValue {
    FieldType type = FieldType::Text;
    std::wstring text;
    double date = 0;
    long long number = 0;
};

// What a restriction reads of one item (or one occurrence).
class FieldSource {
public:
    virtual ~FieldSource() = default;
    virtual FieldValue Value(const FieldDef& field) const = 0;
};

// Starts an occurrence must lie within to possibly match.
struct StartWindow {
    double from = -std::numeric_limits<double>::infinity();
    double to = std::numeric_limits<double>::infinity();
    bool Bounded() const { return from > -1e300 && to < 1e300; }
    bool Empty() const { return from > to; }
};

class Restriction {
public:
    struct Node;

    // Null when the query is malformed (unknown property, bad token, a value
    // that does not fit the property's type, unbalanced parentheses, or
    // parentheses nested more than 64 deep).
    static std::unique_ptr<Restriction> Parse(ItemKind kind, const std::wstring& query,
                                              const std::wstring& datePicture);
    ~Restriction();

    bool Matches(const FieldSource& item) const;
    // A superset of the starts of items lasting durationDays that can match,
    // judged by the conditions on Start and End.
    StartWindow StartWindowFor(double durationDays) const;

private:
    explicit Restriction(std::unique_ptr<Node> root);
    std::unique_ptr<Node> root_;
};

// Text order of restrictions and sorts: case folded, then code units.
int CompareTextIgnoringCase(const std::wstring& a, const std::wstring& b);

}  // namespace poom
