#include "desktop/method_list.h"

#include <QStandardItemModel>

MethodList::MethodList(QWidget* parent) : QComboBox(parent) {
    // Only the user's choice goes to the core: the list the core fills says nothing back.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(m_methods.size()))
            emit methodChosen(m_methods[std::size_t(index)].method);
    });
}

void MethodList::showMethods(const std::vector<MethodChoice>& methods, WorkingMethod chosen) {
    // The list is filled again only when the equation's kind offers others, so that the user's
    // place in it and the keyboard focus stay as they are.
    if (methods != m_methods) {
        m_methods = methods;
        clear();
        auto* items = qobject_cast<QStandardItemModel*>(model());
        for (const MethodChoice& choice : methods) {
            addItem(QString::fromStdString(choice.name));
            if (choice.applies)
                continue;
            // Greyed, and why, for the mouse and for a screen reader.
            const int row = count() - 1;
            const QString reason = QString::fromStdString(choice.reason);
            if (items)
                items->item(row)->setEnabled(false);
            setItemData(row, reason, Qt::ToolTipRole);
            setItemData(row, reason, Qt::AccessibleDescriptionRole);
        }
    }
    // Nothing to choose before a run or after a warning.
    setEnabled(!methods.empty());
    for (std::size_t index = 0; index < m_methods.size(); ++index)
        if (m_methods[index].method == chosen)
            setCurrentIndex(int(index));
}
