#include "desktop/sheet_printing.h"

#include <QPrinter>
#include <QTextDocument>

void printSheet(QPrinter& printer, const std::string& html) {
    QTextDocument document;
    document.setHtml(QString::fromStdString(html));
    document.print(&printer);
}
