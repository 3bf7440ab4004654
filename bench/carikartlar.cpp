// The current-account viewer with 50,000 cards, from the window being shown
// to the grid filled and painted: once from a company file, once from the
// ERP through the real FreeTDS driver and the TDS test server. Target: at
// most 300 ms each. Prints the median and the best of five runs, in wall
// time and in CPU time of the whole process (the company file is read in a
// child process, whose time is counted too).
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "carimodeli.h"
#include "jetfikstur.h"
#include "jetyazici.h"
#include "sorgu.h"
#include "tdssunucu.h"
#include "tfcarikartlar.h"
#include "udm.h"

namespace {

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

const char* const kAdlar[] = {"Çağlar", "Şükrü", "İsmail", "Irmak", "Ömer",  "Ülkü",
                              "Gül",    "Ağaç",  "Cem",    "Çetin", "Ilgaz", "Oğuz"};

QString ad(quint32& x) {
    x = x * 1103515245u + 12345u;
    return QString::fromUtf8(kAdlar[(x >> 16) % 12]);
}

QByteArray logoYaniti(int adet) {
    QList<QVariantList> satirlar;
    satirlar.reserve(adet);
    quint32 x = 7;
    for (int i = 0; i < adet; ++i)
        satirlar << QVariantList{i + 1,
                                 QStringLiteral("120.%1").arg(i, 5, 10, QLatin1Char('0')),
                                 QStringLiteral("%1 %2 Ticaret Ltd. Şti.").arg(ad(x), ad(x)),
                                 QStringLiteral("Atatürk Cad. No %1").arg(i % 300),
                                 QStringLiteral("Kat 2"),
                                 QStringLiteral("İZMİR"),
                                 QStringLiteral("0232 555 %1").arg(i % 10000),
                                 QVariant(),
                                 QStringLiteral("0232 444 00 00"),
                                 QString::number(1000000000LL + i),
                                 QStringLiteral("Karşıyaka")};
    return TdsSunucu::Kodla(TdsSunucu::Yanit::Sonuc(LogoCariSutunlari(), satirlar), 0x74000004);
}

void olc(const char* ad, QApplication& app, int adet) {
    QList<qint64> duvar, islemci;
    for (int tur = 0; tur < 5; ++tur) {
        auto* w = new TFCarikartlar;
        w->resize(756, 438);
        QElapsedTimer t;
        const qint64 c0 = islemciMs();
        t.start();
        w->show();
        app.processEvents();  // paints the first screen of the grid
        const qint64 gecen = t.elapsed();
        islemci << islemciMs() - c0;
        duvar << gecen;
        if (w->model()->rowCount() != adet) {
            std::printf("%s: %d rows listed, %d expected\n", ad, w->model()->rowCount(), adet);
            std::exit(1);
        }
        delete w;
    }
    std::sort(duvar.begin(), duvar.end());
    std::sort(islemci.begin(), islemci.end());
    std::printf(
        "%s, %d cards, shown to grid filled: median %lld ms, best %lld ms (CPU median %lld ms)\n",
        ad, adet, static_cast<long long>(duvar[2]), static_cast<long long>(duvar[0]),
        static_cast<long long>(islemci[2]));
}

}  // namespace

int main(int argc, char** argv) {
    // Placement is never written here, but the settings folder is kept out of the home all the
    // same.
    QTemporaryDir ayarlar;
    qputenv("XDG_CONFIG_HOME", ayarlar.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int adet = argc > 1 ? QByteArray(argv[1]).toInt() : 50000;

    QTemporaryDir dizin;
    TDm dm(dizin.path());
    if (!dm.DataModuleCreate()) return 1;
    Dm = &dm;
    Sorgu q(dm.DB_Zafo);
    auto params = [&q](int tur, const QString& server, const QString& sirket) {
        q.Close();
        q.setSql(QStringLiteral(
            "Update Params Set Ticprogram = :t, Ticserver = :s, Ticveritab = 'LOGODB', "
            "Ticuser = 'sa', Ticpass = 'gizli', Ticsirket = :f"));
        q.paramInt(QStringLiteral("t"), tur);
        q.paramText(QStringLiteral("s"), server);
        q.paramText(QStringLiteral("f"), sirket);
        q.Execute();
    };

    const QString yol = dizin.filePath(QStringLiteral("sirket.mdb"));
    {
        QFile f(yol);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write(JetYazici::Yaz(JetFikstur::SirketDosyasi(adet)));
    }
    params(1, QString(), yol);
    olc("company file", app, adet);

    TdsSunucu sunucu;
    const TdsSunucu::Yanit yanit = TdsSunucu::Yanit::Hazir(logoYaniti(adet));
    sunucu.setYanitlayici([&yanit](const QString&) { return yanit; });
    params(2, QStringLiteral("127.0.0.1,%1").arg(sunucu.port()), QStringLiteral("001"));
    olc("ERP (TDS test server)", app, adet);
    Dm = nullptr;
    return 0;
}
