#include "report/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace {

bool isHeading(const QTextBlock &block) {
    return block.blockFormat().headingLevel() > 0;
}

} // namespace

QTextBlock ReportPages::followingLine(const QTextBlock &heading) {
    QTextBlock next = heading.next();
    while (next.isValid() && next.text().isEmpty() && !QTextCursor(next).currentTable())
        next = next.next();
    if (!next.isValid())
        return next;
    QTextTable *table = QTextCursor(next).currentTable();
    if (!table)
        return next;
    // A header row is repeated on every page: alone it is no more than the heading.
    const int firstRow = std::min(table->format().headerRowCount(), table->rows() - 1);
    return table->cellAt(firstRow, 0).firstCursorPosition().block();
}

int ReportPages::pageOf(QTextDocument &document, const QTextBlock &block) {
    const QRectF rect = document.documentLayout()->blockBoundingRect(block);
    return int(rect.top() / document.pageSize().height());
}

void ReportPages::keepHeadingsWithNext(QTextDocument &document) {
    // In document order: a break moves only what comes after it.
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = isHeading(block) ? followingLine(block) : QTextBlock();
        if (!next.isValid() || pageOf(document, next) == pageOf(document, block))
            continue;
        QTextBlockFormat format;
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(block).mergeBlockFormat(format);
    }
}
