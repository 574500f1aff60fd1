#pragma once

#include "CharacterErrorRate.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Sums of errors and times per class of image, and the table that shows them.
namespace BenchTally {

struct Tally {
    qsizetype errors = 0;
    qsizetype length = 0;
    qsizetype rowErrors = 0; // with the line breaks kept (see rowErrors)
    qsizetype rowLength = 0;
    QList<double> milliseconds;

    void add(const QString& truth, const QString& text, double ms);
    QString rate() const;    // "0.25%"
    QString rowRate() const; // the same counting row order
};

struct Row {
    int images = 0;
    Tally inkharbor;
    Tally cliEach;  // default page segmentation
    Tally cliBlock; // one uniform block of text (--psm 6)
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

// Classes of laid-out screens: listings, tables, code, labels, columns, photos.
extern const QStringList layoutClasses;

// One row per class, ordinary classes first, then the groups and the total.
void printClassTable(const Table& table);

// One row of Inkharbor's error rates by group (ordinary, small or low
// contrast, mixed, other languages, all), its median time and its CPU time.
void printGroupRow(const QString& name, const Table& table, double cpuPerImage);

} // namespace BenchTally
