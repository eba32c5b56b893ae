#pragma once

#include <string>

class QWidget;

// Speaks a sentence to a screen reader through the speaker, a control that shows the window's
// state (the main window's status line, the Practice window's verdict).
void announce(QWidget* speaker, const std::string& text);
