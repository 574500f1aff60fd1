#include "recognition/TextColumns.h"
#include "recognition/TextAssembler.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Lines of height 20, 24 apart, one piece each, starting at x.
TextObservations column(const QStringList& texts, double x, double width, double top = 0,
                        double step = 24) {
    TextObservations out;
    for (qsizetype i = 0; i < texts.size(); ++i)
        out.append(TextObservation{texts[i], x, top + double(i) * step, width, 20});
    return out;
}

const QStringList left{u"the first column of running text"_s, u"goes on here with more words"_s,
                       u"and ends on this line of it"_s};
const QStringList right{u"while the second column starts"_s, u"at the top of the page and"_s,
                        u"reads on after the first one"_s};

} // namespace

TEST(TextColumns, RunningTextInTwoColumnsReadsColumnAfterColumn) {
    const QString text =
        TextAssembler::assemble(column(right, 320, 260) + column(left, 10, 260), false, false);
    EXPECT_EQ(text, (left.join(u'\n') + u"\n\n"_s + right.join(u'\n')));
}

TEST(TextColumns, RightToLeftColumnsReadFromTheRight) {
    const QStringList a{u"שלום עולם זה טור ראשון"_s, u"עוד שורה בטור הראשון כאן"_s,
                        u"והשורה האחרונה שלו היא זו"_s};
    const QStringList b{u"טור שני מתחיל כאן ועכשיו"_s, u"וממשיך בשורה השנייה שלו"_s,
                        u"ומסתיים בשורה השלישית שלו"_s};
    const QString text =
        TextAssembler::assemble(column(b, 10, 260) + column(a, 320, 260), false, false);
    EXPECT_EQ(text, a.join(u'\n') + u"\n\n"_s + b.join(u'\n'));
}

TEST(TextColumns, CellsOfATableStayRows) {
    // ls -l: short cells on shared rows, gaps between them.
    TextObservations cells;
    const QList<QStringList> rows{
        {u"drwxr-xr-x"_s, u"2"_s, u"root"_s, u"4096"_s, u"bin"_s},
        {u"-rw-r--r--"_s, u"1"_s, u"root"_s, u"3040"_s, u"adduser.conf"_s},
        {u"drwxr-xr-x"_s, u"9"_s, u"root"_s, u"4096"_s, u"X11"_s},
        {u"-rw-r--r--"_s, u"1"_s, u"anna"_s, u"433"_s, u"apg.conf"_s}};
    const double xs[] = {10, 120, 160, 230, 300};
    for (qsizetype r = 0; r < rows.size(); ++r)
        for (qsizetype c = 0; c < rows[r].size(); ++c)
            cells.append(TextObservation{rows[r][c], xs[c], double(r) * 22, 50, 20});
    ASSERT_EQ(TextColumns::columns(cells).size(), 1);
    EXPECT_EQ(TextAssembler::assemble(cells, false, false),
              u"drwxr-xr-x 2 root 4096 bin\n-rw-r--r-- 1 root 3040 adduser.conf\n"
              u"drwxr-xr-x 9 root 4096 X11\n-rw-r--r-- 1 anna 433 apg.conf"_s);
}

TEST(TextColumns, ASidebarOffTheBodysRowsIsAColumn) {
    // Short links at their own pitch beside a body of running text.
    const TextObservations sidebar =
        column({u"Home"_s, u"News"_s, u"About"_s, u"Contact"_s}, 10, 60, 5, 37);
    const TextObservations body = column(left + right, 120, 300);
    const auto columns = TextColumns::columns(sidebar + body);
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0], (QList<qsizetype>{0, 1, 2, 3}));
}

TEST(TextColumns, LonePiecesAndOneColumnAreNoColumns) {
    // A button beside a block, and a block alone.
    TextObservations block = column(left + right, 10, 260);
    EXPECT_EQ(TextColumns::columns(block).size(), 1);
    block.append(TextObservation{u"Cancel"_s, 400, 60, 50, 20});
    EXPECT_EQ(TextColumns::columns(block).size(), 1);
}
