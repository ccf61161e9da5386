// Reading a compiled gettext catalog (see MessageCatalog.h).
//
// The file: a header of 32-bit words (magic 0x950412de in the writer's byte
// order, revision, string count N, offsets of the source and translation
// tables), then two tables of N (length, offset) pairs. Each string is
// length bytes at offset followed by a NUL; a plural entry's source is
// "singular\0plural" and its translation the forms separated by NULs. The
// entry with the empty source is the header, whose Plural-Forms line gives
// the rule.
#include "i18n/MessageCatalog.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;
constexpr std::size_t kHeaderSize = 20;

std::uint32_t Swap(std::uint32_t word) {
    return (word >> 24) | ((word >> 8) & 0xff00) | ((word << 8) & 0xff0000) | (word << 24);
}

class CMoReader {
public:
    CMoReader(std::string_view bytes, bool swapped) : bytes_(bytes), swapped_(swapped) {}

    std::uint32_t Word(std::size_t offset) const {
        std::uint32_t word = 0;
        std::memcpy(&word, bytes_.data() + offset, sizeof word);
        return swapped_ ? Swap(word) : word;
    }

    // String index of the table at tableOffset, checked against the file's end.
    CErrorOr<std::string_view> String(std::uint32_t tableOffset, std::uint32_t index) const {
        const std::uint64_t entry = std::uint64_t{tableOffset} + std::uint64_t{index} * 8;
        if (entry + 8 > bytes_.size()) return CFailure{"a string table runs past the end"};
        const std::uint64_t length = Word(static_cast<std::size_t>(entry));
        const std::uint64_t offset = Word(static_cast<std::size_t>(entry + 4));
        if (offset + length >= bytes_.size()) return CFailure{"a string runs past the end"};
        if (bytes_[static_cast<std::size_t>(offset + length)] != '\0')
            return CFailure{"a string lacks its NUL"};
        return bytes_.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    }

private:
    std::string_view bytes_;
    bool swapped_;
};

std::vector<std::string> SplitAtNul(std::string_view text) {
    std::vector<std::string> parts;
    for (;;) {
        const std::size_t end = text.find('\0');
        parts.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

// The value of the header line "Name: value".
std::string_view HeaderField(std::string_view header, std::string_view name) {
    for (std::size_t at = 0; at < header.size();) {
        const std::size_t end = std::min(header.find('\n', at), header.size());
        const std::string_view line = header.substr(at, end - at);
        if (line.size() > name.size() && line.substr(0, name.size()) == name && line[name.size()] == ':')
            return line.substr(name.size() + 1);
        at = end + 1;
    }
    return {};
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string shown(text.substr(0, std::min(text.find('\0'), kShown)));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return "\"" + shown + (text.size() > kShown ? "...\"" : "\"");
}

}  // namespace

std::vector<std::string> FormatConversions(std::string_view text) {
    std::vector<std::string> conversions;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') continue;
        std::size_t j = i + 1;
        while (j < text.size() && std::strchr("-+ #0", text[j]) && text[j]) ++j;
        while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '*')) ++j;
        if (j < text.size() && text[j] == '.') {
            ++j;
            while (j < text.size() && (std::isdigit(static_cast<unsigned char>(text[j])) || text[j] == '*'))
                ++j;
        }
        std::string length;
        while (j < text.size() && std::strchr("hlLqjzt", text[j]) && text[j]) length += text[j++];
        if (j < text.size() && text[j] == '%' && j == i + 1) {
            i = j;  // "%%"
            continue;
        }
        if (j < text.size() && text[j] && std::strchr("diouxXeEfFgGaAcspn", text[j])) {
            conversions.push_back(length + text[j]);
            i = j;
        }
    }
    return conversions;
}

CErrorOr<CMessageCatalog> CMessageCatalog::Parse(std::string_view bytes) {
    if (bytes.size() < kHeaderSize) return CFailure{"too short for a catalog"};
    std::uint32_t magic = 0;
    std::memcpy(&magic, bytes.data(), sizeof magic);
    if (magic != kMagic && magic != kSwappedMagic)
        return CFailure{"not a compiled catalog (wrong magic number)"};
    const CMoReader reader(bytes, magic == kSwappedMagic);
    if (reader.Word(4) >> 16 > 1) return CFailure{"a catalog revision this reader does not know"};
    const std::uint32_t count = reader.Word(8);
    const std::uint32_t sources = reader.Word(12);
    const std::uint32_t translations = reader.Word(16);
    if (std::uint64_t{count} * 8 > bytes.size()) return CFailure{"more strings than the file can hold"};

    CMessageCatalog catalog;
    for (std::uint32_t i = 0; i < count; ++i) {
        const CErrorOr<std::string_view> source = reader.String(sources, i);
        if (!source) return CFailure{source.Reason()};
        const CErrorOr<std::string_view> translation = reader.String(translations, i);
        if (!translation) return CFailure{translation.Reason()};
        const std::vector<std::string> sourceForms = SplitAtNul(*source);
        std::vector<std::string> forms = SplitAtNul(*translation);
        if (sourceForms.front().empty()) {
            const std::string_view rule = HeaderField(*translation, "Plural-Forms");
            if (rule.empty()) continue;
            CErrorOr<CPluralForms> plural = CPluralForms::Parse(rule);
            if (!plural) return CFailure{"its Plural-Forms cannot be read: " + plural.Reason()};
            catalog.plural_ = std::move(plural).Value();
            continue;
        }
        for (std::size_t form = 0; form < forms.size(); ++form) {
            const std::string& matching = sourceForms[std::min(form, sourceForms.size() - 1)];
            if (FormatConversions(forms[form]) != FormatConversions(matching))
                return CFailure{"the translation of " + Quoted(matching) + " changes its conversions"};
        }
        catalog.entries_[sourceForms.front()] = std::move(forms);
    }
    return catalog;
}

std::string CMessageCatalog::AllTranslations() const {
    std::string all;
    for (const auto& [source, forms] : entries_)
        for (const std::string& form : forms) all += form;
    return all;
}

const std::string* CMessageCatalog::Find(std::string_view source) const {
    const auto found = entries_.find(std::string(source));
    return found == entries_.end() || found->second.front().empty() ? nullptr : &found->second.front();
}

const std::string* CMessageCatalog::FindPlural(std::string_view singular, unsigned long n) const {
    const auto found = entries_.find(std::string(singular));
    if (found == entries_.end()) return nullptr;
    const std::size_t form = static_cast<std::size_t>(plural_.FormFor(n));
    if (form >= found->second.size() || found->second[form].empty()) return nullptr;
    return &found->second[form];
}
