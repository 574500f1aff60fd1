#include "history/HistoryDateFormat.h"

#include <QLocale>

#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

struct HistoryDateFormat::Formats {
    std::unique_ptr<icu::SimpleDateFormat> thisYear;
    std::unique_ptr<icu::SimpleDateFormat> otherYear;
};

namespace {

// The locale's own pattern for the fields of a skeleton ("j" is the hour in
// the locale's preferred cycle, with its AM/PM marker where it uses one).
std::unique_ptr<icu::SimpleDateFormat> formatFor(const icu::Locale& locale,
                                                 icu::DateTimePatternGenerator& generator,
                                                 const char16_t* skeleton) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString pattern = generator.getBestPattern(skeleton, status);
    if (U_FAILURE(status))
        return nullptr;
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, locale, status);
    return U_SUCCESS(status) ? std::move(format) : nullptr;
}

} // namespace

HistoryDateFormat::HistoryDateFormat(const QString& localeName)
    : formats_(std::make_unique<Formats>()) {
    const icu::Locale locale(localeName.toLatin1().constData());
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(locale, status));
    if (U_FAILURE(status))
        return;
    formats_->thisYear = formatFor(locale, *generator, u"dMMMjmm");
    formats_->otherYear = formatFor(locale, *generator, u"yMMMdjmm");
}

HistoryDateFormat::~HistoryDateFormat() = default;

QString HistoryDateFormat::format(const QDateTime& date, const QDate& today) const {
    const QDateTime local = date.toLocalTime();
    const icu::SimpleDateFormat* format =
        local.date().year() == today.year() ? formats_->thisYear.get() : formats_->otherYear.get();
    if (!format) // no locale data: Qt's short format still says when
        return QLocale().toString(local, QLocale::ShortFormat);
    icu::UnicodeString text;
    format->format(UDate(date.toMSecsSinceEpoch()), text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}
