#include "desktop/announcement.h"

#include <QWidget>

void announce(QWidget* speaker, const std::string& text) {
    // Qt 6.4 has no announcement of its own: the speaker's description carries the sentence, and
    // Qt sends its change to screen readers as it does the speaker's own text.
    speaker->setAccessibleDescription(QString::fromUtf8(text));
}
