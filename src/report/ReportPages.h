#pragma once

#include <QList>

class QTextBlock;
class QTextDocument;

// Page breaks of a paginated report document (its page size set): a heading is never the
// last thing on a page, it goes over with the first line of what follows it (for a table,
// with the header and the first row).
class ReportPages {
public:
    // Breaks before every heading that would otherwise be parted from what follows.
    static void keepHeadingsWithNext(QTextDocument &document);

private:
    static QTextBlock followingLine(const QTextBlock &heading);
    static int pageOf(QTextDocument &document, const QTextBlock &block);
};
