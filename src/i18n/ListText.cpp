// Joining names with the language's list separator.
#include "i18n/ListText.h"

#include "i18n/Translation.h"

std::string ListText(const std::vector<std::string>& names) {
    std::string list;
    // TRANSLATORS: what separates the names of a list inside a sentence.
    for (const std::string& name : names) list += (list.empty() ? "" : Tr("、")) + name;
    return list;
}
