#include <QPainter>
#include <QTest>

#include "window_driver.h"

// Run at a device pixel ratio of 2 (QT_SCALE_FACTOR=2): the window drawn at that ratio, brought
// back to one pixel per unit, must show every control where the window drawn at ratio 1 shows it.
class TestScaling : public QObject {
    Q_OBJECT

private:
    // Mean difference per colour channel over a rectangle of two images of the same size, each
    // pixel matched with the closest of its neighbours: text that lands a pixel apart at the
    // two sizes counts little, a control out of place counts in full.
    static double meanDifference(const QImage& a, const QImage& b, const QRect& area) {
        const auto distance = [](QRgb p, QRgb q) {
            return qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                   qAbs(qBlue(p) - qBlue(q));
        };
        qint64 sum = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                int closest = INT_MAX;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        if (b.valid(x + dx, y + dy))
                            closest =
                                qMin(closest, distance(a.pixel(x, y), b.pixel(x + dx, y + dy)));
                sum += closest;
            }
        return double(sum) / (3.0 * area.width() * area.height());
    }

private slots:
    void controlsKeepTheirPlaces() {
        auto form = startedForm();
        QWidget* client = form->centralWidget();
        if (client->devicePixelRatio() != 2)
            QSKIP("needs QT_SCALE_FACTOR=2");

        pressCheck(*form, "Option2");
        for (int index = 1; index <= 6; ++index)
            QTest::keyClicks(textBox(*form, index),
                             QStringList{"2", "3", "8", "1", "-1", "1"}[index - 1]);
        QTest::mouseClick(command(*form, 1), Qt::LeftButton);
        // The dotted focus frame is drawn one device pixel thin at either ratio; leave it out.
        QApplication::focusWidget()->clearFocus();

        const QImage high = client->grab().toImage();
        QCOMPARE(high.size(), QSize(1108, 752));
        QPixmap low(client->size());
        low.setDevicePixelRatio(1);
        client->render(&low);
        const QImage down =
            high.scaled(client->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        const QImage reference = low.toImage().convertToFormat(QImage::Format_RGB32);

        int compared = 0;
        for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!child->isVisible())
                continue;
            const QRect area = child->geometry().intersected(client->rect());
            // Anti-aliased text differs a little between the two sizes; a control out of place
            // differs by far more.
            QVERIFY2(meanDifference(down, reference, area) < 16, qPrintable(child->objectName()));
            ++compared;
        }
        QCOMPARE(compared, 31);
        QVERIFY(meanDifference(down, reference, down.rect()) < 2);
    }
};

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
