#pragma once

#include "recognition/TextObservation.h"

#include <QList>
#include <QString>

// Turns the recogniser's unordered pieces into the one text that is copied:
// lines in reading order (right to left for Hebrew and Arabic), collapsed
// white space, an empty line between paragraphs, and, on request, words split
// by a hyphen at a line end joined again and the indentation of code kept.
namespace TextAssembler {

struct Line {
    QString text;
    double minX = 0;
    double minY = 0;
    double maxY = 0;
    bool isRightToLeft = false;
    bool startsParagraph = false;
};

QString assemble(const TextObservations& observations, bool keepIndentation, bool fixHyphenation);

// The steps of assemble, exposed for testing.
QList<Line> groupIntoLines(const TextObservations& observations);
bool isSameLine(double lineTop, double lineBottom, double pieceY, double pieceHeight);
Line makeLine(const TextObservations& group);
bool detectRightToLeft(QStringView text);
void markParagraphs(QList<Line>& lines);
void joinHyphenatedWords(QList<Line>& lines);
void applyIndentation(QList<Line>& lines, const TextObservations& observations);

bool isHyphen(QStringView character);

} // namespace TextAssembler
