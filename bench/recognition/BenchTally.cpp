#include "BenchTally.h"

#include <QStringList>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace BenchTally {
namespace {

const QStringList ordinaryClasses = {u"light"_s, u"dark"_s,     u"2x"_s,   u"paragraphs"_s,
                                     u"code"_s,  u"coloured"_s, u"mixed"_s};
const QStringList smallClasses = {u"small"_s, u"low contrast"_s};

void merge(const Tally& from, Tally& to) {
    to.errors += from.errors;
    to.length += from.length;
    to.milliseconds += from.milliseconds;
}

Row combined(const Table& table, const QStringList& classes) {
    Row sum;
    for (const auto& name : classes) {
        const Row& row = table[name];
        sum.images += row.images;
        merge(row.inkharbor, sum.inkharbor);
        merge(row.cliEach, sum.cliEach);
        merge(row.cliList, sum.cliList);
    }
    return sum;
}

void printRow(const QString& name, const Row& row) {
    std::printf("| %s | %d | %s | %s | %s | %.0f | %.0f |\n", qPrintable(name), row.images,
                qPrintable(row.inkharbor.rate()), qPrintable(row.cliEach.rate()),
                qPrintable(row.cliList.rate()), median(row.inkharbor.milliseconds),
                median(row.cliEach.milliseconds));
}

} // namespace

void Tally::add(const CharacterErrors& e, double ms) {
    errors += e.errors;
    length += e.length;
    milliseconds << ms;
}

QString Tally::rate() const {
    return length ? u"%1%"_s.arg(100.0 * double(errors) / double(length), 0, 'f', 2) : u"–"_s;
}

double median(QList<double> values) {
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printClassTable(const Table& table) {
    std::printf(
        "| Class | Images | Inkharbor CER | CLI CER (per image) | CLI CER (list) | Inkharbor "
        "ms (median) | CLI ms per image (median) |\n|---|---|---|---|---|---|---|\n");
    QStringList others;
    for (const auto& name : table.keys()) {
        if (!ordinaryClasses.contains(name) && !smallClasses.contains(name))
            others << name;
    }
    for (const auto& name : ordinaryClasses + smallClasses + others) {
        if (table.contains(name))
            printRow(name, table[name]);
    }
    printRow(u"**ordinary** (%1)"_s.arg(ordinaryClasses.join(u", "_s)),
             combined(table, ordinaryClasses));
    printRow(u"**small or low contrast**"_s, combined(table, smallClasses));
    printRow(u"**other languages** (%1)"_s.arg(others.join(u", "_s)), combined(table, others));
    printRow(u"**all**"_s, combined(table, table.keys()));
}

void printGroupRow(const QString& name, const Table& table, double cpuPerImage) {
    QStringList others;
    for (const auto& c : table.keys()) {
        if (!ordinaryClasses.contains(c) && !smallClasses.contains(c))
            others << c;
    }
    const Row all = combined(table, table.keys());
    std::printf("| %s | %s | %s | %s | %s | %s | %.0f | %.0f |\n", qPrintable(name),
                qPrintable(combined(table, ordinaryClasses).inkharbor.rate()),
                qPrintable(combined(table, smallClasses).inkharbor.rate()),
                qPrintable(combined(table, {u"mixed"_s}).inkharbor.rate()),
                qPrintable(combined(table, others).inkharbor.rate()),
                qPrintable(all.inkharbor.rate()), median(all.inkharbor.milliseconds), cpuPerImage);
}

} // namespace BenchTally
