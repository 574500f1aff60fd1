#include "platform/TesseractEngine.h"

#include "platform/TextRecognizer.h"

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <QRegularExpression>
#include <QSet>

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
    explicit MemoryFile(const QByteArray& contents) : fd_(memfd_create("inkharbor-words", MFD_CLOEXEC)) {
        if (fd_ < 0)
            return;
        qsizetype written = 0;
        while (written < contents.size()) {
            const ssize_t n = ::write(fd_, contents.constData() + written, size_t(contents.size() - written));
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

struct StopCheck {
    const std::atomic<bool>* stop;
};

bool shouldStop(void* check, int /*words*/) {
    return static_cast<StopCheck*>(check)->stop->load();
}

} // namespace

TesseractEngine::TesseractEngine(const QString& dataPath, const QStringList& packs,
                                 const QStringList& customWords)
    : api_(std::make_unique<tesseract::TessBaseAPI>()) {
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
        throw RecognitionError(u"The text recognition data for %1 could not be loaded from %2."_s.arg(
            packs.join(u", "_s), dataPath));
    }
    api_->SetPageSegMode(tesseract::PSM_AUTO);
    // The image arrives dark on light everywhere, so Tesseract's second try of
    // each doubtful line upside down in brightness would only cost time.
    api_->SetVariable("tessedit_do_invert", "0");
}

TesseractEngine::~TesseractEngine() { api_->End(); }

TesseractEngine::Result TesseractEngine::read(const QImage& image, const QRect& area,
                                              std::chrono::steady_clock::time_point deadline,
                                              const std::atomic<bool>& stop) {
    Q_ASSERT(image.format() == QImage::Format_Grayscale8);
    api_->SetImage(image.constBits(), image.width(), image.height(), 1, int(image.bytesPerLine()));
    // Screens carry no resolution; this is what Tesseract assumes for such
    // images anyway, said here so that it does not stop to guess.
    api_->SetSourceResolution(70);
    const QRect inside = area.intersected(image.rect());
    api_->SetRectangle(inside.x(), inside.y(), inside.width(), inside.height());

    StopCheck check{&stop};
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = &shouldStop;
    monitor.cancel_this = &check;
    const auto remaining = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (remaining.count() <= 0)
        throw RecognitionError(u"Reading the text took too long and was stopped."_s);
    monitor.set_deadline_msecs(int(std::min<qint64>(remaining.count(), INT32_MAX)));
    if (api_->Recognize(&monitor) != 0) {
        api_->Clear();
        throw RecognitionError(stop.load() ? u"Text recognition was stopped."_s
                                           : u"Reading the text took too long and was stopped."_s);
    }

    Result result;
    double weightedConfidence = 0;
    std::unique_ptr<tesseract::ResultIterator> it(api_->GetIterator());
    if (it && !it->Empty(tesseract::RIL_TEXTLINE)) {
        do {
            const std::unique_ptr<char[]> utf8(it->GetUTF8Text(tesseract::RIL_TEXTLINE));
            QString text = QString::fromUtf8(utf8.get());
            while (text.endsWith(u'\n'))
                text.chop(1);
            int left = 0, top = 0, right = 0, bottom = 0;
            if (text.isEmpty() || !it->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom))
                continue;
            Line line{text, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                      it->Confidence(tesseract::RIL_TEXTLINE)};
            weightedConfidence += double(line.confidence) * text.size();
            result.characters += text.size();
            result.lines << line;
        } while (it->Next(tesseract::RIL_TEXTLINE));
    }
    if (result.characters > 0)
        result.confidence = weightedConfidence / double(result.characters);
    api_->Clear();
    return result;
}
