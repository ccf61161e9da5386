// Fuzz target: a compiled message catalog. Whatever the bytes, the reader
// either refuses them with a short one-line reason or gives a catalog whose
// lookups stay inside it; the plural rule is read from the same bytes too.
#include "FuzzCheck.h"
#include "i18n/MessageCatalog.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const CErrorOr<CPluralForms> rule = CPluralForms::Parse(bytes); rule) {
        for (const unsigned long n : {0ul, 1ul, 2ul, 11ul, 101ul, ~0ul})
            FuzzCheck(rule->FormFor(n) >= 0 && rule->FormFor(n) < rule->Count(), "a plural form is in range");
    } else {
        CheckMessage(rule.Reason());
    }
    const CErrorOr<CMessageCatalog> catalog = CMessageCatalog::Parse(bytes);
    if (!catalog) {
        CheckMessage(catalog.Reason());
        return 0;
    }
    for (const unsigned long n : {0ul, 1ul, 5ul}) {
        const std::string* form = catalog->FindPlural("", n);
        FuzzCheck(!form || form->size() <= size, "a translation comes from the file");
    }
    return 0;
}
