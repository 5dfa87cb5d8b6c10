// orbelle_benchmark [RUNS]
// Starts the probe RUNS times (default 30) for Orbelle and for a bare Qt window, in
// alternation, and prints the median time from process start to the first painted window.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

double startupMs(const QString& probe, const QString& variant)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(probe, {variant});
    if (!process.waitForStarted(10000))
        return -1;
    QByteArray output;
    while (!output.contains("shown") && process.waitForReadyRead(10000))
        output += process.readAllStandardOutput();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(10000);
    return output.contains("shown") ? ms : -1;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    const QString probe = QCoreApplication::applicationDirPath()
                          + QStringLiteral("/orbelle_startup_probe");
    QTextStream out(stdout);
    std::vector<double> orbelle, bare;
    startupMs(probe, QStringLiteral("orbelle")); // warm the file cache once
    for (int i = 0; i < runs; ++i) {
        orbelle.push_back(startupMs(probe, QStringLiteral("orbelle")));
        bare.push_back(startupMs(probe, QStringLiteral("bare")));
    }
    if (std::count(orbelle.begin(), orbelle.end(), -1) || std::count(bare.begin(), bare.end(), -1)) {
        out << "a probe did not show its window (is there a display?)\n";
        return 1;
    }
    const double o = median(orbelle), b = median(bare);
    out << "runs per variant:              " << runs << '\n'
        << "start to main window, Orbelle: " << QString::number(o, 'f', 1) << " ms (median)\n"
        << "start to window, bare Qt:      " << QString::number(b, 'f', 1) << " ms (median)\n"
        << "ratio Orbelle / bare:          " << QString::number(o / b, 'f', 2) << '\n';
    return 0;
}
