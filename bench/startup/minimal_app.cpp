// The baseline of the start-up benchmark: the least a Qt Widgets program of Velmora's shape has
// to do. A message box first, then a main window with a menu bar and 30 plain controls at fixed
// places, with no fonts, colours, icons or styling of its own.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Minimal"),
                    QStringLiteral("Welcome to the minimal program!\r\nPress OK to go on"),
                    QMessageBox::Ok);
    box.exec();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QObject::connect(file->addAction(QStringLiteral("&Exit")), &QAction::triggered, &app,
                     &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    auto* client = new QWidget(&window);
    client->setFixedSize(554, 376);
    window.setCentralWidget(client);
    // Ten rows of a label, a line edit and a button.
    for (int row = 0; row < 10; ++row) {
        const int top = 4 + row * 36;
        auto* label = new QLabel(QStringLiteral("Label %1").arg(row + 1), client);
        label->setGeometry(8, top, 80, 32);
        auto* edit = new QLineEdit(client);
        edit->setGeometry(96, top, 200, 32);
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(row + 1), client);
        button->setGeometry(304, top, 100, 32);
    }

    window.show();
    return QApplication::exec();
}
