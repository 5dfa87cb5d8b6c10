// The single-instance window model: load on first use, show without reloading (restoring a
// minimised window), placed on the screen, unload on close, and the class's own fields
// surviving the unload; the artwork every window draws.

#include "TestSupport.h"

#include "kit/FormSlot.h"
#include "kit/Look.h"

#include <QPointer>
#include <QScreen>

using namespace orbelle;

namespace {

// What the window class keeps outside its window, as the analysis window does.
struct KeptFields {
    int loads = 0;
    QString remembered;
};

class ProbeForm final : public Form {
public:
    explicit ProbeForm(KeptFields& fields)
        : Form(Border::FixedNoMinimise)
        , kept(fields)
    {
        setClientSizeTwips(1500, 1500);
    }
    void Form_Load() override { ++kept.loads; }
    KeptFields& kept;
};

} // namespace

class tst_WindowModel : public QObject {
    Q_OBJECT

private:
    KeptFields m_kept;
    std::unique_ptr<FormSlot<ProbeForm>> m_slot;

private Q_SLOTS:
    void init()
    {
        m_kept = {};
        m_slot = std::make_unique<FormSlot<ProbeForm>>(
            [this] { return std::make_unique<ProbeForm>(m_kept); });
    }

    void cleanup()
    {
        m_slot.reset();
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void loadsHiddenOnceAndShowsWithoutReloading()
    {
        m_slot->unload();
        QVERIFY(!m_slot->loaded());
        ProbeForm& form = m_slot->load();
        QVERIFY(!form.isVisible());
        QCOMPARE(&m_slot->load(), &form);
        m_slot->show();
        m_slot->show();
        QCOMPARE(m_slot->loaded(), &form);
        QVERIFY(form.isVisible());
        QVERIFY(!form.windowIcon().isNull());
        QCOMPARE(m_kept.loads, 1);
        // Centred on the screen, with a few pixels of slack for odd sizes and the frame.
        const QPoint offset = form.frameGeometry().center()
                              - form.screen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 6,
                 qPrintable(QString::number(offset.manhattanLength())));
        // Minimised, it comes back the same way; some windows have no taskbar entry.
        form.setWindowState(Qt::WindowMinimized);
        m_slot->show();
        QVERIFY(!form.isMinimized() && form.isVisible());
        QCOMPARE(m_kept.loads, 1);
    }

    void centredButKeptOnTheScreen_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("fits: centred")
            << QSize(400, 300) << QRect(0, 0, 1280, 1024) << QPoint(440, 362);
        QTest::newRow("larger than a screen at three times the scale: its top left corner")
            << QSize(558, 472) << QRect(0, 0, 427, 341) << QPoint(0, 0);
        QTest::newRow("taller only, below a panel: centred across, top on the screen")
            << QSize(400, 1000) << QRect(0, 40, 1280, 984) << QPoint(440, 40);
    }

    void centredButKeptOnTheScreen()
    {
        QFETCH(QSize, frame);
        QFETCH(QRect, screen);
        QFETCH(QPoint, topLeft);
        QCOMPARE(centredOn(QRect(QPoint(-5000, 7), frame), screen), topLeft);
    }

    void artworkForTheScreenScale_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<int>("render"); // the render it is, in percent; 0 when scaled down
        QTest::newRow("100 %") << 1.0 << 100;
        QTest::newRow("175 %") << 1.75 << 175;
        QTest::newRow("between 125 and 150 %") << 1.3 << 0;
        QTest::newRow("above the largest render") << 3.5 << 0;
    }

    void artworkForTheScreenScale()
    {
        QFETCH(qreal, ratio);
        QFETCH(int, render);
        const QImage logo = Look::artwork(Artwork::kLogo, ratio).toImage();
        QCOMPARE(logo.size(), QSize(51, 36) * ratio);
        QCOMPARE(logo.devicePixelRatio(), ratio);
        if (render) {
            QImage exact =
                Look::artworkRender(Artwork::kLogo, render).convertToFormat(logo.format());
            exact.setDevicePixelRatio(ratio);
            QCOMPARE(logo, exact);
        }
        // The light box of the logo, not an empty picture.
        QCOMPARE(logo.pixelColor(logo.width() / 8, logo.height() / 2), QColor(0xff, 0xf8, 0xdc));
    }

    void closingUnloadsAtOnce_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("close box") << true << true;
        QTest::newRow("unloaded by the program") << true << false;
        QTest::newRow("unloaded while still hidden") << false << false;
    }

    void closingUnloadsAtOnce()
    {
        QFETCH(bool, shown);
        QFETCH(bool, closeBox);
        ProbeForm& form = m_slot->load();
        form.kept.remembered = QStringLiteral("Widder");
        if (shown)
            m_slot->show();
        QPointer<ProbeForm> first = &form;
        if (closeBox)
            QVERIFY(form.close());
        else
            m_slot->unload();
        QVERIFY(!m_slot->isLoaded());
        QTRY_VERIFY(first.isNull());
        // The next use loads a new window at once, and the class's fields are still there.
        m_slot->show();
        QVERIFY(m_slot->loaded());
        QCOMPARE(m_kept.loads, 2);
        QCOMPARE(m_kept.remembered, QStringLiteral("Widder"));
    }
};

QTEST_MAIN(tst_WindowModel)
#include "tst_windowmodel.moc"
