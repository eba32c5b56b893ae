#include "desktop/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "core/design/message_boxes.h"

std::unique_ptr<QMessageBox> messageBox(const MessageBoxDesign& design, QWidget* parent) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (design.icon) {
    case MessageIcon::Warning:
        icon = QMessageBox::Warning;
        break;
    case MessageIcon::Information:
        icon = QMessageBox::Information;
        break;
    case MessageIcon::Question:
        icon = QMessageBox::Question;
        break;
    case MessageIcon::None:
        break;
    }
    const bool yesNo = design.buttons == MessageButtons::YesNo;
    auto box = std::make_unique<QMessageBox>(
        icon, QString::fromUtf8(design.title), QString::fromUtf8(design.text),
        yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (yesNo)
        box->setDefaultButton(QMessageBox::Yes);
    // A short text makes a narrow box, and window managers then cut its title ("W… g"). The
    // title bar has the title in bold beside an icon and up to three buttons; a strut in the
    // box's own layout keeps room for them, as QMessageBox ignores a minimum width.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    const int width = title.horizontalAdvance(box->windowTitle()) + 8 * title.height();
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}
