// Start-up figures: time from process start to the event loop idling in the
// tray, with a new data file and with an existing one, and resident memory at
// rest. Run: build/bench/bench_acilis [runs]
//
// Each run starts this program again as a child that goes through the same
// start-up as the real program (data module, main window into the tray) and
// reports the moment its event loop first becomes idle.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "moduller.h"
#include "udm.h"
#include "umainform.h"
#include "uygulama.h"

extern char** environ;

namespace {

double simdiMs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

long rssKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& satir : f.readAll().split('\n'))
        if (satir.startsWith("VmRSS:")) return satir.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

int cocuk(int argc, char** argv, const char* klasor, const char* sonucDosyasi) {
    Uygulama uygulama(argc, argv);
    Uygulama::setQuitOnLastWindowClosed(false);
    TDm dm(QString::fromLocal8Bit(klasor));
    Dm = &dm;
    if (!dm.DataModuleCreate()) return 1;
    ModulleriKaydet();
    TFMainform pencere(dm, true);
    double hazir = 0;
    QTimer::singleShot(0, [&] {
        hazir = simdiMs();
        // Rest a moment, then read the memory.
        QTimer::singleShot(1000, [&] {
            FILE* f = std::fopen(sonucDosyasi, "w");
            std::fprintf(f, "%.3f %ld\n", hazir, rssKb());
            std::fclose(f);
            QCoreApplication::quit();
        });
    });
    return Uygulama::exec();
}

struct Olcum {
    double ms;
    long rss;
};

Olcum calistir(const char* kendisi, const QString& klasor) {
    const QString sonuc = klasor + QStringLiteral("/olcum.txt");
    QFile::remove(sonuc);
    const std::string k = klasor.toStdString(), s = sonuc.toStdString();
    char* args[] = {const_cast<char*>(kendisi), const_cast<char*>("--cocuk"),
                    const_cast<char*>(k.c_str()), const_cast<char*>(s.c_str()), nullptr};
    pid_t pid = 0;
    posix_spawn_file_actions_t eylemler;
    posix_spawn_file_actions_init(&eylemler);
    posix_spawn_file_actions_addopen(&eylemler, 2, "/dev/null", O_WRONLY, 0);
    const double basla = simdiMs();
    const int rc = posix_spawn(&pid, kendisi, &eylemler, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&eylemler);
    if (rc != 0) return {-1, -1};
    int durum = 0;
    waitpid(pid, &durum, 0);
    QFile f(sonuc);
    if (!f.open(QIODevice::ReadOnly)) return {-1, -1};
    const QList<QByteArray> p = f.readAll().trimmed().split(' ');
    return {p.value(0).toDouble() - basla, p.value(1).toLong()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 4 && std::strcmp(argv[1], "--cocuk") == 0)
        return cocuk(argc, argv, argv[2], argv[3]);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const int tur = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir ev;
    setenv("HOME", ev.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (ev.path() + QStringLiteral("/.config")).toLocal8Bit().constData(),
           1);

    std::vector<double> yeni, mevcut;
    long rss = 0;
    for (int i = 0; i < tur; ++i) {
        QTemporaryDir klasor;
        yeni.push_back(calistir(argv[0], klasor.path()).ms);
        const Olcum o = calistir(argv[0], klasor.path());
        mevcut.push_back(o.ms);
        rss = std::max(rss, o.rss);
    }
    auto orta = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    std::printf(
        "start-up to idle in the tray, new data file:      median %.1f ms (min %.1f) over %d "
        "runs\n",
        orta(yeni), *std::min_element(yeni.begin(), yeni.end()), tur);
    std::printf(
        "start-up to idle in the tray, existing data file: median %.1f ms (min %.1f) over %d "
        "runs\n",
        orta(mevcut), *std::min_element(mevcut.begin(), mevcut.end()), tur);
    std::printf("resident memory at rest: %.1f MB\n", rss / 1024.0);
    return 0;
}
