#include "desktop/working_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "core/design/working_window_design.h"
#include "desktop/announcement.h"
#include "desktop/figure_view.h"
#include "desktop/method_list.h"
#include "desktop/scrolled_body.h"

WorkingWindow::WorkingWindow() {
    const WorkingWindowDesign& design = workingWindowDesign;
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromLatin1(design.caption));
    // As for the information window: on X11 a tool window would be kept above the main window by
    // the window manager, covering the boxes the user reads the working beside.
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    setWindowFlags((x11 ? Qt::Window : Qt::Tool) | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    // The working belongs to the main window's runs: alone on screen it keeps nothing running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose);

    // The way of working, above the words it changes.
    auto* methodLabel = new QLabel(QString::fromLatin1(design.methodCaption), this);
    m_method = new MethodList(this);
    m_method->setObjectName(QString::fromLatin1(design.methodName));
    // A screen reader learns the label from the list as its buddy.
    methodLabel->setBuddy(m_method);
    connect(m_method, &MethodList::methodChosen, this, &WorkingWindow::methodChosen);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QString::fromLatin1(design.textName));
    m_text->setReadOnly(true);
    // Read-only still lets the user scroll, select and copy a part, from the keyboard too.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setFixedSize(design.textWidth, design.textHeight);
    // Tab moves on to the graph and the button rather than being typed.
    m_text->setTabChangesFocus(true);

    m_graph = new FigureView(this);
    m_graph->setObjectName(QString::fromLatin1(design.graphName));

    m_copy = new QPushButton(QString::fromLatin1(design.copyCaption), this);
    m_copy->setObjectName(QString::fromLatin1(design.copyName));
    m_copy->setAutoDefault(false);
    connect(m_copy, &QPushButton::clicked, this, &WorkingWindow::copy);
    // Says that the words are copied, to the eye and to a screen reader, until they change.
    m_copied = new QLabel(this);
    m_copied->setObjectName(QString::fromLatin1(design.copyName) + QStringLiteral("Said"));

    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(methodLabel);
    methodRow->addWidget(m_method);
    methodRow->addStretch();
    auto* copyRow = new QHBoxLayout;
    copyRow->addWidget(m_copy);
    copyRow->addWidget(m_copied);
    copyRow->addStretch();
    auto* layout = new QGridLayout((new ScrolledBody(this))->body());
    layout->addLayout(methodRow, 0, 0);
    layout->addWidget(m_text, 1, 0, Qt::AlignTop);
    layout->addWidget(m_graph, 1, 1, Qt::AlignTop);
    layout->addLayout(copyRow, 2, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_method, m_text);
    setTabOrder(m_text, m_graph);
    setTabOrder(m_graph, m_copy);
    m_text->setFocus();
}

void WorkingWindow::showWorking(const show::Working& working) {
    m_method->showMethods(working.methods, working.method);
    m_text->setPlainText(QString::fromStdString(working.text));
    m_graph->setFigure(*working.figure);
    // Emptied, so that the next copy is said again.
    m_copied->clear();
    announce(m_copied, {});
}

void WorkingWindow::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void WorkingWindow::copy() {
    QApplication::clipboard()->setText(m_text->toPlainText());
    const char* copied = workingWindowDesign.copiedAnnouncement;
    m_copied->setText(QString::fromLatin1(copied));
    announce(m_copied, copied);
}
