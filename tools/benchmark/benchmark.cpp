// orbelle_benchmark [RUNS]
// Starts the probe (Orbelle) and the labelled window (a Qt window of the main window's size
// with one label in its font) RUNS times each (default 30), in alternation, and prints
// medians: process start to the first painted frame, the processor time used until then,
// peak resident memory, and (in one further run) heart click to the analysis window painted.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct ProbeRun {
    double startupMs = -1;
    double cpuMs = -1;
    double maxRssMiB = -1;
    std::vector<double> heartMs;
};

std::optional<ProbeRun> runProbe(const QString& probe, const QStringList& arguments = {})
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(probe, arguments);
    if (!process.waitForStarted(10000))
        return std::nullopt;
    ProbeRun run;
    QByteArray pending;
    bool finished = false;
    while (!finished && process.waitForReadyRead(20000)) {
        pending += process.readAllStandardOutput();
        qsizetype newline;
        while ((newline = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(newline).trimmed();
            pending.remove(0, newline + 1);
            if (line == "shown")
                run.startupMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            else if (line.startsWith("cpu_us "))
                run.cpuMs = line.mid(7).toDouble() / 1000.0;
            else if (line.startsWith("heart_us "))
                run.heartMs.push_back(line.mid(9).toDouble() / 1000.0);
            else if (line.startsWith("maxrss_kib ")) {
                run.maxRssMiB = line.mid(11).toDouble() / 1024.0;
                finished = true;
            }
        }
    }
    process.waitForFinished(10000);
    if (run.startupMs < 0 || run.maxRssMiB < 0)
        return std::nullopt;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

QString fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    const QString folder = QCoreApplication::applicationDirPath();
    const QString probe = folder + QStringLiteral("/orbelle_startup_probe");
    const QString labelled = folder + QStringLiteral("/orbelle_labelled_window");
    QTextStream out(stdout);
    std::vector<double> orbelleStart, labelStart, orbelleCpu, labelCpu, orbelleMem, labelMem;
    // Warm the file cache once for both.
    runProbe(probe);
    runProbe(labelled);
    for (int i = 0; i < runs; ++i) {
        const auto orbelle = runProbe(probe);
        const auto label = runProbe(labelled);
        if (!orbelle || !label) {
            out << "a probe did not show its window (is there a display? try xvfb-run -a)\n";
            return 1;
        }
        orbelleStart.push_back(orbelle->startupMs);
        orbelleMem.push_back(orbelle->maxRssMiB);
        labelStart.push_back(label->startupMs);
        orbelleCpu.push_back(orbelle->cpuMs);
        labelCpu.push_back(label->cpuMs);
        labelMem.push_back(label->maxRssMiB);
    }
    const auto heart = runProbe(probe, {QStringLiteral("heart")});
    if (!heart) {
        out << "the heart probe did not finish\n";
        return 1;
    }
    const double o = median(orbelleStart), l = median(labelStart);
    const double oc = median(orbelleCpu), lc = median(labelCpu);
    out << "runs per variant:                      " << runs << '\n'
        << "start to first frame, Orbelle:         " << fixed(o) << " ms (median)\n"
        << "start to first frame, labelled window: " << fixed(l) << " ms (median)\n"
        << "ratio Orbelle / labelled window:       " << fixed(o / l, 2) << '\n'
        << "processor time to it, Orbelle:         " << fixed(oc) << " ms (median)\n"
        << "processor time to it, labelled window: " << fixed(lc) << " ms (median)\n"
        << "ratio of processor times:              " << fixed(oc / lc, 2) << '\n'
        << "heart click to analysis shown:         " << fixed(median(heart->heartMs), 2)
        << " ms (median of " << heart->heartMs.size() << ")\n"
        << "peak resident memory, Orbelle:         " << fixed(median(orbelleMem)) << " MiB\n"
        << "peak resident memory, labelled window: " << fixed(median(labelMem)) << " MiB\n"
        << "difference:                            " << fixed(median(orbelleMem) - median(labelMem))
        << " MiB\n";
    return 0;
}
