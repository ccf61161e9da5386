// CMessageCatalog: the translations of one language, read from a compiled
// gettext catalog (a .mo file, as msgfmt writes it) held whole in memory.
// The reader trusts nothing in the file: a bad magic number or revision, a
// table or string past the end, a string without its NUL, a header whose
// plural rule cannot be read, or a translation whose printf conversions
// differ from its source's is refused with one line saying what is wrong.
#pragma once

#include "base/ErrorOr.h"
#include "i18n/PluralForms.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CMessageCatalog {
public:
    static CErrorOr<CMessageCatalog> Parse(std::string_view bytes);

    // The translation of source, or null when the catalog has none.
    const std::string* Find(std::string_view source) const;
    // The form of the plural entry singular for the number n, or null.
    const std::string* FindPlural(std::string_view singular, unsigned long n) const;

    int Size() const { return static_cast<int>(entries_.size()); }
    // Every translation, one after the other: what the font must draw.
    std::string AllTranslations() const;
    const CPluralForms& PluralForms() const { return plural_; }

private:
    CPluralForms plural_;
    // By source text (a plural entry by its singular): one translation, or one per plural form.
    std::unordered_map<std::string, std::vector<std::string>> entries_;
};

// The printf conversions of a text in order ("%d%5.2f" gives "d", "f"), the
// way a translation must keep them; "%%" and a lone '%' are not conversions.
std::vector<std::string> FormatConversions(std::string_view text);
