#pragma once

#include <memory>

class QMessageBox;
class QWidget;
struct MessageBoxDesign;

// The platform's box for one of the program's message boxes, ready to be shown with exec().
std::unique_ptr<QMessageBox> messageBox(const MessageBoxDesign& design, QWidget* parent);
