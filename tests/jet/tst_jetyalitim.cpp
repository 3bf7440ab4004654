#include <QtTest>
#include <csignal>
#include <cstdlib>
#include <vector>

#include "dbhatasi.h"
#include "jetyalitim.h"

using namespace Jet;

// The child process stands between a damaged file and the resident program:
// whatever happens inside it, the caller gets a result or a DbHatasi.
class TstJetYalitim : public QObject {
    Q_OBJECT

private slots:
    void sonucGelir() {
        QCOMPARE(Yalitim::Calistir([] { return QByteArray(300000, 'a'); }),
                 QByteArray(300000, 'a'));
    }

    void hataMesajiGelir() {
        try {
            Yalitim::Calistir(
                []() -> QByteArray { throw DbHatasi(QStringLiteral("Tablo bulunamadı: Ağaç")); });
            QFAIL("must raise");
        } catch (const DbHatasi& h) {
            QCOMPARE(h.mesaj(), QStringLiteral("Tablo bulunamadı: Ağaç"));
        }
    }

    void cokmeHataOlur_data() {
        QTest::addColumn<int>("tur");
        QTest::newRow("segfault") << 0;
        QTest::newRow("abort") << 1;
        QTest::newRow("memory without end") << 2;
        QTest::newRow("exit without output") << 3;
    }

    void cokmeHataOlur() {
        QFETCH(int, tur);
        QVERIFY_THROWS_EXCEPTION(DbHatasi, Yalitim::Calistir([tur]() -> QByteArray {
                                     if (tur == 0) std::raise(SIGSEGV);
                                     if (tur == 1) std::abort();
                                     if (tur == 2) {
                                         std::vector<QByteArray> yigin;
                                         for (;;) yigin.emplace_back(64 << 20, Qt::Uninitialized);
                                     }
                                     std::_Exit(0);
                                 }));
    }

    void sonsuzDonguKesilir() {
        QElapsedTimer sure;
        sure.start();
        QVERIFY_THROWS_EXCEPTION(DbHatasi, Yalitim::Calistir(
                                               []() -> QByteArray {
                                                   for (volatile bool d = true; d;) {
                                                   }
                                                   return {};
                                               },
                                               1));
        QVERIFY(sure.elapsed() < 10000);
    }

    void listeKodlamasi() {
        const QStringList l{QStringLiteral("Ağaç"), QString(""), QStringLiteral("Şube")};
        QCOMPARE(Yalitim::ListeCoz(Yalitim::Kodla(l)), l);
        QVERIFY_THROWS_EXCEPTION(DbHatasi, Yalitim::ListeCoz(Yalitim::Kodla(l).chopped(1)));
    }
};

QTEST_GUILESS_MAIN(TstJetYalitim)
#include "tst_jetyalitim.moc"
