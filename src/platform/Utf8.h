// UTF-8 to code points for text layout. Malformed sequences (stray
// continuation bytes, truncated or overlong forms, surrogates) each become
// U+FFFD, so bad input draws a replacement mark instead of failing.
#pragma once

#include <string>
#include <string_view>

std::u32string DecodeUtf8(std::string_view text);
