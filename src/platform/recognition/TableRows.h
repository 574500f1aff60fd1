#pragma once

#include "platform/recognition/ScreenImagePreprocessor.h"

#include <QImage>
#include <QList>
#include <QRect>

// Terminal listings, tables and label-value panels are rows of cells with
// gaps that line up from row to row. Read as a page, the engine takes such
// gaps for the gutters between columns and reads column by column, tearing
// the rows apart; read row by row, each row stays whole. Running text in
// columns (an article in two columns) has such gutters too, but each side
// holds lines of many words: that stays a page.
namespace TableRows {

// The rows of a prepared image (dark text on white, see
// ScreenImagePreprocessor) when it shows aligned rows of cells, top to
// bottom, each spanning its ink; empty when it should be read as a page.
QList<QRect> find(const QImage& prepared, const QList<ScreenImagePreprocessor::InkBand>& bands);

// Whitens solid blocks as high as the ink of a one-row strip (a terminal's
// block cursor), which the engine would read as a letter.
void eraseBlocks(QImage& strip);

} // namespace TableRows
