// The key table: every key but letters and Other has exactly one row, and
// no two rows share a name in scripts or in the page, so that each name
// reads back as the key it was written for. Every controller button has one
// row, and acts as a key of the table.
#include "platform/KeyTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace {

TEST(KeyTableTest, EveryKeyHasOneRowAndEveryNameOneKey) {
    using Key = KeyChord::Key;
    std::set<std::string_view> scriptNames;
    std::set<std::string_view> pageNames;
    for (const CKeyRow& row : kKeyTable) {
        SCOPED_TRACE(row.scriptName);
        EXPECT_EQ(KeyRowOf(row.key), &row);
        EXPECT_TRUE(scriptNames.insert(row.scriptName).second);
        if (!row.scriptAlias.empty()) {
            EXPECT_TRUE(scriptNames.insert(row.scriptAlias).second);
        }
        if (!row.pageName.empty()) {
            EXPECT_TRUE(pageNames.insert(row.pageName).second);
        }
        // A single-letter name would read as a letter.
        EXPECT_FALSE(row.scriptName.size() == 1 && row.scriptName[0] >= 'a' && row.scriptName[0] <= 'z');
    }
    for (int k = 0; k <= static_cast<int>(Key::Other); ++k) {
        const auto key = static_cast<Key>(k);
        EXPECT_EQ(KeyRowOf(key) == nullptr, key == Key::Letter || key == Key::Other) << k;
    }
}

TEST(KeyTableTest, EveryPadButtonHasOneRowActingAsAKeyOfTheTable) {
    std::set<PadButton> buttons;
    for (const CPadRow& row : kPadTable) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(buttons.insert(row.button).second);
        EXPECT_NE(KeyRowOf(row.key), nullptr);
        EXPECT_EQ(PadKeyOf(row.button), row.key);
    }
    EXPECT_EQ(buttons.size(), static_cast<std::size_t>(PadButton::Back) + 1);
}

}  // namespace
