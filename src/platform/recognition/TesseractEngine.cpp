#include "platform/recognition/TesseractEngine.h"

#include "platform/TextRecognizer.h"
#include "platform/recognition/CodeText.h"
#include "platform/recognition/ScreenImagePreprocessor.h"
#include "platform/recognition/TableRows.h"

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Tesseract reads some settings into process-wide variables while an engine
// starts, so two engines must not start at the same time.
std::mutex& startMutex() {
    static std::mutex mutex;
    return mutex;
}

// The custom words live in an anonymous in-memory file that Tesseract opens by
// its /proc path: they are the user's own words (names, jargon) and have no
// business on the disk, and Tesseract reads a user word list only from a file.
class MemoryFile {
public:
    explicit MemoryFile(const QByteArray& contents)
        : fd_(memfd_create("inkharbor-words", MFD_CLOEXEC)) {
        if (fd_ < 0)
            return;
        qsizetype written = 0;
        while (written < contents.size()) {
            const ssize_t n =
                ::write(fd_, contents.constData() + written, size_t(contents.size() - written));
            if (n <= 0) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
            written += n;
        }
    }
    ~MemoryFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    QByteArray path() const { return "/proc/self/fd/" + QByteArray::number(fd_); }

private:
    int fd_;
};

// Tesseract's dictionary holds single words, so phrases count word by word.
QByteArray wordList(const QStringList& customWords) {
    QByteArray list;
    QSet<QString> seen;
    for (const auto& entry : customWords) {
        for (const auto& word : entry.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts)) {
            if (!seen.contains(word)) {
                seen.insert(word);
                list += word.toUtf8() + '\n';
            }
        }
    }
    return list;
}

// A line read again on its own counts only when the engine is this sure of
// it, so that icons and rules between lines do not come back as letters.
constexpr float recoveredLineConfidence = 60;

struct StopCheck {
    const std::atomic<bool>* stop;
};

bool shouldStop(void* check, int /*words*/) {
    return static_cast<StopCheck*>(check)->stop->load();
}

// The time limit's message; a smaller area is read sooner.
QString tooLong() {
    return u"Reading the text took too long and was stopped. Try selecting a smaller area."_s;
}

} // namespace

TesseractEngine::TesseractEngine(const QString& dataPath, bool darkOnLight,
                                 const QStringList& packs, const QStringList& customWords)
    : api_(std::make_unique<tesseract::TessBaseAPI>())
    , darkOnLight_(darkOnLight) {
    const QByteArray words = wordList(customWords);
    const MemoryFile wordFile(words);
    if (!words.isEmpty() && !wordFile.isOpen())
        throw RecognitionError(u"The custom words could not be handed to text recognition."_s);

    // Init-only settings. Tesseract's own messages would land on the standard
    // error of every program using it; ours say what went wrong instead.
    std::vector<std::string> names{"debug_file"};
    std::vector<std::string> values{"/dev/null"};
    if (!words.isEmpty()) {
        names.emplace_back("user_words_file");
        values.emplace_back(wordFile.path().toStdString());
    }
    const std::lock_guard lock(startMutex());
    if (api_->Init(dataPath.toLocal8Bit().constData(), packs.join(u'+').toLatin1().constData(),
                   tesseract::OEM_LSTM_ONLY, nullptr, 0, &names, &values, false) != 0) {
        throw RecognitionError(
            u"The text recognition data for %1 could not be loaded from %2."_s.arg(
                packs.join(u", "_s), dataPath));
    }
    // With dark on light everywhere, Tesseract's second try of each doubtful
    // line upside down in brightness would only cost time.
    if (darkOnLight)
        api_->SetVariable("tessedit_do_invert", "0");
}

void TesseractEngine::setDarkOnLight(bool darkOnLight) {
    if (darkOnLight == darkOnLight_)
        return;
    darkOnLight_ = darkOnLight;
    api_->SetVariable("tessedit_do_invert", darkOnLight ? "0" : "1");
}

TesseractEngine::~TesseractEngine() {
    api_->End();
}

QList<TesseractEngine::Line>
TesseractEngine::recognize(const QImage& image, int pageSegMode,
                           std::chrono::steady_clock::time_point deadline,
                           const std::atomic<bool>& stop) {
    api_->SetPageSegMode(tesseract::PageSegMode(pageSegMode));
    api_->SetImage(image.constBits(), image.width(), image.height(), 1, int(image.bytesPerLine()));
    // Screens carry no resolution; this is what Tesseract assumes for such
    // images anyway, said here so that it does not stop to guess.
    api_->SetSourceResolution(70);

    StopCheck check{&stop};
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = &shouldStop;
    monitor.cancel_this = &check;
    const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (remaining.count() <= 0)
        throw RecognitionError(tooLong());
    monitor.set_deadline_msecs(int(std::min<qint64>(remaining.count(), INT32_MAX)));
    if (api_->Recognize(&monitor) != 0) {
        api_->Clear();
        throw RecognitionError(stop.load() ? u"Text recognition was stopped."_s : tooLong());
    }

    QList<Line> lines;
    std::unique_ptr<tesseract::ResultIterator> it(api_->GetIterator());
    if (it && !it->Empty(tesseract::RIL_TEXTLINE)) {
        do {
            const std::unique_ptr<char[]> utf8(it->GetUTF8Text(tesseract::RIL_TEXTLINE));
            QString text = QString::fromUtf8(utf8.get());
            while (text.endsWith(u'\n'))
                text.chop(1);
            int left = 0, top = 0, right = 0, bottom = 0;
            if (!text.isEmpty() &&
                it->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom)) {
                lines << Line{text, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                              it->Confidence(tesseract::RIL_TEXTLINE)};
            }
        } while (it->Next(tesseract::RIL_TEXTLINE));
    }
    api_->Clear();
    return lines;
}

// Tesseract's page layout leaves out some lines that hold one short word or a
// lone character (a closing brace under a block of code). A band of ink rows
// that no line covers is read again as a single line. Bands of ink are only
// known on white.
QList<TesseractEngine::Line>
TesseractEngine::missedLines(const QImage& image, const QList<Line>& found,
                             std::chrono::steady_clock::time_point deadline,
                             const std::atomic<bool>& stop) {
    if (!darkOnLight_)
        return {};
    const auto bands = ScreenImagePreprocessor::inkBands(image);
    std::vector<int> heights;
    for (const auto& band : bands)
        heights.push_back(band.bottom - band.top);
    std::nth_element(heights.begin(), heights.begin() + qsizetype(heights.size() / 2),
                     heights.end());
    // Lower bands are rules, dots and the like.
    const int minHeight = heights.empty() ? 0 : std::max(4, int(heights[heights.size() / 2] * 0.4));

    QList<Line> missed;
    for (qsizetype i = 0; i < bands.size(); ++i) {
        const auto& band = bands[i];
        // The longest run of the band's rows that no line found covers: all
        // of it, or the rest of a band whose rows touch (a closing brace
        // under a line whose underscores reach it).
        std::vector<bool> covered(size_t(band.bottom - band.top), false);
        for (const Line& line : found) {
            for (int y = std::max(band.top, line.box.top());
                 y < std::min(band.bottom, line.box.bottom() + 1); ++y)
                covered[size_t(y - band.top)] = true;
        }
        int top = band.top;
        int bottom = band.top;
        for (int y = band.top; y < band.bottom;) {
            if (covered[size_t(y - band.top)]) {
                ++y;
                continue;
            }
            int end = y;
            while (end < band.bottom && !covered[size_t(end - band.top)])
                ++end;
            if (end - y > bottom - top) {
                top = y;
                bottom = end;
            }
            y = end;
        }
        const int height = bottom - top;
        if (height < minHeight)
            continue;
        // White above and below, as much as there is towards the neighbouring
        // bands on the narrower side (the engine reads a lone short line
        // better so than with more white); a side where a line found in the
        // band sits takes the other side's white, blank.
        const int gapAbove = i > 0 ? (band.top - bands[i - 1].bottom) / 2 : band.top;
        const int gapBelow = i + 1 < bands.size() ? (bands[i + 1].top - band.bottom) / 2
                                                  : image.height() - band.bottom;
        const int above = top == band.top ? gapAbove : 0;
        const int below = bottom == band.bottom ? gapBelow : 0;
        const int pad = std::min({top == band.top ? gapAbove : gapBelow,
                                  bottom == band.bottom ? gapBelow : gapAbove, height});
        QImage strip(image.width(), height + 2 * pad, QImage::Format_Grayscale8);
        strip.fill(255);
        for (int y = top - std::min(pad, above); y < bottom + std::min(pad, below); ++y)
            std::memcpy(strip.scanLine(y - top + pad), image.constScanLine(y),
                        size_t(image.width()));
        for (Line line : recognize(strip, tesseract::PSM_SINGLE_LINE, deadline, stop)) {
            if (line.confidence >= recoveredLineConfidence) {
                line.box.translate(0, top - pad);
                missed << line;
            }
        }
    }
    return missed;
}

namespace {

TesseractEngine::Result summed(QList<TesseractEngine::Line> lines) {
    TesseractEngine::Result result;
    double weightedConfidence = 0;
    for (const auto& line : lines) {
        weightedConfidence += double(line.confidence) * double(line.text.size());
        result.characters += line.text.size();
    }
    result.lines = std::move(lines);
    if (result.characters > 0)
        result.confidence = weightedConfidence / double(result.characters);
    return result;
}

} // namespace

TesseractEngine::Result TesseractEngine::readRows(const QImage& image, const QList<QRect>& rows,
                                                  std::chrono::steady_clock::time_point deadline,
                                                  const std::atomic<bool>& stop) {
    Q_ASSERT(image.format() == QImage::Format_Grayscale8);
    QList<Line> lines;
    for (const QRect& row : rows) {
        const QRect inside = row.intersected(image.rect());
        if (inside.isEmpty())
            continue;
        // A row's height of white on every side. With half of it, the engine
        // misread the start of some rows of a listing ("-rw-r--r--" as
        // "-lWw-r--r--"; measured with bench-recognition).
        const int pad = std::max(4, inside.height());
        QImage strip(inside.width() + 2 * pad, inside.height() + 2 * pad,
                     QImage::Format_Grayscale8);
        strip.fill(255);
        for (int y = 0; y < inside.height(); ++y)
            std::memcpy(strip.scanLine(y + pad) + pad,
                        image.constScanLine(inside.top() + y) + inside.left(),
                        size_t(inside.width()));
        TableRows::eraseBlocks(strip);
        QStringList texts;
        float confidence = 0;
        for (const Line& line : recognize(strip, tesseract::PSM_SINGLE_LINE, deadline, stop)) {
            texts << line.text;
            confidence = std::max(confidence, line.confidence);
        }
        const QString text = CodeText::tidy(texts.join(u' '), true);
        if (!text.trimmed().isEmpty())
            lines << Line{text, inside, confidence};
    }
    return summed(std::move(lines));
}

TesseractEngine::Result TesseractEngine::read(const QImage& image, const QRect& area,
                                              std::chrono::steady_clock::time_point deadline,
                                              const std::atomic<bool>& stop) {
    Q_ASSERT(image.format() == QImage::Format_Grayscale8);
    // A part is handed over as an image of its own: with SetRectangle,
    // Tesseract 5.3's LSTM reads its lines from the wrong rows.
    const QRect inside = area.intersected(image.rect());
    const QImage part = inside == image.rect() ? image : image.copy(inside);
    QList<Line> lines = recognize(part, tesseract::PSM_AUTO, deadline, stop);
    lines += missedLines(part, lines, deadline, stop);
    for (Line& line : lines) {
        line.box.translate(inside.topLeft());
        line.text = CodeText::tidy(line.text);
    }
    return summed(std::move(lines));
}
