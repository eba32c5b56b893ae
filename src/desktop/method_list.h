#pragma once

#include <vector>

#include <QComboBox>

#include "core/working/working.h"

// A list of the ways of working: those that do not apply to the equation stay in it greyed, with
// their reason as tooltip and for a screen reader. Only the user's choice is reported.
class MethodList : public QComboBox {
    Q_OBJECT

public:
    explicit MethodList(QWidget* parent = nullptr);

    void showMethods(const std::vector<MethodChoice>& methods, WorkingMethod chosen);

signals:
    void methodChosen(WorkingMethod method);

private:
    std::vector<MethodChoice> m_methods; // as the list shows them
};
