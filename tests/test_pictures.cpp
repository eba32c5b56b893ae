#include <set>
#include <utility>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QTest>

// The pictures are drawn by a script and committed; these tests read the embedded copies
// byte by byte, so a regenerated file that drifts from the window's expectations fails here.

namespace {

QByteArray resource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

// Little-endian fields, reading past the end as zero so a truncated file fails the checks.
class Bytes {
public:
    explicit Bytes(QByteArray data) : m_data(std::move(data)) {}
    qsizetype size() const { return m_data.size(); }
    int u8(qsizetype at) const { return at >= 0 && at < m_data.size() ? quint8(m_data[at]) : 0; }
    int u16(qsizetype at) const { return u8(at) | u8(at + 1) << 8; }
    int u16be(qsizetype at) const { return u8(at) << 8 | u8(at + 1); }
    quint32 u32(qsizetype at) const { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; }
    QByteArray text(qsizetype at, qsizetype length) const { return m_data.mid(at, length); }

private:
    QByteArray m_data;
};

struct GifFrame {
    bool hasControl = false;
    int disposal = -1;
    bool transparent = false;
    int transparentIndex = -1;
    int delay = -1;
    QRect area;
    bool localPalette = false;
};

struct GifFile {
    QByteArray signature;
    QSize size;
    bool globalPalette = false;
    int globalPaletteEntries = 0;
    int loopCount = -1;
    QList<QByteArray> comments;
    QList<GifFrame> frames;
    bool reachedTrailer = false;
};

// Concatenated data sub-blocks starting at `at`; `at` ends past the terminator.
QByteArray subBlocks(const Bytes& bytes, qsizetype& at) {
    QByteArray data;
    while (at < bytes.size()) {
        const int length = bytes.u8(at++);
        if (length == 0) {
            break;
        }
        data += bytes.text(at, length);
        at += length;
    }
    return data;
}

GifFile parseGif(const Bytes& bytes) {
    GifFile gif;
    gif.signature = bytes.text(0, 6);
    gif.size = QSize(bytes.u16(6), bytes.u16(8));
    const int packed = bytes.u8(10);
    gif.globalPalette = packed & 0x80;
    gif.globalPaletteEntries = gif.globalPalette ? 2 << (packed & 7) : 0;
    qsizetype at = 13 + 3 * gif.globalPaletteEntries;
    GifFrame pending;
    while (at < bytes.size()) {
        const int introducer = bytes.u8(at++);
        if (introducer == 0x3B) {
            gif.reachedTrailer = true;
            break;
        }
        if (introducer == 0x21) {
            const int label = bytes.u8(at++);
            if (label == 0xF9) {
                const int fields = bytes.u8(at + 1);
                pending.hasControl = true;
                pending.disposal = (fields >> 2) & 7;
                pending.transparent = fields & 1;
                pending.delay = bytes.u16(at + 2);
                pending.transparentIndex = bytes.u8(at + 4);
                subBlocks(bytes, at);
            } else if (label == 0xFF) {
                const QByteArray application = subBlocks(bytes, at);
                // The identifier block comes first, then the loop sub-block 1, lo, hi.
                if (application.startsWith("NETSCAPE2.0") && application.size() >= 14 &&
                    application[11] == 1) {
                    gif.loopCount = quint8(application[12]) | quint8(application[13]) << 8;
                }
            } else if (label == 0xFE) {
                gif.comments.append(subBlocks(bytes, at));
            } else {
                subBlocks(bytes, at);
            }
        } else if (introducer == 0x2C) {
            GifFrame frame = pending;
            frame.area =
                QRect(bytes.u16(at), bytes.u16(at + 2), bytes.u16(at + 4), bytes.u16(at + 6));
            const int fields = bytes.u8(at + 8);
            frame.localPalette = fields & 0x80;
            at += 9;
            if (frame.localPalette) {
                at += 3 * (2 << (fields & 7));
            }
            ++at; // LZW minimum code size
            subBlocks(bytes, at);
            gif.frames.append(frame);
            pending = GifFrame();
        } else {
            break;
        }
    }
    return gif;
}

QRect opaqueBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

struct IconEntry {
    int width;
    int height;
    int colours;
    int field1; // planes for an icon, hot spot column for a cursor
    int field2; // bit count for an icon, hot spot row for a cursor
    qsizetype offset;
};

QList<IconEntry> iconDirectory(const Bytes& bytes, int& type) {
    type = bytes.u16(2);
    QList<IconEntry> entries;
    const int count = bytes.u16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        entries.append({bytes.u8(at) == 0 ? 256 : bytes.u8(at),
                        bytes.u8(at + 1) == 0 ? 256 : bytes.u8(at + 1), bytes.u8(at + 2),
                        bytes.u16(at + 4), bytes.u16(at + 6), qsizetype(bytes.u32(at + 12))});
    }
    return entries;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void decodesAtDesignedSize_data();
    void decodesAtDesignedSize();
    void bannerHeader();
    void bannerFrame_data();
    void bannerFrame();
    void bannerFirstFrameFigure();
    void bannerBeam_data();
    void bannerBeam();
    void stripIsColourJfif();
    void handCursor();
    void iconImages_data();
    void iconImages();
};

void TestPictures::decodesAtDesignedSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");

    QTest::newRow("banner") << ":/pictures/banner.gif" << QByteArray("gif") << QSize(405, 94);
    QTest::newRow("strip") << ":/pictures/strip.jpg" << QByteArray("jpeg") << QSize(55, 171);
    QTest::newRow("hand cursor") << ":/pictures/hand.cur" << QByteArray("cur") << QSize(32, 32);
    QTest::newRow("application icon, first image")
        << ":/icons/velmora.ico" << QByteArray("ico") << QSize(16, 16);
}

void TestPictures::decodesAtDesignedSize() {
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);

    QImageReader reader(path, format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestPictures::bannerHeader() {
    const GifFile gif = parseGif(Bytes(resource(":/pictures/banner.gif")));
    QCOMPARE(gif.signature, QByteArray("GIF89a"));
    QCOMPARE(gif.size, QSize(405, 94));
    QVERIFY(gif.globalPalette);
    QCOMPARE(gif.globalPaletteEntries, 64);
    QCOMPARE(gif.loopCount, 999);
    QCOMPARE(gif.comments.size(), 1);
    QVERIFY(!gif.comments.first().isEmpty());
    QCOMPARE(gif.frames.size(), 21);
    QVERIFY(gif.reachedTrailer);
}

void TestPictures::bannerFrame_data() {
    QTest::addColumn<int>("index");
    for (int index = 0; index < 21; ++index) {
        QTest::addRow("frame %d", index + 1) << index;
    }
}

void TestPictures::bannerFrame() {
    QFETCH(int, index);
    const GifFile gif = parseGif(Bytes(resource(":/pictures/banner.gif")));
    QVERIFY(index < gif.frames.size());
    const GifFrame& frame = gif.frames.at(index);
    QVERIFY(frame.hasControl);
    QCOMPARE(frame.delay, 7);
    QCOMPARE(frame.disposal, 2);
    QVERIFY(frame.transparent);
    QCOMPARE(frame.transparentIndex, 0);
    QCOMPARE(frame.area, QRect(0, 0, 405, 94));
    QVERIFY(!frame.localPalette);
}

void TestPictures::bannerFirstFrameFigure() {
    QImageReader reader(":/pictures/banner.gif");
    const QImage first = reader.read();
    QVERIFY(!first.isNull());
    QVERIFY(first.hasAlphaChannel());
    // Columns 14 to 65 and rows 10 to 84, both inclusive.
    QCOMPARE(opaqueBounds(first), QRect(QPoint(14, 10), QPoint(65, 84)));
}

void TestPictures::bannerBeam_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("firing");

    QTest::newRow("frame 1, standing") << 0 << false;
    QTest::newRow("frame 7, standing") << 6 << false;
    QTest::newRow("frame 13, last before the shot") << 12 << false;
    QTest::newRow("frame 14, the shot") << 13 << true;
    QTest::newRow("frame 17") << 16 << true;
    QTest::newRow("frame 21, last") << 20 << true;
}

void TestPictures::bannerBeam() {
    QFETCH(int, index);
    QFETCH(bool, firing);

    // Qt's GIF reader only steps forward, frame by frame.
    QImageReader reader(":/pictures/banner.gif");
    QImage frame;
    for (int i = 0; i <= index; ++i) {
        frame = reader.read();
        QVERIFY(!frame.isNull());
    }
    // The beam leaves the muzzle on row 49 and runs to the right.
    bool lit = true;
    for (int x = 70; x < 180; ++x) {
        lit = lit && qAlpha(frame.pixel(x, 49)) != 0;
    }
    QCOMPARE(lit, firing);
    const QRect bounds = opaqueBounds(frame);
    QCOMPARE(bounds.right() > 180, firing);
}

void TestPictures::stripIsColourJfif() {
    const Bytes bytes(resource(":/pictures/strip.jpg"));
    QCOMPARE(bytes.u16be(0), 0xFFD8);
    bool jfif = false;
    int frameMarker = 0;
    int height = 0;
    int width = 0;
    int components = 0;
    qsizetype at = 2;
    while (at + 4 <= bytes.size() && bytes.u8(at) == 0xFF) {
        const int marker = bytes.u8(at + 1);
        const int length = bytes.u16be(at + 2);
        if (marker == 0xE0 && bytes.text(at + 4, 5) == QByteArray("JFIF\0", 5)) {
            jfif = true;
        }
        // Start-of-frame markers are C0 to CF, less C4 (tables), C8 and CC.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
            marker != 0xCC) {
            frameMarker = marker;
            height = bytes.u16be(at + 5);
            width = bytes.u16be(at + 7);
            components = bytes.u8(at + 9);
        }
        if (marker == 0xDA) {
            break;
        }
        at += 2 + length;
    }
    QVERIFY(jfif);
    QCOMPARE(frameMarker, 0xC0);
    QCOMPARE(width, 55);
    QCOMPARE(height, 171);
    QCOMPARE(components, 3);
}

void TestPictures::handCursor() {
    const Bytes bytes(resource(":/pictures/hand.cur"));
    int type = 0;
    const QList<IconEntry> entries = iconDirectory(bytes, type);
    QCOMPARE(type, 2);
    QCOMPARE(entries.size(), 1);
    const IconEntry& entry = entries.first();
    QCOMPARE(entry.width, 32);
    QCOMPARE(entry.height, 32);
    QCOMPARE(entry.colours, 16);
    QCOMPARE(QPoint(entry.field1, entry.field2), QPoint(12, 1));
    // The bitmap header: its height counts the colour rows and the mask rows.
    QCOMPARE(bytes.u32(entry.offset), 40u);
    QCOMPARE(bytes.u32(entry.offset + 4), 32u);
    QCOMPARE(bytes.u32(entry.offset + 8), 64u);
    QCOMPARE(bytes.u16(entry.offset + 14), 4);

    // The fingertip under the hot spot is drawn; the corner beside it is see-through.
    const QImage image(":/pictures/hand.cur", "cur");
    QVERIFY(!image.isNull());
    QCOMPARE(qAlpha(image.pixel(12, 1)), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

void TestPictures::iconImages_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bits");

    for (const int size : {16, 32, 48, 64, 128}) {
        for (const int bits : {4, 24, 32}) {
            QTest::addRow("%d px, %d bits", size, bits) << size << bits;
        }
    }
}

void TestPictures::iconImages() {
    QFETCH(int, size);
    QFETCH(int, bits);

    const Bytes bytes(resource(":/icons/velmora.ico"));
    int type = 0;
    const QList<IconEntry> entries = iconDirectory(bytes, type);
    QCOMPARE(type, 1);
    QCOMPARE(entries.size(), 15);
    std::set<std::pair<int, int>> kinds;
    for (const IconEntry& entry : entries) {
        kinds.insert({entry.width, entry.field2});
    }
    QCOMPARE(kinds.size(), std::size_t(15));

    int index = -1;
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].width == size && entries[i].height == size && entries[i].field2 == bits) {
            index = i;
        }
    }
    QVERIFY(index >= 0);
    const IconEntry& entry = entries[index];
    QCOMPARE(entry.colours, bits == 4 ? 16 : 0);
    QCOMPARE(entry.field1, 1);
    QCOMPARE(bytes.u32(entry.offset + 4), quint32(size));
    QCOMPARE(bytes.u32(entry.offset + 8), quint32(2 * size));
    QCOMPARE(bytes.u16(entry.offset + 14), bits);
    // The AND mask follows the colour rows, bottom row first: the top-left corner of the
    // rounded field is its last row's first bit. Qt ignores the mask of 24-bit images, so
    // it is read here rather than from the decoded image.
    const qsizetype palette = bits == 4 ? 16 * 4 : 0;
    const qsizetype colourRow = (size * bits / 8 + 3) / 4 * 4;
    const qsizetype maskRow = (size / 8 + 3) / 4 * 4;
    const qsizetype mask = entry.offset + 40 + palette + colourRow * size;
    QCOMPARE(bytes.u8(mask + maskRow * (size - 1)) & 0x80, 0x80);
    QCOMPARE(bytes.u8(mask + maskRow * (size / 2)) & 0x80, 0);

    QImageReader reader(":/icons/velmora.ico", "ico");
    QVERIFY(reader.jumpToImage(index));
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(size, size));
    // A black field with the V's left arm warm yellow-orange: a red/blue swap or a wrong
    // palette shows here.
    const QColor field = image.pixelColor(size * 15 / 100, size * 80 / 100);
    QCOMPARE(field.alpha(), 255);
    QVERIFY2(field.red() < 40 && field.green() < 40 && field.blue() < 40, qPrintable(field.name()));
    const QColor arm = image.pixelColor(size * 28 / 100, size * 30 / 100);
    QCOMPARE(arm.alpha(), 255);
    QVERIFY2(arm.red() > 230 && arm.green() > 120 && arm.blue() < 80, qPrintable(arm.name()));
}

QTEST_GUILESS_MAIN(TestPictures)
#include "test_pictures.moc"
