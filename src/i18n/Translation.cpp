// The chosen language's catalog and the lookups through it (see Translation.h).
#include "i18n/Translation.h"

namespace {

std::shared_ptr<const CMessageCatalog>& Chosen() {
    static std::shared_ptr<const CMessageCatalog> catalog;
    return catalog;
}

}  // namespace

const char* Tr(const char* source) {
    const CMessageCatalog* catalog = Chosen().get();
    const std::string* translation = catalog ? catalog->Find(source) : nullptr;
    return translation ? translation->c_str() : source;
}

std::string Tr(const std::string& source) { return Tr(source.c_str()); }

const char* TrN(const char* singular, const char* plural, unsigned long n) {
    const CMessageCatalog* catalog = Chosen().get();
    if (!catalog) return singular;
    if (const std::string* translation = catalog->FindPlural(singular, n)) return translation->c_str();
    return n == 1 ? singular : plural;
}

void UseCatalog(std::shared_ptr<const CMessageCatalog> catalog) { Chosen() = std::move(catalog); }

std::shared_ptr<const CMessageCatalog> CurrentCatalog() { return Chosen(); }

CSourceTexts::CSourceTexts() : saved_(std::move(Chosen())) { Chosen() = nullptr; }

CSourceTexts::~CSourceTexts() { Chosen() = std::move(saved_); }
