// A plain re-armed 1000 ms Qt timer, for comparison with Dormo's countdown:
// prints how late tick N came, in milliseconds, against N seconds.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 61;
    QElapsedTimer clock;
    QTimer timer;
    int seen = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++seen < ticks)
            return;
        std::printf("%lld\n", clock.elapsed() - 1000LL * ticks);
        app.quit();
    });
    clock.start();
    timer.start(1000);
    return app.exec();
}
