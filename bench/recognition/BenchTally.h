#pragma once

#include "CharacterErrorRate.h"

#include <QList>
#include <QMap>
#include <QString>

// Sums of errors and times per class of image, and the table that shows them.
namespace BenchTally {

struct Tally {
    qsizetype errors = 0;
    qsizetype length = 0;
    QList<double> milliseconds;

    void add(const CharacterErrors& e, double ms);
    QString rate() const; // "0.25%"
};

struct Row {
    int images = 0;
    Tally inkharbor;
    Tally cliEach;
    Tally cliList;
};

using Table = QMap<QString, Row>; // by class of image

double median(QList<double> values);

template <typename Reading>
QList<double> times(const QList<Reading>& readings) {
    QList<double> list;
    for (const auto& r : readings)
        list << r.milliseconds;
    return list;
}

// One row per class, ordinary classes first, then the groups and the total.
void printClassTable(const Table& table);

// One row of Inkharbor's error rates by group (ordinary, small or low
// contrast, mixed, other languages, all), its median time and its CPU time.
void printGroupRow(const QString& name, const Table& table, double cpuPerImage);

} // namespace BenchTally
