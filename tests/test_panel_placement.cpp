// Where a panel opens beside the main window, on the desktop's screen and in the page's view.
#include <QObject>
#include <QTest>

#include "core/design/panel_placement.h"

Q_DECLARE_METATYPE(PanelRect)
Q_DECLARE_METATYPE(PanelPlacement::Kind)

class TestPanelPlacement : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    // The Equation box, Practice and the working opened one after another, on common screens
    // with the main window centred and in each corner.
    void wholeOnScreen_data();
    void wholeOnScreen();
};

namespace {

// The coefficient boxes and "run" within the desktop's main window frame, and the page's.
PanelRect keptIn(const PanelRect& mainWindow) {
    return {mainWindow.left + 16, mainWindow.top + 222, 257, 177};
}
const PanelRect pageKept{16, 195, 257, 177};

} // namespace

void TestPanelPlacement::placement_data() {
    QTest::addColumn<PanelRect>("screen");
    QTest::addColumn<PanelRect>("mainWindow");
    QTest::addColumn<PanelRect>("openPanel"); // none where its width is 0
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("narrowest");
    QTest::addColumn<PanelRect>("keepVisible");
    QTest::addColumn<bool>("phone");
    QTest::addColumn<bool>("fullScreenOnPhone");
    QTest::addColumn<PanelPlacement::Kind>("kind");
    QTest::addColumn<PanelRect>("rect");

    using Kind = PanelPlacement::Kind;
    const PanelRect none{};
    // The page's window at the view's corner, 554 x 395, and its working: 928 x 430 side by side,
    // 438 wide at least; "run" ends at 372.
    const PanelRect page{0, 0, 554, 395};
    QTest::newRow("desktop: right of the main window")
        << PanelRect{0, 0, 1920, 1080} << PanelRect{100, 100, 570, 430} << none << 906 << 420 << 906
        << keptIn({100, 100, 570, 430}) << false << false << Kind::Right
        << PanelRect{678, 100, 906, 420};
    QTest::newRow("desktop: left where the right has no room")
        << PanelRect{0, 0, 1920, 1080} << PanelRect{1000, 100, 570, 430} << none << 906 << 420
        << 906 << keptIn({1000, 100, 570, 430}) << false << false << Kind::Left
        << PanelRect{86, 100, 906, 420};
    QTest::newRow("desktop: moved up where the screen cuts its bottom off")
        << PanelRect{0, 0, 1920, 1080} << PanelRect{100, 900, 570, 170} << none << 906 << 420 << 906
        << PanelRect{116, 900, 257, 140} << false << false << Kind::Right
        << PanelRect{678, 660, 906, 420};
    QTest::newRow("desktop: a second screen")
        << PanelRect{1920, 0, 1280, 1024} << PanelRect{2000, 100, 570, 430} << none << 500 << 420
        << 500 << keptIn({2000, 100, 570, 430}) << false << false << Kind::Right
        << PanelRect{2578, 100, 500, 420};
    QTest::newRow("page 1280 x 800: right, its words over its graph")
        << PanelRect{0, 0, 1280, 800} << page << none << 928 << 430 << 438 << pageKept << false
        << false << Kind::Right << PanelRect{562, 0, 718, 800};
    QTest::newRow("page 1600 x 900: right, side by side")
        << PanelRect{0, 0, 1600, 900} << page << none << 928 << 430 << 438 << pageKept << false
        << false << Kind::Right << PanelRect{562, 0, 928, 430};
    QTest::newRow("never over another panel: below")
        << PanelRect{0, 0, 1280, 1000} << page << PanelRect{600, 0, 600, 390} << 928 << 430 << 438
        << pageKept << false << false << Kind::Below << PanelRect{0, 403, 928, 430};
    QTest::newRow("page 800 x 500: over the results, the boxes and run beside it")
        << PanelRect{0, 0, 800, 500} << page << none << 928 << 430 << 438 << pageKept << false
        << false << Kind::Over << PanelRect{281, 0, 519, 500};
    QTest::newRow("page 700 x 500: a sheet under run")
        << PanelRect{0, 0, 700, 500} << page << none << 928 << 430 << 438 << pageKept << false
        << false << Kind::Sheet << PanelRect{0, 380, 700, 120};
    QTest::newRow("desktop 1280 x 800, centred: Practice over the results")
        << PanelRect{0, 0, 1280, 800} << PanelRect{355, 185, 570, 430} << none << 500 << 520 << 500
        << keptIn({355, 185, 570, 430}) << false << false << Kind::Over
        << PanelRect{636, 185, 500, 520};
    QTest::newRow("desktop 1280 x 800, centred: Practice shorter, above the working's sheet")
        << PanelRect{0, 0, 1280, 800} << PanelRect{355, 185, 570, 430}
        << PanelRect{355, 592, 906, 208} << 500 << 520 << 500 << keptIn({355, 185, 570, 430})
        << false << false << Kind::Over << PanelRect{636, 185, 500, 399};
    QTest::newRow("desktop 1280 x 800, centred: the working a sheet under run")
        << PanelRect{0, 0, 1280, 800} << PanelRect{355, 185, 570, 430}
        << PanelRect{636, 185, 500, 520} << 906 << 438 << 906 << keptIn({355, 185, 570, 430})
        << false << false << Kind::Sheet << PanelRect{355, 592, 906, 208};
    QTest::newRow("desktop 1024 x 768, main window low: a sheet above the boxes")
        << PanelRect{0, 0, 1024, 768} << PanelRect{454, 338, 570, 430} << none << 906 << 438 << 906
        << keptIn({454, 338, 570, 430}) << false << false << Kind::Sheet
        << PanelRect{118, 114, 906, 438};
    QTest::newRow("desktop: a sheet never outside a short screen")
        << PanelRect{0, 0, 1024, 80} << PanelRect{0, 0, 570, 430} << none << 906 << 438 << 906
        << keptIn({0, 0, 570, 430}) << false << false << Kind::Sheet << PanelRect{0, 0, 906, 80};
    QTest::newRow("page 800 x 500: a short panel below")
        << PanelRect{0, 0, 800, 500} << page << none << 500 << 60 << 500 << pageKept << false
        << false << Kind::Below << PanelRect{0, 403, 500, 60};
    QTest::newRow("phone 360 x 740: the lower two fifths, the screen's width")
        << PanelRect{0, 0, 360, 740} << PanelRect{0, 0, 360, 900} << none << 928 << 430 << 438
        << PanelRect{} << true << false << Kind::Sheet << PanelRect{0, 444, 360, 296};
    QTest::newRow("phone in landscape 740 x 360")
        << PanelRect{0, 0, 740, 360} << PanelRect{0, 0, 740, 900} << none << 928 << 430 << 438
        << PanelRect{} << true << false << Kind::Sheet << PanelRect{0, 216, 740, 144};
    QTest::newRow("phone 390 x 844: a sheet above the sheet open")
        << PanelRect{0, 0, 390, 844} << PanelRect{0, 0, 390, 1400} << PanelRect{0, 644, 390, 200}
        << 390 << 300 << 390 << PanelRect{} << true << false << Kind::Sheet
        << PanelRect{0, 344, 390, 300};
    QTest::newRow("phone 390 x 844: a sheet over the sheet open where both do not fit")
        << PanelRect{0, 0, 390, 844} << PanelRect{0, 0, 390, 1400} << PanelRect{0, 344, 390, 500}
        << 928 << 430 << 438 << PanelRect{} << true << false << Kind::Sheet
        << PanelRect{0, 507, 390, 337};
    QTest::newRow("phone 360 x 740: Practice the whole screen")
        << PanelRect{0, 0, 360, 740} << PanelRect{0, 0, 360, 1400} << none << 480 << 900 << 360
        << PanelRect{} << true << true << Kind::FullScreen << PanelRect{0, 0, 360, 740};
    QTest::newRow("phone 390 x 844: Practice above the sheet open")
        << PanelRect{0, 0, 390, 844} << PanelRect{0, 0, 390, 1400} << PanelRect{0, 507, 390, 337}
        << 480 << 900 << 390 << PanelRect{} << true << true << Kind::FullScreen
        << PanelRect{0, 0, 390, 507};
    QTest::newRow("phone 390 x 844: Practice over a sheet that leaves it too little")
        << PanelRect{0, 0, 390, 844} << PanelRect{0, 0, 390, 1400} << PanelRect{0, 344, 390, 500}
        << 480 << 900 << 390 << PanelRect{} << true << true << Kind::FullScreen
        << PanelRect{0, 0, 390, 844};
}

void TestPanelPlacement::placement() {
    QFETCH(PanelRect, screen);
    QFETCH(PanelRect, mainWindow);
    QFETCH(PanelRect, openPanel);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, narrowest);
    QFETCH(PanelRect, keepVisible);
    QFETCH(bool, phone);
    QFETCH(bool, fullScreenOnPhone);
    QFETCH(PanelPlacement::Kind, kind);
    QFETCH(PanelRect, rect);

    PanelRequest request{screen, mainWindow,       {}, width, height, narrowest, keepVisible,
                         phone,  fullScreenOnPhone};
    if (openPanel.width > 0)
        request.panels.push_back(openPanel);
    const PanelPlacement placed = placePanel(request);
    QCOMPARE(static_cast<int>(placed.kind), static_cast<int>(kind));
    QCOMPARE(placed.rect.left, rect.left);
    QCOMPARE(placed.rect.top, rect.top);
    QCOMPARE(placed.rect.width, rect.width);
    QCOMPARE(placed.rect.height, rect.height);
}

void TestPanelPlacement::wholeOnScreen_data() {
    QTest::addColumn<PanelRect>("screen");
    QTest::addColumn<PanelRect>("mainWindow");
    QTest::addColumn<bool>("phone");

    // The desktop's main window with its frame, placed by the window manager.
    const int width = 570, height = 430;
    for (const PanelRect& screen : {PanelRect{0, 0, 1024, 768}, PanelRect{0, 0, 1280, 800},
                                    PanelRect{0, 0, 1366, 768}, PanelRect{0, 0, 1920, 1080}}) {
        const QByteArray size =
            QByteArray::number(screen.width) + " x " + QByteArray::number(screen.height) + ", ";
        const int right = screen.right() - width, bottom = screen.bottom() - height;
        QTest::newRow(size + "centred")
            << screen << PanelRect{right / 2, bottom / 2, width, height} << false;
        QTest::newRow(size + "top left") << screen << PanelRect{0, 0, width, height} << false;
        QTest::newRow(size + "top right") << screen << PanelRect{right, 0, width, height} << false;
        QTest::newRow(size + "bottom left")
            << screen << PanelRect{0, bottom, width, height} << false;
        QTest::newRow(size + "bottom right")
            << screen << PanelRect{right, bottom, width, height} << false;
    }
    // A phone's column, longer than the screen, scrolled to its top.
    QTest::newRow("390 x 844") << PanelRect{0, 0, 390, 844} << PanelRect{0, 0, 390, 1400} << true;
    QTest::newRow("360 x 740") << PanelRect{0, 0, 360, 740} << PanelRect{0, 0, 360, 1400} << true;
}

void TestPanelPlacement::wholeOnScreen() {
    QFETCH(PanelRect, screen);
    QFETCH(PanelRect, mainWindow);
    QFETCH(bool, phone);

    struct Panel {
        const char* name;
        int width, height, narrowest;
        bool fullScreenOnPhone;
    };
    // Their sizes on the desktop; on a phone each takes the screen's width.
    const Panel panels[] = {{"Equation", 340, 200, 340, false},
                            {"Practice", 500, 520, 500, true},
                            {"Working", 906, 438, 906, false}};
    PanelRequest request;
    request.screen = screen;
    request.mainWindow = mainWindow;
    request.keepVisible = keptIn(mainWindow);
    request.phone = phone;
    for (const Panel& panel : panels) {
        request.width = phone ? screen.width : panel.width;
        request.narrowest = phone ? screen.width : panel.narrowest;
        request.height = panel.height;
        request.fullScreenOnPhone = panel.fullScreenOnPhone;
        const PanelRect place = placePanel(request).rect;
        const QByteArray shown = QByteArray(panel.name) + " at " + QByteArray::number(place.left) +
                                 ", " + QByteArray::number(place.top) + ", " +
                                 QByteArray::number(place.width) + " x " +
                                 QByteArray::number(place.height);
        QVERIFY2(screen.contains(place), shown);
        QVERIFY2(place.height >= std::min(panel.height, 96), shown);
        if (!phone)
            QVERIFY2(!place.overlaps(request.keepVisible), shown);
        // On a phone Practice, opened after the Equation box, leaves it in sight.
        if (phone && panel.fullScreenOnPhone) {
            QVERIFY2(!place.overlaps(request.panels.front()), shown);
            QVERIFY2(place.height >= screen.height / 2, shown);
        }
        request.panels.push_back(place);
    }
}

QTEST_GUILESS_MAIN(TestPanelPlacement)
#include "test_panel_placement.moc"
