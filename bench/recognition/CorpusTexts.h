#pragma once

#include <QStringList>

// The words the benchmark's screen images show: interface strings, prose and
// code in the languages whose packs are installed by default.
namespace CorpusTexts {

// A table of UTF-8 texts as a list.
template <size_t N>
QStringList toList(const char* const (&texts)[N]) {
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

QStringList interfaceLines(const QString& language);
// Paragraphs of running text, one string each, wrapped when rendered.
QStringList paragraphs(const QString& language);
// Source snippets; lines keep their leading spaces.
QStringList codeSnippets();

} // namespace CorpusTexts
