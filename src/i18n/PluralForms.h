// CPluralForms: which of a catalog's plural forms a number takes, read from
// the "Plural-Forms: nplurals=2; plural=(n != 1);" line of a catalog's
// header. The expression is C's: the number n, decimal constants, ! * / %
// + - < > <= >= == != && || ?: and brackets, evaluated in unsigned long
// arithmetic; a division by zero gives 0. Length and nesting are limited,
// so that a hostile header cannot exhaust the stack.
#pragma once

#include "base/ErrorOr.h"

#include <string_view>
#include <vector>

class CPluralForms {
public:
    // English's rule: one form for 1, the other for every other number.
    CPluralForms();

    // The rule from a header's Plural-Forms value; fails with why it cannot be read.
    static CErrorOr<CPluralForms> Parse(std::string_view header);

    int Count() const { return count_; }
    // The form for n, always in [0, Count()).
    int FormFor(unsigned long n) const;

    struct Node {
        char op;  // 'n', '#' (a constant), '!', '?', or a binary operator ('&' for &&, '|' for ||,
                  // '=' for ==, 'x' for !=, 'l' for <=, 'g' for >=, or the character itself)
        unsigned long value = 0;
        int a = -1, b = -1, c = -1;  // operands, indexes into nodes_
    };

private:
    unsigned long Evaluate(int node, unsigned long n) const;

    int count_ = 2;
    std::vector<Node> nodes_;
    int root_ = -1;
};
