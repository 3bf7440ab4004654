// Import of an old Jet Kovimaro.Vdb holding 100,000 rows across its tables
// into a new SQLite file. Target: at most 2 s. Prints the median of three runs.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "jetaktarim.h"
#include "jetfikstur.h"

namespace {

// CPU time of this process and of the reading children, in milliseconds.
qint64 islemciMs() {
    qint64 ms = 0;
    for (int kim : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage r{};
        getrusage(kim, &r);
        ms += (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1000 +
              (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1000;
    }
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int toplamSatir = argc > 1 ? atoi(argv[1]) : 100000;
    // Eight tables of rows, Params and Versiyon hold one each.
    const QByteArray jet = JetYazici::Yaz(JetFikstur::KovimaroVdb(53, toplamSatir / 8));
    QList<qint64> sureler, islemci;
    for (int tur = 0; tur < 3; ++tur) {
        QTemporaryDir dizin;
        const QString vdb = dizin.filePath(QStringLiteral("Kovimaro.Vdb"));
        QFile f(vdb);
        if (!f.open(QIODevice::WriteOnly) || f.write(jet) != jet.size()) return 1;
        f.close();
        QElapsedTimer s;
        s.start();
        const qint64 islemciBas = islemciMs();
        if (JetAktarim::GerekirseAktar(vdb) != JetAktarim::Sonuc::Aktarildi) return 2;
        sureler.append(s.elapsed());
        islemci.append(islemciMs() - islemciBas);
    }
    std::sort(sureler.begin(), sureler.end());
    std::sort(islemci.begin(), islemci.end());
    std::printf("rows=%d jet_kb=%lld\n", toplamSatir / 8 * 8 + 2,
                static_cast<long long>(jet.size() / 1024));
    std::printf("import_ms=%lld (median of 3, target <= 2000)\n",
                static_cast<long long>(sureler[1]));
    std::printf("cpu_ms=%lld (this process and the reading children)\n",
                static_cast<long long>(islemci[1]));
    return 0;
}
