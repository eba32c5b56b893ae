#include "desktop/sheet_printing.h"

#include <QPrinter>
#include <QTextDocument>

#include "core/practice/printed_sheet.h"

void printSheet(QPrinter& printer, const SheetCode& code, const std::vector<Exercise>& exercises,
                const NumberLocale& locale, bool withWorking) {
    QTextDocument document;
    document.setHtml(QString::fromStdString(printedSheet(code, exercises, locale, withWorking)));
    document.print(&printer);
}
