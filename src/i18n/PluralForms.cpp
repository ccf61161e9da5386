// Reading and evaluating a catalog's plural rule (see PluralForms.h).
#include "i18n/PluralForms.h"

#include <cctype>
#include <string>

namespace {

constexpr int kMaxDepth = 100;
// Real rules take a line; a longer one would nest its operators deeper than the stack.
constexpr std::size_t kLongestRule = 1000;
constexpr int kMaxForms = 100;

// A recursive-descent parser over the expression after "plural=".
class CExpressionParser {
public:
    CExpressionParser(std::string_view text, std::vector<CPluralForms::Node>& nodes)
        : text_(text), nodes_(nodes) {}

    CErrorOr<int> Whole() {
        const int root = Conditional(0);
        Skip();
        if (!error_.empty()) return CFailure{error_};
        if (pos_ < text_.size() && text_[pos_] != ';') return CFailure{Unexpected()};
        return root;
    }

private:
    std::string Unexpected() const {
        const char c = text_[pos_];
        return std::isgraph(static_cast<unsigned char>(c)) ? "unexpected '" + std::string(1, c) + "'"
                                                           : "unexpected character";
    }
    void Skip() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    }
    bool Take(std::string_view token) {
        Skip();
        if (text_.substr(pos_, token.size()) != token) return false;
        // "<" must not take the start of "<=", nor "!" of "!=", nor "=" alone stand for "==".
        pos_ += token.size();
        return true;
    }
    bool Peek(std::string_view token) {
        Skip();
        return text_.substr(pos_, token.size()) == token;
    }
    int Add(CPluralForms::Node node) {
        nodes_.push_back(node);
        return static_cast<int>(nodes_.size()) - 1;
    }
    int Fail(const std::string& reason) {
        if (error_.empty()) error_ = reason;
        return Add({'#'});
    }

    int Conditional(int depth) {
        if (depth > kMaxDepth) return Fail("the expression nests too deeply");
        const int condition = Binary(0, depth);
        if (!Take("?")) return condition;
        const int yes = Conditional(depth + 1);
        if (!Take(":")) return Fail("a '?' without its ':'");
        const int no = Conditional(depth + 1);
        return Add({'?', 0, condition, yes, no});
    }

    // Binary operators by level, loosest first.
    int Binary(int level, int depth) {
        static constexpr std::string_view kLevels[][3] = {
            {"||"}, {"&&"}, {"==", "!="}, {"<=", ">=", "<"}, {"+", "-"}, {"*", "/", "%"}};
        static constexpr char kOps[][3] = {{'|'},           {'&'},      {'=', 'x'},
                                           {'l', 'g', '<'}, {'+', '-'}, {'*', '/', '%'}};
        if (level == 6) return Unary(depth);
        int left = Binary(level + 1, depth);
        for (;;) {
            char op = 0;
            for (int i = 0; i < 3 && !op; ++i) {
                const std::string_view token = kLevels[level][i];
                if (token.empty()) break;
                if (Peek(token) && !(token == "<" && Peek("<="))) {
                    Take(token);
                    op = kOps[level][i];
                }
            }
            if (!op && level == 3 && Peek(">") && !Peek(">=")) {
                Take(">");
                op = '>';
            }
            if (!op || !error_.empty()) return left;
            const int right = Binary(level + 1, depth);
            left = Add({op, 0, left, right});
        }
    }

    int Unary(int depth) {
        if (depth > kMaxDepth) return Fail("the expression nests too deeply");
        if (Peek("!") && !Peek("!=")) {
            Take("!");
            return Add({'!', 0, Unary(depth + 1)});
        }
        if (Take("(")) {
            const int inner = Conditional(depth + 1);
            if (!Take(")")) return Fail("a '(' without its ')'");
            return inner;
        }
        if (Take("n")) return Add({'n'});
        Skip();
        if (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            unsigned long value = 0;
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
                if (value > 99999999) return Fail("a number too large");
                value = value * 10 + static_cast<unsigned long>(text_[pos_++] - '0');
            }
            return Add({'#', value});
        }
        return Fail(pos_ < text_.size() ? Unexpected() : "the expression ends too soon");
    }

    std::string_view text_;
    std::vector<CPluralForms::Node>& nodes_;
    std::size_t pos_ = 0;
    std::string error_;
};

// The value after "name=" in header, up to its ';' (or the end).
std::string_view Field(std::string_view header, std::string_view name) {
    for (std::size_t at = header.find(name); at != std::string_view::npos; at = header.find(name, at + 1)) {
        if (at > 0 && std::isalpha(static_cast<unsigned char>(header[at - 1]))) continue;
        std::size_t pos = at + name.size();
        while (pos < header.size() && header[pos] == ' ') ++pos;
        if (pos < header.size() && header[pos] == '=') return header.substr(pos + 1);
    }
    return {};
}

}  // namespace

CPluralForms::CPluralForms() {
    nodes_ = {{'n'}, {'#', 1}, {'x', 0, 0, 1}};
    root_ = 2;
}

CErrorOr<CPluralForms> CPluralForms::Parse(std::string_view header) {
    const std::string_view countText = Field(header, "nplurals");
    const std::string_view expression = Field(header, "plural");
    if (countText.empty() || expression.empty()) return CFailure{"no nplurals= and plural="};
    if (expression.substr(0, expression.find(';')).size() > kLongestRule)
        return CFailure{"the plural rule is too long"};
    int count = 0;
    std::size_t pos = 0;
    while (pos < countText.size() && countText[pos] == ' ') ++pos;
    for (; pos < countText.size() && std::isdigit(static_cast<unsigned char>(countText[pos])); ++pos) {
        count = count * 10 + (countText[pos] - '0');
        if (count > kMaxForms) return CFailure{"more than 100 plural forms"};
    }
    if (count < 1) return CFailure{"nplurals is not a number of at least 1"};

    CPluralForms forms;
    forms.count_ = count;
    forms.nodes_.clear();
    CExpressionParser parser(expression, forms.nodes_);
    const CErrorOr<int> root = parser.Whole();
    if (!root) return CFailure{"plural=: " + root.Reason()};
    forms.root_ = *root;
    return forms;
}

int CPluralForms::FormFor(unsigned long n) const {
    const unsigned long form = Evaluate(root_, n);
    return form < static_cast<unsigned long>(count_) ? static_cast<int>(form) : 0;
}

unsigned long CPluralForms::Evaluate(int index, unsigned long n) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    switch (node.op) {
        case 'n':
            return n;
        case '#':
            return node.value;
        case '!':
            return !Evaluate(node.a, n);
        case '?':
            return Evaluate(node.a, n) ? Evaluate(node.b, n) : Evaluate(node.c, n);
        case '|':
            return Evaluate(node.a, n) || Evaluate(node.b, n);
        case '&':
            return Evaluate(node.a, n) && Evaluate(node.b, n);
        default:
            break;
    }
    const unsigned long a = Evaluate(node.a, n);
    const unsigned long b = Evaluate(node.b, n);
    switch (node.op) {
        case '=':
            return a == b;
        case 'x':
            return a != b;
        case '<':
            return a < b;
        case '>':
            return a > b;
        case 'l':
            return a <= b;
        case 'g':
            return a >= b;
        case '+':
            return a + b;
        case '-':
            return a - b;
        case '*':
            return a * b;
        case '/':
            return b ? a / b : 0;
        case '%':
            return b ? a % b : 0;
        default:
            return 0;
    }
}
