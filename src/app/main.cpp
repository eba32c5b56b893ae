#include <QApplication>
#include <QIcon>

#include "form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.ico")));

    Form1 form;
    form.load();
    form.show();
    return QApplication::exec();
}
