#pragma once

#include "recognition/TextObservation.h"

#include <QList>

// Whether recognised pieces stand in separate columns of text, read one
// column after the other (a two-column article, a sidebar beside a body), or
// in the aligned rows of one table or listing, read row by row across the
// gaps. Decided from the geometry alone: the vertical gutters no piece
// crosses, how the pieces on either side line up, and how much running text
// each side holds.
namespace TextColumns {

// The pieces of each column, left to right, as indexes into the input. One
// column (all pieces) when the pieces are rows, or when no gutter divides them.
QList<QList<qsizetype>> columns(const TextObservations& pieces);

} // namespace TextColumns
