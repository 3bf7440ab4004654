// Lists 50,000 cards from the TDS test server through the real FreeTDS driver
// and prints how long each step takes.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "logo.h"
#include "logooturum.h"
#include "tdssunucu.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int adet = argc > 1 ? QByteArray(argv[1]).toInt() : 50000;
    QList<QVariantList> satirlar;
    satirlar.reserve(adet);
    for (int i = 0; i < adet; ++i)
        satirlar << QVariantList{i + 1,
                                 QStringLiteral("120.%1").arg(i, 5, 10, QLatin1Char('0')),
                                 QStringLiteral("Şirket Çağlayan Öztürk %1 Ltd. Şti.").arg(i),
                                 QStringLiteral("Atatürk Cad. No %1").arg(i % 300),
                                 QStringLiteral("Kat 2"),
                                 QStringLiteral("İZMİR"),
                                 QStringLiteral("0232 555 %1").arg(i % 10000),
                                 QVariant(),
                                 QStringLiteral("0232 444 00 00"),
                                 QStringLiteral("%1").arg(1000000000LL + i),
                                 QStringLiteral("Karşıyaka")};
    TdsSunucu sunucu;
    QElapsedTimer t;
    t.start();
    const QByteArray kod =
        TdsSunucu::Kodla(TdsSunucu::Yanit::Sonuc(LogoCariSutunlari(), satirlar), 0x74000004);
    const TdsSunucu::Yanit yanit = TdsSunucu::Yanit::Hazir(kod);
    sunucu.setYanitlayici([&yanit](const QString&) { return yanit; });
    std::printf("server side: %d rows encoded as %lld bytes in %lld ms\n", adet,
                static_cast<long long>(kod.size()), static_cast<long long>(t.elapsed()));

    const Logo::Bilgiler bilgi{QStringLiteral("127.0.0.1,%1").arg(sunucu.port()),
                               QStringLiteral("LOGODB"), QStringLiteral("sa"),
                               QStringLiteral("gizli")};
    for (int tur = 0; tur < 3; ++tur) {
        t.restart();
        Logo::Oturum o;
        o.Ac(bilgi);
        const qint64 giris = t.elapsed();
        const MetinTablosu tablo =
            o.Sorgula(Logo::CariSorgusu(QStringLiteral("001")).join(QLatin1Char('\n')));
        std::printf("run %d: login %lld ms, %lld rows read in %lld ms\n", tur + 1,
                    static_cast<long long>(giris), static_cast<long long>(tablo.satirSayisi()),
                    static_cast<long long>(t.elapsed()));
    }
    return 0;
}
