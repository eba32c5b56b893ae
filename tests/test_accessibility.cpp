#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include "core/design/working_window_design.h"
#include "core/working/figure.h"
#include "window_driver.h"

// What a screen reader learns of the main window: each box named after the caption beside it,
// and the status line announced when it changes.
class TestAccessibility : public QObject {
    Q_OBJECT

private:
    static QString spokenName(QWidget* widget) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
    }

    static QString boxNames(const Form1& form, std::initializer_list<int> indices) {
        QStringList names;
        for (int index : indices)
            names << spokenName(textBox(form, index));
        return names.join(' ');
    }

    static inline QList<QPair<QObject*, QAccessible::Event>> events;
    static void recordEvent(QAccessibleEvent* event) {
        events.append({event->object(), event->type()});
    }

private slots:
    void initTestCase() {
        // As a screen reader does when it starts: the platform's accessibility switched on.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
        QAccessible::installUpdateHandler(&TestAccessibility::recordEvent);
    }

    void boxesFollowTheirCaptions() {
        auto form = startedForm();
        pressCheck(*form, "Option1");
        QCOMPARE(boxNames(*form, {1, 2, 3, 7}), QString("a= b= c= D="));
        QTest::keyClicks(textBox(*form, 1), "1");
        QTest::keyClicks(textBox(*form, 2), "-3");
        QTest::keyClicks(textBox(*form, 3), "2");
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QCOMPARE(boxNames(*form, {10, 11}), QString("x1= x2="));

        pressCheck(*form, "Option2");
        QCOMPARE(boxNames(*form, {1, 2, 3, 4, 5, 6, 7, 8, 9}),
                 QString("a1= b1= c1= a2= b2= c2= D= D1= D2="));
        for (int index = 1; index <= 6; ++index)
            QTest::keyClicks(textBox(*form, index),
                             QStringList{"1", "1", "3", "1", "-1", "1"}[index - 1]);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QCOMPARE(boxNames(*form, {10, 11}), QString("x= y="));
    }

    void buttonsAreNamedByTheirCaptions() {
        auto form = startedForm();
        QStringList names;
        for (const char* name :
             {"Command1", "Command2", "Command3", "Command4", "Command5", "Option1", "Option2"})
            names << spokenName(control(*form, name));
        QCOMPARE(names.join('|'), QString("run|clear fields|exit|CHECK!|INFO|Equation|System"));
    }

    void statusLineChangesAreAnnounced() {
        auto form = startedForm();
        pressCheck(*form, "Option1");
        QTest::keyClicks(textBox(*form, 1), "1");
        QTest::keyClicks(textBox(*form, 2), "2");
        QTest::keyClicks(textBox(*form, 3), "1");
        events.clear();
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        QLabel* status = label(*form, 1);
        QCOMPARE(status->text(), QString("Double root."));
        QVERIFY(events.contains({status, QAccessible::NameChanged}));
        QCOMPARE(spokenName(status), QString("Double root."));
        // The whole run as one sentence, sent once.
        QCOMPARE(events.count({status, QAccessible::DescriptionChanged}), 1);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(status);
        QCOMPARE(face->text(QAccessible::Description), QString("Double root. D= 0, x1= -1"));
    }

    // The Working window's list of ways of working is labelled by the word beside it (as the
    // platform's label relation: the list's own name is its current item).
    void workingMethodIsNamedByItsLabel() {
        auto form = startedForm();
        form->render(show::Working{"x1 = 2",
                                   std::make_shared<const Figure>(makeFigure({})),
                                   {{WorkingMethod::Formula, "The formula", true, ""}},
                                   WorkingMethod::Formula});
        QWidget* working = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String(workingWindowDesign.name))
                working = window;
        QVERIFY(working);
        auto* list = control<QComboBox>(*working, workingWindowDesign.methodName);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(list);
        QVERIFY(face);
        QStringList labels;
        for (const auto& [label, relation] : face->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        QCOMPARE(labels, QStringList{"Method"});
        working->close();
    }

    void aCutResultOffersItsWholeText() {
        auto form = startedForm();
        pressCheck(*form, "Option1");
        for (int index = 1; index <= 3; ++index)
            QTest::keyClicks(textBox(*form, index), "1");
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        const QString whole("-0.5+0.866025403784439*i ");
        QCOMPARE(textBox(*form, 10)->toolTip(), whole);
        QCOMPARE(textBox(*form, 10)->accessibleDescription(), whole);
        QCOMPARE(textBox(*form, 7)->toolTip(), QString()); // "-3" fits
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
