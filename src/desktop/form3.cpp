#include "desktop/form3.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>

#include "core/design/info_window_design.h"
#include "desktop/design_style.h"

namespace {

// A cursor file keeps its hot spot where an icon file keeps planes and bit count: the two
// 16-bit words at offsets 10 and 12 of the first directory entry.
QCursor cursorFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    QPixmap pixmap;
    if (bytes.size() < 22 || !pixmap.loadFromData(bytes, "cur")) {
        return {};
    }
    const auto word = [&bytes](int offset) {
        return int(quint8(bytes[offset])) | int(quint8(bytes[offset + 1])) << 8;
    };
    return QCursor(pixmap, word(10), word(12));
}

// The pictures are built into the program under their file names.
QString picturePath(const char* file) {
    return QStringLiteral(":/pictures/") + QString::fromLatin1(file);
}

} // namespace

Form3::Form3() {
    const InfoWindowDesign& design = infoWindowDesign();
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    // On X11 a tool window is transient for the application's group, and window managers then
    // keep it above the main window, covering "exit" and "INFO". There it is a plain window with
    // only a close button, which the main window can come in front of when clicked.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    setWindowFlags((x11 ? Qt::Window : Qt::Tool) | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // Qt leaves tool windows out of quit-on-last-window-closed; this one must keep the
    // program running after the main window has been closed.
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(toPixels({0, 0, design.clientWidth, design.clientHeight}).size());
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, design.background, QPalette::WindowText, Qt::white);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(toPixels(design.textPlace));
    m_text1->setReadOnly(true);
    // Read-only still lets the user scroll, select and copy, from the keyboard too.
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_text1->setFont(toFont(design.textFont));
    setColours(m_text1, QPalette::Base, design.background, QPalette::Text, Qt::white);
    // The white on black is the text's alone: the scroll bar keeps the desktop's colours, or its
    // arrows would be drawn white on a light button.
    QPalette desktop = QApplication::palette();
    desktop.setResolveMask(~QPalette::ResolveMask(0));
    m_text1->verticalScrollBar()->setPalette(desktop);

    m_label1 = new QLabel(QString::fromLatin1(design.linkCaption), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(toPixels(design.linkPlace));
    m_label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_label1->setFont(toFont(design.linkFont));
    m_label1->setAutoFillBackground(true);
    setColours(m_label1, QPalette::Window, design.background, QPalette::WindowText, Qt::white);
    m_label1->setCursor(cursorFromFile(picturePath(design.cursorFile)));
    m_label1->setFocusPolicy(Qt::NoFocus);
    m_label1->installEventFilter(this);

    // The banner is shown still, as its first frame, at its own size; the window cuts it.
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_image1->setGeometry(toPixels(design.bannerPlace));
    m_image1->setPixmap(QPixmap(picturePath(design.bannerFile)));

    m_image2 = new QLabel(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setGeometry(toPixels(design.stripPlace));
    m_image2->setScaledContents(true);
    m_image2->setPixmap(QPixmap(picturePath(design.stripFile)));

    // Given no owner, the window is placed over the middle of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    load();
    m_text1->setFocus();
}

void Form3::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Form3::load() {
    m_text1->setPlainText(QString::fromStdString(helpText()));
}

void Form3::label1Click() {
    // Whether a browser opened is the desktop's business; nothing is reported back.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(infoWindowDesign().linkAddress)));
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_label1) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Taking the press keeps the release on the label, which makes it a click.
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                m_label1->rect().contains(mouse->position().toPoint())) {
                label1Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
