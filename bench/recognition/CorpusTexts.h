#pragma once

#include <QStringList>

// The words the benchmark's screen images show: interface strings, prose and
// code in the languages whose packs are installed by default.
namespace CorpusTexts {

QStringList interfaceLines(const QString& language);
// Paragraphs of running text, one string each, wrapped when rendered.
QStringList paragraphs(const QString& language);
// Source snippets; lines keep their leading spaces.
QStringList codeSnippets();

} // namespace CorpusTexts
