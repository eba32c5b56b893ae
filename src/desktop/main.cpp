#include <QApplication>
#include <QIcon>

#include "desktop/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.ico")));

    // The welcome box comes up first; the window's contents are built behind it, and the window
    // shows when the box is answered.
    Form1 form(nullptr, Form1::Construction::WithoutContents);
    form.load();
    return QApplication::exec();
}
