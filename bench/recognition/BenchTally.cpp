#include "BenchTally.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace BenchTally {

const QStringList layoutClasses = {u"listing"_s,      u"table"_s,       u"labels"_s,
                                   u"code symbols"_s, u"two columns"_s, u"photo"_s};

namespace {

const QStringList ordinaryClasses = {u"light"_s, u"dark"_s,     u"2x"_s,   u"paragraphs"_s,
                                     u"code"_s,  u"coloured"_s, u"mixed"_s};
const QStringList smallClasses = {u"small"_s, u"low contrast"_s};

void merge(const Tally& from, Tally& to) {
    to.errors += from.errors;
    to.length += from.length;
    to.rowErrors += from.rowErrors;
    to.rowLength += from.rowLength;
    to.milliseconds += from.milliseconds;
}

Row combined(const Table& table, const QStringList& classes) {
    Row sum;
    for (const auto& name : classes) {
        const Row& row = table[name];
        sum.images += row.images;
        merge(row.inkharbor, sum.inkharbor);
        merge(row.cliEach, sum.cliEach);
        merge(row.cliBlock, sum.cliBlock);
        merge(row.cliList, sum.cliList);
    }
    return sum;
}

void printRow(const QString& name, const Row& row) {
    const double ours = median(row.inkharbor.milliseconds);
    const double cli = median(row.cliEach.milliseconds);
    std::printf("| %s | %d | %s | %s | %s | %s | %s | %s | %s | %.0f | %.0f | %.0f | %.2f |\n",
                qPrintable(name), row.images, qPrintable(row.inkharbor.rate()),
                qPrintable(row.inkharbor.rowRate()), qPrintable(row.cliEach.rate()),
                qPrintable(row.cliEach.rowRate()), qPrintable(row.cliBlock.rate()),
                qPrintable(row.cliBlock.rowRate()), qPrintable(row.cliList.rate()), ours, cli,
                median(row.cliBlock.milliseconds), cli > 0 ? ours / cli : 0.0);
}

QString percent(qsizetype errors, qsizetype length) {
    return length ? u"%1%"_s.arg(100.0 * double(errors) / double(length), 0, 'f', 2) : u"–"_s;
}

} // namespace

void Tally::add(const QString& truth, const QString& text, double ms) {
    const CharacterErrors e = characterErrors(truth, text);
    const CharacterErrors r = ::rowErrors(truth, text);
    errors += e.errors;
    length += e.length;
    rowErrors += r.errors;
    rowLength += r.length;
    milliseconds << ms;
}

QString Tally::rate() const {
    return percent(errors, length);
}

QString Tally::rowRate() const {
    return percent(rowErrors, rowLength);
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printClassTable(const Table& table) {
    std::printf("| Class | Images | Inkharbor CER | rows | CLI CER | rows | CLI psm 6 CER | rows | "
                "CLI CER (list) | Inkharbor ms | CLI ms | CLI psm 6 ms | Inkharbor ÷ CLI "
                "|\n|---|---|---|---|---|---|---|---|---|---|---|---|---|\n");
    QStringList others;
    for (const auto& name : table.keys()) {
        if (!ordinaryClasses.contains(name) && !smallClasses.contains(name) &&
            !layoutClasses.contains(name))
            others << name;
    }
    for (const auto& name : ordinaryClasses + smallClasses + others + layoutClasses) {
        if (table.contains(name))
            printRow(name, table[name]);
    }
    printRow(u"**ordinary** (%1)"_s.arg(ordinaryClasses.join(u", "_s)),
             combined(table, ordinaryClasses));
    printRow(u"**small or low contrast**"_s, combined(table, smallClasses));
    printRow(u"**other languages** (%1)"_s.arg(others.join(u", "_s)), combined(table, others));
    printRow(u"**listings and tables** (listing, table, labels)"_s,
             combined(table, {u"listing"_s, u"table"_s, u"labels"_s}));
    printRow(u"**all**"_s, combined(table, table.keys()));
}

void printGroupRow(const QString& name, const Table& table, double cpuPerImage) {
    QStringList others;
    for (const auto& c : table.keys()) {
        if (!ordinaryClasses.contains(c) && !smallClasses.contains(c) && !layoutClasses.contains(c))
            others << c;
    }
    const Row all = combined(table, table.keys());
    std::printf("| %s | %s | %s | %s | %s | %s | %s | %.0f | %.0f |\n", qPrintable(name),
                qPrintable(combined(table, ordinaryClasses).inkharbor.rate()),
                qPrintable(combined(table, smallClasses).inkharbor.rate()),
                qPrintable(combined(table, {u"mixed"_s}).inkharbor.rate()),
                qPrintable(combined(table, others).inkharbor.rate()),
                qPrintable(combined(table, layoutClasses).inkharbor.rowRate()),
                qPrintable(all.inkharbor.rate()), median(all.inkharbor.milliseconds), cpuPerImage);
}

} // namespace BenchTally
