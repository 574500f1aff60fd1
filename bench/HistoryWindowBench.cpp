// Figures for the history window: searching 500 ordinary captures and one
// capture of a million characters with the locale's collator, refreshing
// the list after a live insert, a keystroke in the search field, painting
// the rows, and deciding whether "Look Up" is offered for a huge text. Each
// is compared with the plainest way to do the same job, measured in the
// same run.
#include "history/HistoryListModel.h"
#include "history/HistoryListView.h"
#include "history/HistorySearch.h"
#include "history/HistoryStore.h"
#include "history/HistoryText.h"
#include "output/WebSearch.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QStringListModel>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

using BenchSupport::NullSink;

double measure(int runs, const std::function<void()>& work) {
    return BenchSupport::medianMicroseconds(runs, work);
}

void report(const char* what, double ours, const char* baselineName, double baseline) {
    BenchSupport::report(38, what, ours, baselineName, baseline);
}

QString ordinaryText(int i) {
    return QStringLiteral("Capture %1: the quick brown fox jumps over the lazy dog. ")
        .arg(i)
        .repeated(7);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString locale = QLocale().name();

    QList<Capture> captures;
    for (int i = 0; i < 500; ++i)
        captures.append(Capture(ordinaryText(i), {}, QDateTime::currentDateTime().addSecs(-i)));
    const QString needle = QStringLiteral("zebra");
    report("collator search, 500 x 400 chars",
           measure(20,
                   [&] {
                       HistorySearch search(needle, locale);
                       for (const Capture& c : captures)
                           (void)search.matches(c.text);
                   }),
           "QString::contains, ignoring case", measure(20, [&] {
               for (const Capture& c : captures)
                   (void)c.text.contains(needle, Qt::CaseInsensitive);
           }));

    QString huge(1'000'000, u'a');
    for (qsizetype i = 0; i < huge.size(); i += 7)
        huge[i] = u' ';
    report("collator search, 1,000,000 chars",
           measure(5, [&] { (void)HistorySearch(needle, locale).matches(huge); }),
           "QString::contains, ignoring case",
           measure(5, [&] { (void)huge.contains(needle, Qt::CaseInsensitive); }));

    // A live insert: the store is read again and the model takes the list.
    NullSink sink;
    HistoryStore store(sink, true);
    for (const Capture& c : captures)
        store.insert(c);
    store.save();
    HistoryListModel model;
    model.setCaptures(store.fetchAll());
    int n = 0;
    const double refresh = measure(20, [&] {
        store.insert(Capture(QStringLiteral("new %1").arg(++n), {}, QDateTime::currentDateTime()));
        model.setCaptures(store.fetchAll());
    });
    const double fetch = measure(20, [&] { (void)store.fetchAll(); });
    report("live insert: read + model update", refresh, "read the store only", fetch);

    // A keystroke that changes the search: every capture is searched again,
    // on a worker here (500 x 400 characters is over the at-once budget).
    // The main thread is busy only for the part before the worker starts.
    bool flip = false;
    double blocked = 0;
    const double keystroke = measure(20, [&] {
        flip = !flip;
        QElapsedTimer timer;
        timer.start();
        model.setSearchText(flip ? QStringLiteral("capture 4") : QStringLiteral("capture 5"));
        blocked = std::max(blocked, double(timer.nsecsElapsed()) / 1000.0);
        while (model.isSearching())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    });
    const QList<Capture> all = store.fetchAll();
    const double plainFilter = measure(20, [&] {
        flip = !flip;
        const QString text = flip ? QStringLiteral("capture 4") : QStringLiteral("capture 5");
        QList<Capture> kept;
        for (const Capture& c : all)
            if (c.text.contains(text, Qt::CaseInsensitive))
                kept.append(c);
    });
    report("keystroke: search 500, rows updated", keystroke, "QString::contains filter",
           plainFilter);
    std::printf("  main thread busy at most %.0f us per keystroke\n", blocked);
    model.setSearchText({});

    // Painting a window-sized list of rows with their buttons.
    HistoryListView list;
    list.setModel(&model);
    list.resize(480, 440);
    QStringList previews;
    for (const Capture& c : all)
        previews.append(HistoryText::shortened(HistoryText::firstLine(c.text), 1000));
    QStringListModel plainModel(previews);
    QListView plain;
    plain.setUniformItemSizes(true);
    plain.setModel(&plainModel);
    plain.resize(480, 440);
    (void)list.grab();
    (void)plain.grab();
    report("paint the rows", measure(20, [&] { (void)list.grab(); }), "QListView of the previews",
           measure(20, [&] { (void)plain.grab(); }));

    const QString oneWord(1'000'000, u'y');
    report("Look Up offered? 1,000,000-char word",
           measure(5, [&] { (void)HistoryText::offersLookUp(oneWord); }), "the term rule itself",
           measure(5, [&] { (void)WebSearch::lookUpTerm(oneWord); }));
    const QString manyWords = QStringLiteral("word ").repeated(100'000);
    report("Look Up offered? 100,000 words",
           measure(5, [&] { (void)HistoryText::offersLookUp(manyWords); }), "the term rule itself",
           measure(5, [&] { (void)WebSearch::lookUpTerm(manyWords); }));
    return 0;
}
