#include "desktop/message_box.h"

#include <QMessageBox>

#include "core/message_boxes.h"

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
    return box;
}
