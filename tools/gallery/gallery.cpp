// orbelle_gallery OUTDIR [SCALE...]
// Renders every window of Orbelle in its main states into OUTDIR/<window>-<state>@<scale>x.png,
// on the offscreen platform and on test doubles, once per scale factor (default 1, 1.5, 2).

#include "app/Forms.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeFileTest.h"
#include "doubles/FakeProgramStart.h"
#include "doubles/FakeRegistry.h"
#include "doubles/PdfPrinter.h"
#include "doubles/RecordingMessageBox.h"
#include "doubles/RecordingShell.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTextStream>

#include <functional>

using namespace orbelle;

namespace {

struct Shot {
    const char* name;
    // Brings the program into the state and returns the window to picture.
    std::function<QWidget*(Forms&)> prepare;
};

void choose(Forms& forms, const QString& own, const QString& partner)
{
    Form1& main = forms.mainWindow.load();
    main.cbo_astro1->setCurrentText(own);
    main.cbo_astro2->setCurrentText(partner);
}

template <typename W> W* child(QWidget* window, const char* name)
{
    return window ? window->findChild<W*>(QLatin1String(name)) : nullptr;
}

void clickChild(QWidget* window, const char* name)
{
    if (auto* button = child<QPushButton>(window, name))
        button->click();
}

const std::vector<Shot>& shots()
{
    static const std::vector<Shot> list = {
        {"main-start", [](Forms& f) -> QWidget* { return &f.mainWindow.load(); }},
        {"main-chosen",
         [](Forms& f) -> QWidget* {
             choose(f, QStringLiteral("Widder"), QStringLiteral("Löwe"));
             return &f.mainWindow.load();
         }},
        {"profile-widder",
         [](Forms& f) -> QWidget* {
             f.mainWindow.load().widder_Click();
             return f.profileWindow.loaded();
         }},
        {"profile-wassermann",
         [](Forms& f) -> QWidget* {
             f.mainWindow.load().wassermann_Click();
             return f.profileWindow.loaded();
         }},
        {"analysis-reading",
         [](Forms& f) -> QWidget* {
             choose(f, QStringLiteral("Widder"), QStringLiteral("Löwe"));
             f.mainWindow.load().Image1_Click();
             return f.analysisWindow.loaded();
         }},
        {"analysis-longest",
         [](Forms& f) -> QWidget* {
             choose(f, QStringLiteral("Jungfrau"), QStringLiteral("Waage"));
             f.mainWindow.load().Image1_Click();
             return f.analysisWindow.loaded();
         }},
        {"analysis-info",
         [](Forms& f) -> QWidget* {
             choose(f, QStringLiteral("Zwillinge"), QStringLiteral("Skorpion"));
             f.mainWindow.load().Image1_Click();
             clickChild(f.analysisWindow.loaded(), "Command1a");
             return f.analysisWindow.loaded();
         }},
        {"birthdate-start",
         [](Forms& f) -> QWidget* {
             f.mainWindow.load().Command3_Click();
             return f.birthDateWindow.loaded();
         }},
        {"birthdate-answer",
         [](Forms& f) -> QWidget* {
             f.mainWindow.load().Command3_Click();
             QWidget* w = f.birthDateWindow.loaded();
             if (auto* day = child<QComboBox>(w, "Combo1"))
                 day->setCurrentText(QStringLiteral("23"));
             if (auto* month = child<QComboBox>(w, "Combo2"))
                 month->setCurrentText(QStringLiteral("September"));
             clickChild(w, "Command1");
             return w;
         }},
        {"about",
         [](Forms& f) -> QWidget* {
             f.mainWindow.load().Command2_Click();
             return f.aboutDialog.loaded();
         }},
    };
    return list;
}

// One process per scale factor: Qt reads QT_SCALE_FACTOR once, at start-up.
int renderAll(const QString& outDir, const QString& scale, int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", scale.toUtf8());
    QApplication app(argc, argv);
    QTextStream out(stdout);
    RecordingMessageBox messageBox;
    FakeClipboard clipboard;
    PdfPrinter printer(QDir(outDir).filePath(QStringLiteral("gallery-print.pdf")));
    FakeRegistry registry;
    RecordingShell shell;
    FakeProgramStart programStart;
    FakeFileTest fileTest;
    for (const Shot& shot : shots()) {
        Forms forms(
            Platform{messageBox, clipboard, printer, registry, shell, programStart, fileTest});
        forms.mainWindow.show();
        QWidget* window = shot.prepare(forms);
        if (!window) {
            out << "skipped " << shot.name << " (window not available)\n";
            continue;
        }
        window->show();
        QApplication::processEvents();
        const QString file = QDir(outDir).filePath(
            QStringLiteral("%1@%2x.png").arg(QLatin1String(shot.name), scale));
        window->grab().save(file);
        out << file << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: orbelle_gallery OUTDIR [SCALE...]\n";
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    QStringList scales;
    for (int i = 2; i < argc; ++i)
        scales << QString::fromLocal8Bit(argv[i]);
    if (scales.size() == 1) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return renderAll(outDir, scales.front(), 1, argv);
    }
    if (scales.isEmpty())
        scales = {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")};
    // Several scales: run this program once for each.
    for (const QString& scale : scales) {
        const int rc = QProcess::execute(QString::fromLocal8Bit(argv[0]), {outDir, scale});
        if (rc != 0)
            return rc;
    }
    return 0;
}
