#include "history/HistorySearch.h"

#include <unicode/ucol.h>
#include <unicode/usearch.h>

struct HistorySearch::Engine {
    UCollator* collator = nullptr;
    UStringSearch* search = nullptr;
    ~Engine() {
        if (search)
            usearch_close(search);
        if (collator)
            ucol_close(collator);
    }
};

namespace {

const UChar* units(QStringView text) {
    return reinterpret_cast<const UChar*>(text.utf16());
}

} // namespace

HistorySearch::HistorySearch(const QString& searchText, const QString& localeName)
    : searchText_(searchText) {
    if (searchText_.isEmpty())
        return;
    auto engine = std::make_unique<Engine>();
    UErrorCode status = U_ZERO_ERROR;
    engine->collator = ucol_open(localeName.toLatin1().constData(), &status);
    if (U_FAILURE(status))
        return;
    ucol_setStrength(engine->collator, UCOL_PRIMARY);
    // A search text made only of what the collator ignores at this strength
    // (a lone combining accent, a zero-width space) would match nothing at
    // all; such texts are searched for as they are, ignoring case.
    const auto length = int32_t(searchText_.size());
    if (ucol_strcoll(engine->collator, units(searchText_), length, nullptr, 0) == UCOL_EQUAL)
        return;
    // The search needs a text to start with; the real ones come in matches().
    engine->search = usearch_openFromCollator(units(searchText_), length, units(searchText_),
                                              length, engine->collator, nullptr, &status);
    if (U_FAILURE(status)) {
        engine->search = nullptr;
        return;
    }
    engine_ = std::move(engine);
}

HistorySearch::~HistorySearch() = default;

bool HistorySearch::matches(QStringView text) {
    if (searchText_.isEmpty())
        return true;
    if (text.isEmpty())
        return false;
    if (!engine_)
        return text.contains(searchText_, Qt::CaseInsensitive);
    UErrorCode status = U_ZERO_ERROR;
    // ICU's lengths are 32-bit; no capture comes near 2^31 units, but a
    // text that did is searched in its first part rather than wrongly.
    const auto length = int32_t(qMin<qsizetype>(text.size(), INT32_MAX));
    usearch_setText(engine_->search, units(text), length, &status);
    if (U_FAILURE(status))
        return false;
    const int32_t found = usearch_first(engine_->search, &status);
    return U_SUCCESS(status) && found != USEARCH_DONE;
}
