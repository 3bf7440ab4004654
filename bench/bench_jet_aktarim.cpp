// Import of an old Jet Kovimaro.Vdb holding 100,000 rows across its tables
// into a new SQLite file. Target: at most 2 s. Prints the median of three runs.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "jetaktarim.h"
#include "jetfikstur.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int toplamSatir = argc > 1 ? atoi(argv[1]) : 100000;
    // Eight tables of rows, Params and Versiyon hold one each.
    const QByteArray jet = JetYazici::Yaz(JetFikstur::KovimaroVdb(53, toplamSatir / 8));
    QList<qint64> sureler;
    for (int tur = 0; tur < 3; ++tur) {
        QTemporaryDir dizin;
        const QString vdb = dizin.filePath(QStringLiteral("Kovimaro.Vdb"));
        QFile f(vdb);
        if (!f.open(QIODevice::WriteOnly) || f.write(jet) != jet.size()) return 1;
        f.close();
        QElapsedTimer s;
        s.start();
        if (JetAktarim::GerekirseAktar(vdb) != JetAktarim::Sonuc::Aktarildi) return 2;
        sureler.append(s.elapsed());
    }
    std::sort(sureler.begin(), sureler.end());
    std::printf("rows=%d jet_kb=%lld\n", toplamSatir / 8 * 8 + 2,
                static_cast<long long>(jet.size() / 1024));
    std::printf("import_ms=%lld (median of 3, target <= 2000)\n",
                static_cast<long long>(sureler[1]));
    return 0;
}
