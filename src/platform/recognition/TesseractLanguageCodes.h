#pragma once

#include <QString>
#include <QStringList>

// The one table between Tesseract's language pack names and the BCP 47 codes
// the rest of the program speaks. A code is the language subtag, plus a
// script subtag only where Tesseract has script variants of one language
// (srp / srp_latn → sr / sr-Latn). Pack variants that BCP 47 has no subtag for
// (old spellings, vertical writing) get a private-use subtag ("it-x-old",
// "ja-x-vert"), so that the mapping stays one-to-one and the language list
// files them under their language.
namespace TesseractLanguageCodes {

// The BCP 47 code of a pack ("chi_sim" → "zh-Hans"); empty when the pack is
// not a language this table knows ("osd", "equ", a self-made pack).
QString toBcp47(const QString& tesseractCode);

// The pack of a BCP 47 code, compared without regard to case ("zh-hans" →
// "chi_sim"); empty when no pack reads that code.
QString toTesseract(const QString& bcp47Code);

// The BCP 47 code for either kind of code, in any case ("eng" and "EN" →
// "en", "chi_sim" → "zh-Hans"); empty when it is neither.
QString canonical(const QString& code);

// The ISO 15924 script the pack reads ("heb" → "Hebr"); empty when unknown.
QString script(const QString& tesseractCode);

// Whether the pack reads the language as it is written today: false for old
// spellings, historic languages and vertical writing.
bool isContemporary(const QString& tesseractCode);

// The Debian package that installs the pack ("chi_sim" → "tesseract-ocr-chi-sim").
QString debianPackage(const QString& tesseractCode);

// Every pack in the table, in table order.
QStringList tesseractCodes();

} // namespace TesseractLanguageCodes
