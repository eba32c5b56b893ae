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
};

void TestPanelPlacement::placement_data() {
    QTest::addColumn<PanelRect>("screen");
    QTest::addColumn<PanelRect>("mainWindow");
    QTest::addColumn<PanelRect>("openPanel"); // none where its width is 0
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("narrowest");
    QTest::addColumn<int>("keepVisibleBottom");
    QTest::addColumn<bool>("phone");
    QTest::addColumn<PanelPlacement::Kind>("kind");
    QTest::addColumn<PanelRect>("rect");

    using Kind = PanelPlacement::Kind;
    const PanelRect none{};
    // The page's window at the view's corner, 554 x 395, and its working: 928 x 430 side by side,
    // 438 wide at least, under "run" at 372.
    const PanelRect page{0, 0, 554, 395};
    QTest::newRow("desktop: right of the main window")
        << PanelRect{0, 0, 1920, 1080} << PanelRect{100, 100, 570, 430} << none << 906 << 420 << 906
        << 400 << false << Kind::Right << PanelRect{678, 100, 906, 420};
    QTest::newRow("desktop: left where the right has no room")
        << PanelRect{0, 0, 1920, 1080} << PanelRect{1000, 100, 570, 430} << none << 906 << 420
        << 906 << 400 << false << Kind::Left << PanelRect{86, 100, 906, 420};
    QTest::newRow("desktop: moved up where the screen cuts its bottom off")
        << PanelRect{0, 0, 1920, 1080} << PanelRect{100, 900, 570, 170} << none << 906 << 420 << 906
        << 1040 << false << Kind::Right << PanelRect{678, 660, 906, 420};
    QTest::newRow("desktop: a second screen")
        << PanelRect{1920, 0, 1280, 1024} << PanelRect{2000, 100, 570, 430} << none << 500 << 420
        << 500 << 400 << false << Kind::Right << PanelRect{2578, 100, 500, 420};
    QTest::newRow("page 1280 x 800: right, its words over its graph")
        << PanelRect{0, 0, 1280, 800} << page << none << 928 << 430 << 438 << 372 << false
        << Kind::Right << PanelRect{562, 0, 718, 800};
    QTest::newRow("page 1600 x 900: right, side by side")
        << PanelRect{0, 0, 1600, 900} << page << none << 928 << 430 << 438 << 372 << false
        << Kind::Right << PanelRect{562, 0, 928, 430};
    QTest::newRow("never over another panel: below")
        << PanelRect{0, 0, 1280, 1000} << page << PanelRect{600, 0, 600, 390} << 928 << 430 << 438
        << 372 << false << Kind::Below << PanelRect{0, 403, 928, 430};
    QTest::newRow("page 800 x 500: a sheet under run")
        << PanelRect{0, 0, 800, 500} << page << none << 928 << 430 << 438 << 372 << false
        << Kind::Sheet << PanelRect{0, 380, 800, 120};
    QTest::newRow("page 800 x 500: a short panel below")
        << PanelRect{0, 0, 800, 500} << page << none << 500 << 60 << 500 << 372 << false
        << Kind::Below << PanelRect{0, 403, 500, 60};
    QTest::newRow("phone 360 x 740: the lower two fifths, the screen's width")
        << PanelRect{0, 0, 360, 740} << PanelRect{0, 0, 360, 900} << none << 928 << 430 << 438
        << 600 << true << Kind::Sheet << PanelRect{0, 444, 360, 296};
    QTest::newRow("phone in landscape 740 x 360")
        << PanelRect{0, 0, 740, 360} << PanelRect{0, 0, 740, 900} << none << 928 << 430 << 438
        << 600 << true << Kind::Sheet << PanelRect{0, 216, 740, 144};
}

void TestPanelPlacement::placement() {
    QFETCH(PanelRect, screen);
    QFETCH(PanelRect, mainWindow);
    QFETCH(PanelRect, openPanel);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, narrowest);
    QFETCH(int, keepVisibleBottom);
    QFETCH(bool, phone);
    QFETCH(PanelPlacement::Kind, kind);
    QFETCH(PanelRect, rect);

    PanelRequest request{screen,    mainWindow,        {},   width, height,
                         narrowest, keepVisibleBottom, phone};
    if (openPanel.width > 0)
        request.panels.push_back(openPanel);
    const PanelPlacement placed = placePanel(request);
    QCOMPARE(static_cast<int>(placed.kind), static_cast<int>(kind));
    QCOMPARE(placed.rect.left, rect.left);
    QCOMPARE(placed.rect.top, rect.top);
    QCOMPARE(placed.rect.width, rect.width);
    QCOMPARE(placed.rect.height, rect.height);
}

QTEST_GUILESS_MAIN(TestPanelPlacement)
#include "test_panel_placement.moc"
