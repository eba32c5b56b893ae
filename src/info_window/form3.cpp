#include "form3.h"

#include <iterator>

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
#include <QUrl>

namespace {

// Places and sizes are designed in twips, 15 to a pixel at 96 dots per inch.
QRect twips(int left, int top, int width, int height) {
    return {left / 15, top / 15, width / 15, height / 15};
}

QFont boldFont() {
    QFont font;
    // MS Sans Serif where it exists; elsewhere the closest sans serif faces at hand.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Bold);
    return font;
}

void setColours(QWidget* widget, QPalette::ColorRole background, QPalette::ColorRole text) {
    QPalette palette = widget->palette();
    palette.setColor(background, Qt::black);
    palette.setColor(text, Qt::white);
    widget->setPalette(palette);
}

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

} // namespace

Form3::Form3() {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Information"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // Qt leaves tool windows out of quit-on-last-window-closed; this one must keep the
    // program running after the main window has been closed.
    setAttribute(Qt::WA_QuitOnClose, true);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(0, 0, 6570, 2640).size());
    setAutoFillBackground(true);
    setColours(this, QPalette::Window, QPalette::WindowText);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips(0, 0, 4695, 2655));
    Text1->setReadOnly(true);
    // Read-only still lets the user scroll, select and copy, from the keyboard too.
    Text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Text1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Text1->setFont(boldFont());
    setColours(Text1, QPalette::Base, QPalette::Text);

    Label1 = new QLabel(QStringLiteral("My Blog (Click)"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips(4800, 0, 1335, 375));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont linkFont = boldFont();
    linkFont.setUnderline(true);
    Label1->setFont(linkFont);
    Label1->setAutoFillBackground(true);
    setColours(Label1, QPalette::Window, QPalette::WindowText);
    Label1->setCursor(cursorFromFile(QStringLiteral(":/pictures/hand.cur")));
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->installEventFilter(this);

    // The banner is shown still, as its first frame, at its own size; the window cuts it.
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(twips(4800, 1200, 6075, 1410));
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/banner.gif")));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips(6240, 0, 345, 2565));
    Image2->setScaledContents(true);
    Image2->setPixmap(QPixmap(QStringLiteral(":/pictures/strip.jpg")));

    // Given no owner, the window is placed over the middle of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    load();
    Text1->setFocus();
}

void Form3::load() {
    static const char* const lines[] = {
        "----Tolvek presents: Velmora!----",
        "    ",
        "This program is a basic Velmora.",
        "    ",
        "You can solve a first degree equation: c+bx=0.",
        "    ",
        "A second degree equation: a*x^2+b*x+c=0.",
        "           ",
        "A simple linear system:",
        "a1*x+b1*y+c1=0, a2*x+b2*y+c2=0.",
        "           ",
        "Select 'Equation' or 'System' and press CHECK to start the program!",
        "           ",
        "See Readme.nfo for more details.",
    };
    QString text = QString::fromLatin1(lines[0]);
    for (std::size_t i = 1; i < std::size(lines); ++i) {
        text += QStringLiteral("\r\n");
        text += QString::fromLatin1(lines[i]);
    }
    m_helpText = text;
    Text1->setPlainText(m_helpText);
}

void Form3::label1Click() {
    // Whether a browser opened is the desktop's business; nothing is reported back.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(makerPage)));
}

bool Form3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1) {
        if (event->type() == QEvent::MouseButtonPress) {
            // Taking the press keeps the release on the label, which makes it a click.
            return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                Label1->rect().contains(mouse->position().toPoint())) {
                label1Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
