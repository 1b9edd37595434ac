#include "report/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// Whatever amount of text comes before it, a heading starts the page that shows what
// follows it, and a page is added only where a heading would have stood alone.
class tst_ReportPages : public QObject {
    Q_OBJECT

    static void layOut(QTextDocument &document, int fillerLines, const QString &following) {
        QString html;
        for (int i = 0; i < fillerLines; ++i)
            html += QStringLiteral("<p>filler %1</p>").arg(i);
        document.setHtml(html + QStringLiteral("<h2>Maneuvers</h2>") + following +
                         QStringLiteral("<h2>Consistency check</h2><p>No problems.</p>"));
        document.setPageSize(QSizeF(300, 240));
    }

    // Whether "Maneuvers" is on another page than the first line under it (`first`).
    static bool parted(QTextDocument &document, const QString &first) {
        const auto page = [&document](const QString &text) {
            const QTextBlock block = document.find(text).block();
            return int(document.documentLayout()->blockBoundingRect(block).top() /
                       document.pageSize().height());
        };
        return page(QStringLiteral("Maneuvers")) != page(first);
    }

private Q_SLOTS:
    void heading_neverLastOnPage_data() {
        QTest::addColumn<QString>("following");
        QTest::addColumn<QString>("first"); // the line that must be with the heading
        QTest::newRow("paragraph") << "<p>first line</p><p>second line</p>"
                                   << "first line";
        QTest::newRow("tableHeaderAndFirstRow")
            << "<table border=\"1\"><thead><tr><th>#</th><th>Action</th></tr></thead>"
               "<tr><td>1</td><td>Reset</td></tr><tr><td>2</td><td>Mute</td></tr></table>"
            << "Reset";
    }
    void heading_neverLastOnPage() {
        QFETCH(QString, following);
        QFETCH(QString, first);
        int moved = 0;
        for (int filler = 0; filler <= 24; ++filler) {
            QTextDocument plain;
            layOut(plain, filler, following);
            QTextDocument kept;
            layOut(kept, filler, following);
            ReportPages::keepHeadingsWithNext(kept);
            QVERIFY2(!parted(kept, first), qPrintable(QString::number(filler)));
            QVERIFY(kept.pageCount() <= plain.pageCount() + 1);
            if (!parted(plain, first)) // no break where none is needed
                QCOMPARE(kept.pageCount(), plain.pageCount());
            moved += parted(plain, first) ? 1 : 0;
        }
        QVERIFY(moved > 0); // the filler did put the heading at the foot of a page
    }
};

QTEST_MAIN(tst_ReportPages)
#include "tst_ReportPages.moc"
