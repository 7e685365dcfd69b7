// kx_bench: start-up and peak memory of Kx beside a bare Qt window of the same widgets, each in
// processes of its own, and the median cost of a keystroke and of a spin step in the real window.
//
//   kx_bench [runs]     runs: start-ups of each window to take the medians of (default 15)
//
// Runs on the offscreen platform unless QT_QPA_PLATFORM names another.
#include "bare_window.h"

#include "ui/application.h"
#include "ui/main_window/form_princ.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

qint64 wallClockMicroseconds() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Waits until the window is both active and painted for the first time, then prints the moment
// and the peak memory: the window is then on screen and takes input.
class FirstActivation : public QObject {
public:
    explicit FirstActivation(QWidget* window) : window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::WindowActivate) {
            active = true;
        } else if (watched == window && event->type() == QEvent::Paint) {
            painted = true;
        }
        if (active && painted && !reported) {
            reported = true;
            // After this event: its painting is done.
            QTimer::singleShot(0, [] {
                std::printf("%lld %ld\n", static_cast<long long>(wallClockMicroseconds()),
                            peakResidentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window;
    bool active = false;
    bool painted = false;
    bool reported = false;
};

// One start-up, in a process of its own: as the program's main() does, or with the bare window.
int startUp(int argc, char* argv[], bool kx) {
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kx) {
        kx::setUpApplication();
        window = std::make_unique<kx::FORMprinc>();
    } else {
        window.reset(makeBareWindow());
    }
    FirstActivation activation(window.get());
    window->show();
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    return app.exec();
}

struct StartUp {
    double milliseconds;
    double megabytes;
};

std::optional<StartUp> runStartUp(const QString& program, const char* which) {
    QProcess child;
    const qint64 started = wallClockMicroseconds();
    child.start(program, {QStringLiteral("--start-up"), QLatin1String(which)});
    if (!child.waitForFinished(20000) || child.exitCode() != 0) {
        return std::nullopt;
    }
    long long activated = 0;
    long peak = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lld %ld", &activated, &peak) != 2) {
        return std::nullopt;
    }
    return StartUp{(activated - started) / 1000.0, peak / 1024.0};
}

// The median time of one call, in microseconds.
double medianMicroseconds(int repetitions, const std::function<void()>& once) {
    std::vector<double> times;
    times.reserve(repetitions);
    QElapsedTimer timer;
    for (int i = 0; i < repetitions; ++i) {
        timer.start();
        once();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    return median(times);
}

void typeKey(QWidget* field, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QApplication::sendEvent(field, &release);
}

void measureInteraction(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kx::setUpApplication();
    kx::FORMprinc form; // the fields are filled: no message opens
    form.show();
    QCoreApplication::processEvents();
    auto* volume = form.findChild<QLineEdit*>("TXTvol");
    auto* diameter = form.findChild<QLineEdit*>("TXTdia");
    auto* length = form.findChild<QLineEdit*>("TXTlung");
    auto* spin = form.findChild<QScrollBar*>("VSLungcond");
    diameter->setText("10");
    length->setText("20");
    volume->setFocus();
    volume->setText("50");
    constexpr int kRepetitions = 2000;

    bool digit = true;
    const double keystroke = medianMicroseconds(kRepetitions, [&] {
        digit ? typeKey(volume, Qt::Key_5, "5") : typeKey(volume, Qt::Key_Backspace, "\b");
        digit = !digit;
    });
    volume->setText("50.5");
    const double correction = medianMicroseconds(kRepetitions, [&] { typeKey(volume, Qt::Key_Period, "."); });
    volume->setText("50");
    const double enter = medianMicroseconds(kRepetitions, [&] { typeKey(volume, Qt::Key_Return, "\r"); });
    bool up = true; // the first step takes the typed length over
    const double spinStep = medianMicroseconds(kRepetitions, [&] {
        spin->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd : QAbstractSlider::SliderSingleStepSub);
        up = !up;
    });

    std::printf("\nOne interaction in the real window, median of %d (bound: 100 us each)\n", kRepetitions);
    std::printf("  keystroke, digit or Backspace              %8.1f us\n", keystroke);
    std::printf("  keystroke, a second separator taken out    %8.1f us\n", correction);
    std::printf("  keystroke, Enter with the calculation      %8.1f us\n", enter);
    std::printf("  spin step with the calculation             %8.1f us\n", spinStep);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc == 3 && std::strcmp(argv[1], "--start-up") == 0) {
        return startUp(argc, argv, std::strcmp(argv[2], "kx") == 0);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const QString self = QString::fromLocal8Bit(argv[0]);

    std::vector<double> kxTimes, bareTimes, kxMemory, bareMemory;
    for (int run = 0; run < runs; ++run) {
        // Alternate, so that whatever else the machine does weighs on both alike.
        for (const char* which : {"kx", "bare"}) {
            const auto result = runStartUp(self, which);
            if (!result) {
                std::fprintf(stderr, "kx_bench: the %s window did not start\n", which);
                return 1;
            }
            (std::strcmp(which, "kx") == 0 ? kxTimes : bareTimes).push_back(result->milliseconds);
            (std::strcmp(which, "kx") == 0 ? kxMemory : bareMemory).push_back(result->megabytes);
        }
    }
    const double kxTime = median(kxTimes), bareTime = median(bareTimes);
    const double kxPeak = median(kxMemory), barePeak = median(bareMemory);
    std::printf("Start-up to the window first active and painted, median of %d processes each"
                " (bound: ratio under 1.25)\n",
                runs);
    std::printf("                      Kx      bare Qt    ratio\n");
    std::printf("  time (ms)      %8.1f   %8.1f   %6.3f\n", kxTime, bareTime, kxTime / bareTime);
    std::printf("  peak RSS (MB)  %8.1f   %8.1f   %6.3f\n", kxPeak, barePeak, kxPeak / barePeak);

    measureInteraction(argc, argv);
    return 0;
}
