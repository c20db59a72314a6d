#include "platform/outlook/restriction.h"

#include "platform/outlook/short_date.h"

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace poom {

enum class CompareOp { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };

// A condition, or AND or OR over two or more parts; a chain of one
// operator is one node, so that only parentheses make the tree deeper.
struct Restriction::Node {
    enum class Kind { And, Or, Condition } kind = Kind::Condition;
    std::vector<std::unique_ptr<Node>> parts;
    const FieldDef* field = nullptr;
    CompareOp op = CompareOp::Equal;
    FieldValue value;  // of the field's type
};

namespace {

// Parentheses deeper than this are refused as malformed: the parser and
// the evaluation recurse once per level.
constexpr int kMaxNesting = 64;

enum class TokenKind { End, Property, Text, Number, Operator, Open, Close, And, Or, Bad };

struct Token {
    TokenKind kind = TokenKind::End;
    std::wstring text;
    long long number = 0;
    CompareOp op = CompareOp::Equal;
};

class Lexer {
public:
    explicit Lexer(const std::wstring& text) : text_(text) {}

    Token Next()
    {
        while (pos_ < text_.size() && std::iswspace(text_[pos_]))
            ++pos_;
        Token token;
        if (pos_ >= text_.size())
            return token;
        wchar_t c = text_[pos_];
        if (c == L'[')
            return Property();
        if (c == L'"')
            return QuotedText();
        if (c == L'(' || c == L')') {
            ++pos_;
            token.kind = c == L'(' ? TokenKind::Open : TokenKind::Close;
            return token;
        }
        if (c == L'=' || c == L'<' || c == L'>')
            return Operator();
        if (c == L'-' || std::iswdigit(c))
            return Number();
        if (std::iswalpha(c))
            return Keyword();
        token.kind = TokenKind::Bad;
        return token;
    }

private:
    Token Property()
    {
        Token token;
        size_t close = text_.find(L']', pos_ + 1);
        if (close == std::wstring::npos) {
            token.kind = TokenKind::Bad;
            return token;
        }
        token.kind = TokenKind::Property;
        token.text = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        return token;
    }

    Token QuotedText()
    {
        Token token;
        ++pos_;
        while (pos_ < text_.size()) {
            if (text_[pos_] == L'"') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == L'"') {
                    token.text += L'"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                token.kind = TokenKind::Text;
                return token;
            }
            token.text += text_[pos_++];
        }
        token.kind = TokenKind::Bad;  // no closing quote
        return token;
    }

    Token Operator()
    {
        Token token;
        token.kind = TokenKind::Operator;
        wchar_t c = text_[pos_++];
        wchar_t next = pos_ < text_.size() ? text_[pos_] : L'\0';
        if (c == L'=') {
            token.op = CompareOp::Equal;
        } else if (c == L'<' && next == L'>') {
            token.op = CompareOp::NotEqual;
            ++pos_;
        } else if (c == L'<' && next == L'=') {
            token.op = CompareOp::LessOrEqual;
            ++pos_;
        } else if (c == L'>' && next == L'=') {
            token.op = CompareOp::GreaterOrEqual;
            ++pos_;
        } else {
            token.op = c == L'<' ? CompareOp::Less : CompareOp::Greater;
        }
        return token;
    }

    Token Number()
    {
        Token token;
        bool negative = text_[pos_] == L'-';
        if (negative)
            ++pos_;
        size_t start = pos_;
        long long value = 0;
        while (pos_ < text_.size() && std::iswdigit(text_[pos_]) && pos_ - start < 18)
            value = value * 10 + (text_[pos_++] - L'0');
        if (pos_ == start || (pos_ < text_.size() && std::iswalnum(text_[pos_]))) {
            token.kind = TokenKind::Bad;
            return token;
        }
        token.kind = TokenKind::Number;
        token.number = negative ? -value : value;
        return token;
    }

    Token Keyword()
    {
        Token token;
        size_t start = pos_;
        while (pos_ < text_.size() && std::iswalpha(text_[pos_]))
            ++pos_;
        std::wstring word = text_.substr(start, pos_ - start);
        if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, word.c_str(), -1, L"AND", -1) == CSTR_EQUAL)
            token.kind = TokenKind::And;
        else if (CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, word.c_str(), -1, L"OR", -1) == CSTR_EQUAL)
            token.kind = TokenKind::Or;
        else
            token.kind = TokenKind::Bad;
        return token;
    }

    const std::wstring& text_;
    size_t pos_ = 0;
};

bool ParseInteger(const std::wstring& text, long long* value)
{
    size_t i = 0;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    bool negative = i < text.size() && text[i] == L'-';
    if (negative)
        ++i;
    size_t digits = i;
    long long n = 0;
    while (i < text.size() && std::iswdigit(text[i]) && i - digits < 18)
        n = n * 10 + (text[i++] - L'0');
    if (i == digits)
        return false;
    while (i < text.size() && std::iswspace(text[i]))
        ++i;
    if (i != text.size())
        return false;
    *value = negative ? -n : n;
    return true;
}

// The literal as a value of the field's type; false when it cannot be one.
bool LiteralValue(const FieldDef& field, const Token& literal, const std::wstring& picture, FieldValue* value)
{
    value->type = field.type;
    bool isText = literal.kind == TokenKind::Text;
    switch (field.type) {
    case FieldType::Text:
        value->text = isText ? literal.text : std::to_wstring(literal.number);
        return true;
    case FieldType::Date:
        return isText && ParseDateText(literal.text, picture, &value->date);
    case FieldType::Integer:
    case FieldType::Boolean: {
        long long n = literal.number;
        if (isText && !ParseInteger(literal.text, &n))
            return false;
        value->number = field.type == FieldType::Boolean ? (n != 0 ? 1 : 0) : n;
        return true;
    }
    }
    return false;
}

class Parser {
public:
    Parser(ItemKind kind, const std::wstring& query, const std::wstring& picture)
        : kind_(kind), lexer_(query), picture_(picture)
    {
        Advance();
    }

    std::unique_ptr<Restriction::Node> Query()
    {
        auto root = Or();
        if (!root || token_.kind != TokenKind::End)
            return nullptr;
        return root;
    }

private:
    using NodePtr = std::unique_ptr<Restriction::Node>;

    void Advance() { token_ = lexer_.Next(); }

    // Parts joined by one operator, each read by the next tighter rule.
    NodePtr Chain(Restriction::Node::Kind kind, TokenKind joiner, NodePtr (Parser::*part)())
    {
        NodePtr first = (this->*part)();
        if (!first || token_.kind != joiner)
            return first;
        auto node = std::make_unique<Restriction::Node>();
        node->kind = kind;
        node->parts.push_back(std::move(first));
        while (token_.kind == joiner) {
            Advance();
            NodePtr next = (this->*part)();
            if (!next)
                return nullptr;
            node->parts.push_back(std::move(next));
        }
        return node;
    }

    NodePtr Or() { return Chain(Restriction::Node::Kind::Or, TokenKind::Or, &Parser::And); }
    NodePtr And() { return Chain(Restriction::Node::Kind::And, TokenKind::And, &Parser::Factor); }

    NodePtr Factor()
    {
        if (token_.kind == TokenKind::Open) {
            if (++depth_ > kMaxNesting)
                return nullptr;
            Advance();
            NodePtr inner = Or();
            if (!inner || token_.kind != TokenKind::Close)
                return nullptr;
            --depth_;
            Advance();
            return inner;
        }
        if (token_.kind != TokenKind::Property)
            return nullptr;
        auto node = std::make_unique<Restriction::Node>();
        node->field = FindField(kind_, token_.text);
        if (!node->field)
            return nullptr;
        Advance();
        if (token_.kind != TokenKind::Operator)
            return nullptr;
        node->op = token_.op;
        Advance();
        if (token_.kind != TokenKind::Text && token_.kind != TokenKind::Number)
            return nullptr;
        if (!LiteralValue(*node->field, token_, picture_, &node->value))
            return nullptr;
        Advance();
        return node;
    }

    ItemKind kind_;
    Lexer lexer_;
    const std::wstring& picture_;
    Token token_;
    int depth_ = 0;  // parentheses open
};

int Sign(double difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int CompareValues(const FieldValue& item, const FieldValue& literal)
{
    switch (literal.type) {
    case FieldType::Text:
        return CompareTextIgnoringCase(item.text, literal.text);
    case FieldType::Date:
        // Whole seconds: the values come from minutes and dates.
        return Sign(std::floor(item.date * 86400.0 + 0.5) - std::floor(literal.date * 86400.0 + 0.5));
    case FieldType::Integer:
    case FieldType::Boolean:
        return item.number < literal.number ? -1 : (item.number > literal.number ? 1 : 0);
    }
    return 0;
}

bool Holds(CompareOp op, int order)
{
    switch (op) {
    case CompareOp::Equal: return order == 0;
    case CompareOp::NotEqual: return order != 0;
    case CompareOp::Less: return order < 0;
    case CompareOp::LessOrEqual: return order <= 0;
    case CompareOp::Greater: return order > 0;
    case CompareOp::GreaterOrEqual: return order >= 0;
    }
    return false;
}

bool Evaluate(const Restriction::Node& node, const FieldSource& item)
{
    switch (node.kind) {
    case Restriction::Node::Kind::And:
        return std::all_of(node.parts.begin(), node.parts.end(), [&](const auto& part) { return Evaluate(*part, item); });
    case Restriction::Node::Kind::Or:
        return std::any_of(node.parts.begin(), node.parts.end(), [&](const auto& part) { return Evaluate(*part, item); });
    case Restriction::Node::Kind::Condition: break;
    }
    return Holds(node.op, CompareValues(item.Value(*node.field), node.value));
}

StartWindow WindowOf(const Restriction::Node& node, double durationDays)
{
    StartWindow window;
    if (node.kind == Restriction::Node::Kind::And) {
        for (const auto& part : node.parts) {
            StartWindow one = WindowOf(*part, durationDays);
            window.from = std::max(window.from, one.from);
            window.to = std::min(window.to, one.to);
        }
        return window;
    }
    if (node.kind == Restriction::Node::Kind::Or) {
        // The hull of the parts that can hold at all.
        StartWindow hull;
        hull.from = std::numeric_limits<double>::infinity();
        hull.to = -std::numeric_limits<double>::infinity();
        for (const auto& part : node.parts) {
            StartWindow one = WindowOf(*part, durationDays);
            if (one.Empty())
                continue;
            hull.from = std::min(hull.from, one.from);
            hull.to = std::max(hull.to, one.to);
        }
        return hull;
    }
    double shift;
    if (node.field->prop == kPropStart)
        shift = 0;
    else if (node.field->prop == kPropEnd)
        shift = durationDays;
    else
        return window;
    double bound = node.value.date - shift;
    switch (node.op) {
    case CompareOp::Less:
    case CompareOp::LessOrEqual: window.to = bound; break;
    case CompareOp::Greater:
    case CompareOp::GreaterOrEqual: window.from = bound; break;
    case CompareOp::Equal: window.from = window.to = bound; break;
    case CompareOp::NotEqual: break;
    }
    return window;
}

std::wstring Folded(const std::wstring& text)
{
    std::wstring folded = text;
    if (!folded.empty())
        CharUpperBuffW(folded.data(), static_cast<DWORD>(folded.size()));
    return folded;
}

}  // namespace

int CompareTextIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return Folded(a).compare(Folded(b));
}

std::unique_ptr<Restriction> Restriction::Parse(ItemKind kind, const std::wstring& query,
                                                const std::wstring& datePicture)
{
    Parser parser(kind, query, datePicture);
    std::unique_ptr<Node> root = parser.Query();
    if (!root)
        return nullptr;
    return std::unique_ptr<Restriction>(new Restriction(std::move(root)));
}

Restriction::Restriction(std::unique_ptr<Node> root) : root_(std::move(root)) {}
Restriction::~Restriction() = default;

bool Restriction::Matches(const FieldSource& item) const
{
    return Evaluate(*root_, item);
}

StartWindow Restriction::StartWindowFor(double durationDays) const
{
    return WindowOf(*root_, durationDays);
}

}  // namespace poom
