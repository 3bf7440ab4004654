#include <QCollator>
#include <QRandomGenerator>
#include <QtTest>

#include "turkce.h"

// The Turkish order takes a shortcut for plain names; it must agree with the
// full collator on every pair, plain or not.
class TstTurkceSira : public QObject {
    Q_OBJECT

private slots:
    void kisayolTamSiralayiciylaAyni_data();
    void kisayolTamSiralayiciylaAyni();
    void rastgeleMetinler();
};

namespace {

int isaret(int x) {
    return (x > 0) - (x < 0);
}

QCollator tamSiralayici() {
    QCollator k(QLocale(QLocale::Turkish, QLocale::Turkey));
    k.setCaseSensitivity(Qt::CaseInsensitive);
    k.setNumericMode(false);
    k.setIgnorePunctuation(false);
    return k;
}

}  // namespace

void TstTurkceSira::kisayolTamSiralayiciylaAyni_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("beklenen");
    QTest::newRow("Cem < Çetin") << "Cem"
                                 << "Çetin" << -1;
    QTest::newRow("Irmak < İsmail") << "Irmak"
                                    << "İsmail" << -1;
    QTest::newRow("ılgın < Irmak") << "ılgın"
                                   << "Irmak" << -1;
    QTest::newRow("İSTANBUL = istanbul") << "İSTANBUL"
                                         << "istanbul" << 0;
    QTest::newRow("boşluk harften önce") << "Ali Veli"
                                         << "Alican" << -1;
    QTest::newRow("rakam harften önce") << "A1"
                                        << "AA" << -1;
    QTest::newRow("kısa önce") << "Ay"
                               << "Ayşe" << -1;
    QTest::newRow("w v'den sonra") << "Wolf"
                                   << "Veli" << 1;
    QTest::newRow("tire yavaş yoldan") << "Ali-Can"
                                       << "Alican" << -1;
    QTest::newRow("aksanlı yavaş yoldan") << "José"
                                          << "Jose" << 1;
    QTest::newRow("kuyrukta yumuşak tire")
        << QStringLiteral("Ali") << QStringLiteral("Ali\u00AD") << 0;
}

void TstTurkceSira::kisayolTamSiralayiciylaAyni() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, beklenen);
    const QCollator tam = tamSiralayici();
    QCOMPARE(isaret(tam.compare(a, b)), beklenen);
    QCOMPARE(isaret(Turkce::Karsilastir(a, b)), beklenen);
    QCOMPARE(isaret(Turkce::Karsilastir(b, a)), -beklenen);
    const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
    QCOMPARE(isaret(Turkce::KarsilastirUtf8(ua.constData(), int(ua.size()), ub.constData(),
                                            int(ub.size()))),
             beklenen);
}

void TstTurkceSira::rastgeleMetinler() {
    const QCollator tam = tamSiralayici();
    const QString harfler = QString::fromUtf8(" 0159aAbcçÇdgğĞhıIiİjoöÖqsşŞuüÜwxzZ-.'éÂ\u00AD€");
    auto* r = QRandomGenerator::global();
    const auto metin = [&] {
        QString s;
        const int n = r->bounded(0, 7);
        for (int i = 0; i < n; ++i) s += harfler.at(r->bounded(static_cast<int>(harfler.size())));
        return s;
    };
    for (int i = 0; i < 200000; ++i) {
        const QString a = metin(), b = metin();
        const int beklenen = isaret(tam.compare(a, b));
        const QByteArray ua = a.toUtf8(), ub = b.toUtf8();
        if (isaret(Turkce::Karsilastir(a, b)) != beklenen ||
            isaret(Turkce::KarsilastirUtf8(ua.constData(), int(ua.size()), ub.constData(),
                                           int(ub.size()))) != beklenen)
            QFAIL(
                qPrintable(QStringLiteral("'%1' ile '%2': %3 beklenirdi").arg(a, b).arg(beklenen)));
    }
}

QTEST_GUILESS_MAIN(TstTurkceSira)
#include "tst_turkcesira.moc"
