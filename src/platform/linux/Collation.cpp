#include "platform/Collation.h"

#include "platform/AsciiText.h"
#include "platform/UserError.h"

#include <unicode/ucasemap.h>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/uloc.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace korvane {
namespace {

struct CollatorClose {
    void operator()(UCollator* collator) const { ucol_close(collator); }
};
using Collator = std::unique_ptr<UCollator, CollatorClose>;

// The user's locale, except the POSIX one, whose tailoring orders ASCII by code point and so tells letter
// case apart; root stands in for it.
const char* collationLocale() {
    const char* locale = uloc_getDefault();
    if (locale == nullptr || std::strncmp(locale, "en_US_POSIX", 11) == 0 || std::strcmp(locale, "c") == 0) {
        return "";
    }
    return locale;
}

Collator openCollator() {
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open(collationLocale(), &status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator.reset(ucol_open("", &status));
    }
    if (U_FAILURE(status)) {
        throw UserError("The collation data is not available");
    }
    // Secondary strength ignores case but keeps accents; punctuation is not ignorable, so it sorts before
    // digits and letters instead of vanishing from the comparison.
    ucol_setStrength(collator.get(), UCOL_SECONDARY);
    ucol_setAttribute(collator.get(), UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
    return collator;
}

const UCollator* collator() {
    static const Collator instance = openCollator();
    return instance.get();
}

struct CaseMapClose {
    void operator()(UCaseMap* map) const { ucasemap_close(map); }
};

const UCaseMap* caseMap() {
    static const std::unique_ptr<UCaseMap, CaseMapClose> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<UCaseMap, CaseMapClose> map(ucasemap_open("", U_FOLD_CASE_DEFAULT, &status));
        if (U_FAILURE(status)) {
            throw UserError("The case folding data is not available");
        }
        return map;
    }();
    return instance.get();
}

} // namespace

int collate(std::string_view a, std::string_view b) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = ucol_strcollUTF8(collator(), a.data(), static_cast<std::int32_t>(a.size()),
                                                     b.data(), static_cast<std::int32_t>(b.size()), &status);
    if (U_FAILURE(status)) {
        return a.compare(b);
    }
    return result == UCOL_LESS ? -1 : (result == UCOL_GREATER ? 1 : 0);
}

std::string caseFoldKey(std::string_view text) {
    if (isAscii(text)) {
        return asciiLowered(text);
    }
    std::string key(text);
    // Full folding may lengthen the text (ß folds to ss); ill-formed bytes pass through unchanged.
    key.resize(text.size() * 3 + 16);
    UErrorCode status = U_ZERO_ERROR;
    const std::int32_t length = ucasemap_utf8FoldCase(caseMap(), key.data(), static_cast<std::int32_t>(key.size()),
                                                      text.data(), static_cast<std::int32_t>(text.size()), &status);
    if (U_FAILURE(status)) {
        return std::string(text);
    }
    key.resize(static_cast<std::size_t>(length));
    return key;
}

char32_t foldedCharacter(char32_t c) {
    if (c < 0x80) {
        return static_cast<char32_t>(asciiLower(static_cast<char>(c)));
    }
    return c > 0x10FFFF ? c : static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

} // namespace korvane
