#include "desktop/working_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>

#include "core/design/working_window_design.h"
#include "desktop/figure_view.h"

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
    m_methodLabel = new QLabel(QString::fromLatin1(design.methodCaption), this);
    m_method = new QComboBox(this);
    m_method->setObjectName(QString::fromLatin1(design.methodName));
    // A screen reader learns the label from the list as its buddy.
    m_methodLabel->setBuddy(m_method);
    // Only the user's choice goes to the core: the list the core fills says nothing back.
    connect(m_method, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(m_methods.size()))
            emit methodChosen(m_methods[std::size_t(index)].method);
    });

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

    auto* methodRow = new QHBoxLayout;
    methodRow->addWidget(m_methodLabel);
    methodRow->addWidget(m_method);
    methodRow->addStretch();
    auto* layout = new QGridLayout(this);
    layout->addLayout(methodRow, 0, 0);
    layout->addWidget(m_text, 1, 0, Qt::AlignTop);
    layout->addWidget(m_graph, 1, 1, Qt::AlignTop);
    layout->addWidget(m_copy, 2, 0, Qt::AlignLeft);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_method, m_text);
    setTabOrder(m_text, m_graph);
    setTabOrder(m_graph, m_copy);
    m_text->setFocus();
}

void WorkingWindow::showWorking(const show::Working& working) {
    showMethods(working.methods, working.method);
    m_text->setPlainText(QString::fromStdString(working.text));
    m_graph->setFigure(*working.figure);
}

void WorkingWindow::showMethods(const std::vector<MethodChoice>& methods, WorkingMethod chosen) {
    // The list is filled again only when the run's kind offers others, so that the user's place
    // in it and the keyboard focus stay as they are.
    if (methods != m_methods) {
        const QSignalBlocker quiet(m_method);
        m_methods = methods;
        m_method->clear();
        auto* items = qobject_cast<QStandardItemModel*>(m_method->model());
        for (const MethodChoice& choice : methods) {
            m_method->addItem(QString::fromStdString(choice.name));
            if (choice.applies)
                continue;
            // Greyed, and why, for the mouse and for a screen reader.
            const int row = m_method->count() - 1;
            const QString reason = QString::fromStdString(choice.reason);
            if (items)
                items->item(row)->setEnabled(false);
            m_method->setItemData(row, reason, Qt::ToolTipRole);
            m_method->setItemData(row, reason, Qt::AccessibleDescriptionRole);
        }
    }
    // Nothing to choose before a run or after a warning.
    m_method->setEnabled(!methods.empty());
    for (std::size_t index = 0; index < m_methods.size(); ++index)
        if (m_methods[index].method == chosen && m_method->currentIndex() != int(index)) {
            const QSignalBlocker quiet(m_method);
            m_method->setCurrentIndex(int(index));
        }
}

void WorkingWindow::bringToFront() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void WorkingWindow::copy() {
    QApplication::clipboard()->setText(m_text->toPlainText());
}
