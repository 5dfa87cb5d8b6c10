// The single-instance window model: load on first use, show without reloading, unload on
// close, and the class's own fields surviving the unload.

#include "platform/FormSlot.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

using namespace orbelle;

namespace {

struct KeptFields {
    int loads = 0;
    QString remembered;
};

class ProbeForm final : public Form {
public:
    explicit ProbeForm(KeptFields& kept)
        : Form(Border::FixedNoMinimise)
        , m_kept(kept)
    {
        setClientSizeTwips(1500, 1500);
    }
    void Form_Load() override { ++m_kept.loads; }
    void remember(const QString& text) { m_kept.remembered = text; }

private:
    KeptFields& m_kept;
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

    void loadingCreatesHiddenAndRunsLoadOnce()
    {
        QVERIFY(!m_slot->isLoaded());
        QVERIFY(!m_slot->loaded());
        ProbeForm& form = m_slot->load();
        QVERIFY(m_slot->isLoaded());
        QVERIFY(!form.isVisible());
        QCOMPARE(&m_slot->load(), &form);
        QCOMPARE(m_kept.loads, 1);
    }

    void showingALoadedWindowDoesNotLoadAgain()
    {
        m_slot->show();
        ProbeForm* first = m_slot->loaded();
        QVERIFY(first && first->isVisible());
        m_slot->show();
        QCOMPARE(m_slot->loaded(), first);
        QCOMPARE(m_kept.loads, 1);
    }

    void unloadForgetsAtOnceAndDestroysTheWindow()
    {
        m_slot->show();
        QPointer<ProbeForm> first = m_slot->loaded();
        m_slot->unload();
        QVERIFY(!m_slot->isLoaded());
        QTRY_VERIFY(first.isNull());
        // The next use loads a new window afresh, even within the same event.
        m_slot->show();
        QVERIFY(m_slot->loaded());
        QCOMPARE(m_kept.loads, 2);
    }

    void unloadingAWindowThatWasNeverShown()
    {
        QPointer<ProbeForm> hidden = &m_slot->load();
        m_slot->unload();
        QVERIFY(!m_slot->isLoaded());
        QTRY_VERIFY(hidden.isNull());
    }

    void closeBoxUnloads()
    {
        m_slot->show();
        QPointer<ProbeForm> form = m_slot->loaded();
        QVERIFY(form->close());
        QVERIFY(!m_slot->isLoaded());
        QTRY_VERIFY(form.isNull());
    }

    void unloadingWhatIsNotLoadedDoesNothing()
    {
        m_slot->unload();
        QVERIFY(!m_slot->isLoaded());
        QCOMPARE(m_kept.loads, 0);
    }

    void fieldsOfTheClassSurviveTheUnload()
    {
        m_slot->load().remember(QStringLiteral("Widder"));
        m_slot->unload();
        m_slot->load();
        QCOMPARE(m_kept.remembered, QStringLiteral("Widder"));
    }

    void firstShowIsCentredOnTheScreen()
    {
        m_slot->show();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offset = m_slot->loaded()->frameGeometry().center() - screen.center();
        // A few pixels of slack for odd sizes and the window frame.
        QVERIFY2(offset.manhattanLength() <= 6, qPrintable(QString::number(offset.manhattanLength())));
    }
};

QTEST_MAIN(tst_WindowModel)
#include "tst_windowmodel.moc"
