// Start-up cost: creates the windows as the editor does, shows the main
// window and quits as soon as it has been shown. Prints the milliseconds
// from the moment given in PADWRIGHT_BENCH_T0 (nanoseconds since the epoch,
// taken just before the process was started) to the first shown window.
// bench/startup.sh runs it repeatedly and reports the median.

#include "model/AppState.h"
#include "ui/AppWindows.h"
#include "ui/main/Main.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("PadwrightRx"));

    TAppState state;
    TAppWindows windows(state, {});
    windows.Main().show();
    QTimer::singleShot(0, &app, [&app] {
        const qint64 now = QDateTime::currentMSecsSinceEpoch() * 1000000;
        const qint64 t0 = qEnvironmentVariable("PADWRIGHT_BENCH_T0").toLongLong();
        if (t0 > 0)
            std::printf("%.1f\n", double(now - t0) / 1e6);
        app.quit();
    });
    return app.exec();
}
