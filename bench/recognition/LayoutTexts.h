#pragma once

#include <QStringList>

// What the benchmark's laid-out images show: terminal listings as commands
// print them, tables of cells, code full of underscores and operators,
// settings-style labels with values, and lines for photos.
namespace LayoutTexts {

// Terminal output, lines separated by line feeds, spaces as printed.
QStringList listings();
// Tables: rows separated by line feeds, cells by tabs; the first row is the header.
QStringList tables();
// Source lines with underscores, brackets and operators.
QStringList symbolCode();
// Label and value pairs, one pair a line, separated by a tab.
QStringList labelPanels();
// Short lines, one of which a photo carries.
QStringList photoLines();

} // namespace LayoutTexts
