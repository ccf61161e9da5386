// The language the game speaks. The game's texts are written in Chinese in
// the sources and shown through Tr, which gives the chosen catalog's
// translation, or the text itself when there is none (Chinese needs no
// catalog). xgettext finds the texts by these names (data/po/):
//
//     label->SetLabel(Tr("等级"));
//     // TRANSLATORS: a comment before the call reaches the translator.
//     FormatText(TrN("%d个技能", "%d个技能", count), count);
//     monsters_.Add({TrMark("蝗虫"), ...});  // kept in Chinese, translated where shown
//
// Texts that leave the program as data (the `state` line, recordings) stay
// Chinese: they are made inside a CSourceTexts scope, or never pass Tr.
#pragma once

#include "i18n/MessageCatalog.h"

#include <memory>
#include <string>

// The translation of source in the chosen language.
const char* Tr(const char* source) __attribute__((format_arg(1)));
std::string Tr(const std::string& source);
// The form for n of a text with a number in it; Chinese has one form.
const char* TrN(const char* singular, const char* plural, unsigned long n)
    __attribute__((format_arg(1), format_arg(2)));

// Marks a text for the catalog where it is stored; Tr translates it where it is shown.
constexpr const char* TrMark(const char* source) { return source; }

// The catalog Tr reads from now on; null for the game's own Chinese.
void UseCatalog(std::shared_ptr<const CMessageCatalog> catalog);
std::shared_ptr<const CMessageCatalog> CurrentCatalog();

// While one lives, Tr gives the Chinese source texts.
class CSourceTexts {
public:
    CSourceTexts();
    ~CSourceTexts();
    CSourceTexts(const CSourceTexts&) = delete;
    CSourceTexts& operator=(const CSourceTexts&) = delete;

private:
    std::shared_ptr<const CMessageCatalog> saved_;
};
