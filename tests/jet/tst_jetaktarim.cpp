#include <QDir>
#include <QFile>
#include <QtTest>
#include <cstring>

#include "baglanti.h"
#include "jetaktarim.h"
#include "jetfikstur.h"
#include "sema.h"
#include "sorgu.h"
#include "testdb.h"
#include "veritabani.h"
#include "zaman.h"

using JetAktarim::Sonuc;

namespace {

QByteArray oku(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void yaz(const QString& yol, const QByteArray& b) {
    QFile f(yol);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(b) != b.size())
        qFatal("cannot write %s", qPrintable(yol));
}

QStringList dosyalar(const QString& klasor) {
    return QDir(klasor).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A stored value against the value the Jet file holds: text and numbers as
// they are, doubles bit for bit, dates as the statement component writes them.
bool ayni(const QVariant& jet, const QVariant& sql, QString& neden) {
    if (!jet.isValid()) {
        neden = QStringLiteral("NULL expected, got %1").arg(sql.toString());
        return sql.isNull();
    }
    if (sql.isNull()) {
        neden = QStringLiteral("value lost: %1").arg(jet.toString());
        return false;
    }
    switch (jet.typeId()) {
        case QMetaType::QDateTime: {
            const QDateTime an = jet.toDateTime();
            const QString beklenen = Sorgu::tarihMetni(QDateTime(an.date(), an.time()));
            neden = QStringLiteral("%1 against %2").arg(beklenen, sql.toString());
            return sql.toString() == beklenen;
        }
        case QMetaType::Double: {
            const double a = jet.toDouble(), b = sql.toDouble();
            neden = QStringLiteral("%1 against %2").arg(a, 0, 'g', 17).arg(b, 0, 'g', 17);
            return sql.typeId() == QMetaType::Double && std::memcmp(&a, &b, sizeof a) == 0;
        }
        case QMetaType::QString:
            neden = QStringLiteral("'%1' against '%2'").arg(jet.toString(), sql.toString());
            return sql.typeId() == QMetaType::QString && sql.toString() == jet.toString();
        default:
            neden = QStringLiteral("%1 against %2").arg(jet.toString(), sql.toString());
            return sql.toLongLong() == jet.toLongLong();
    }
}

qint64 tekSayi(Sorgu& q, const QString& sql) {
    q.Close();
    q.setSql(sql);
    q.Open();
    const qint64 n = q.fieldInt(q.fieldNames().value(0));
    q.Close();
    return n;
}

}  // namespace

class TstJetAktarim : public QObject {
    Q_OBJECT

private slots:
    void init() {
        Zaman::Ayarla(QDateTime(QDate(2026, 3, 1), QTime(14, 5, 9)));
        dizin.reset(new QTemporaryDir);
        vdb = dizin->filePath(QStringLiteral("Kovimaro.Vdb"));
    }
    void cleanup() { Zaman::Serbest(); }

    void aktarim_data();
    void aktarim();
    void yanlisParola();
    void kesikDosya_data();
    void kesikDosya();
    void jetDegil();
    void yazarkenHataGeriAlinir();
    void oncekiJetKopyasiKorunur();
    void semadaOlmayanSutunAtlanir();
    void ilerleme();

private:
    std::unique_ptr<QTemporaryDir> dizin;
    QString vdb;
};

void TstJetAktarim::aktarim_data() {
    QTest::addColumn<int>("surum");
    QTest::newRow("version 44") << 44;
    QTest::newRow("version 53") << 53;
    QTest::newRow("version 18, before Ajanda") << 18;
}

void TstJetAktarim::aktarim() {
    QFETCH(int, surum);
    const JetYazici::Dosya kaynak = JetFikstur::KovimaroVdb(surum);
    const QByteArray jet = JetYazici::Yaz(kaynak);
    yaz(vdb, jet);

    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::Aktarildi);
    QCOMPARE(oku(vdb + QStringLiteral(".jet")), jet);
    QCOMPARE(dosyalar(dizin->path()),
             (QStringList{QStringLiteral("Kovimaro.Vdb"), QStringLiteral("Kovimaro.Vdb.jet")}));
    const QFileDevice::Permissions baskalari = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                               QFileDevice::ReadOther | QFileDevice::WriteOther;
    QCOMPARE(QFile::permissions(vdb) & baskalari, QFileDevice::Permissions());

    Baglanti db;
    db.setDatabaseName(vdb);
    QVERIFY_DB(db.Open());
    Sorgu q(db);
    // Every row equal, table by table, in the order the file had them.
    for (const JetYazici::Tablo& t : kaynak.tablolar) {
        QStringList adlar;
        for (const JetYazici::Sutun& s : t.sutunlar) adlar << s.ad;
        q.Close();
        q.setSql(QStringLiteral("Select %1 From %2 Order By rowid")
                     .arg(adlar.join(QStringLiteral(", ")), t.ad));
        QVERIFY_DB(q.Open());
        QCOMPARE(q.RecordCount(), t.satirlar.size());
        for (int r = 0; r < t.satirlar.size(); ++r) {
            for (int c = 0; c < adlar.size(); ++c) {
                QVariant jetDegeri = t.satirlar[r][c];
                if (jetDegeri.typeId() == QMetaType::Int) jetDegeri = jetDegeri.toLongLong();
                QString neden;
                QVERIFY2(
                    ayni(jetDegeri, q.hucre(r, c), neden),
                    qPrintable(
                        QStringLiteral("%1.%2 row %3: %4").arg(t.ad, adlar[c]).arg(r).arg(neden)));
            }
        }
    }
    // Autonumbers go on after the highest one the file had.
    if (surum >= 19) {
        testSql(q, QStringLiteral("Insert Into Kasahar (Aciklama) Values ('yeni')"));
        QCOMPARE(tekSayi(q, QStringLiteral("Select Sirano From Kasahar Where Aciklama = 'yeni'")),
                 qint64(3 * 5 + 1 + 1));
    }

    // Then the usual version check brings the file up to 53.
    QVERIFY_DB(Veritabani::VersiyonKontrol(db, q));
    QCOMPARE(tekSayi(q, QStringLiteral("Select Versiyonno From Versiyon")), qint64(53));
    QCOMPARE(
        tekSayi(q,
                QStringLiteral(
                    "Select count(*) From sqlite_master Where type = 'table' And name = 'Notlar'")),
        qint64(1));
    QCOMPARE(
        tekSayi(q, QStringLiteral(
                       "Select count(*) From pragma_table_info('Params') Where name = 'Ticdonem'")),
        qint64(1));
    const qint64 acilis = tekSayi(q, QStringLiteral("Select acilismesaj From Params"));
    QCOMPARE(acilis, surum < 46 ? qint64(0) : qint64(1));
    if (surum == 44) {
        QCOMPARE(tekSayi(q, QStringLiteral("Select count(*) From pragma_table_info('Ajanda') "
                                           "Where name In ('Alarmgun', 'Alarmsaat', 'Alarmdak')")),
                 qint64(3));
        QCOMPARE(
            tekSayi(q, QStringLiteral(
                           "Select count(*) From Params Where kurtarih = '2026-03-01 00:00:00'")),
            qint64(1));
    }
    if (surum == 53)  // nothing of the upgrade touched the link settings
        QCOMPARE(tekSayi(q, QStringLiteral("Select Ticprogram From Params")), qint64(1));
}

void TstJetAktarim::yanlisParola() {
    JetYazici::Dosya d = JetFikstur::KovimaroVdb(53);
    d.parola = QStringLiteral("kepl480258");
    const QByteArray jet = JetYazici::Yaz(d);
    yaz(vdb, jet);
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::YanlisParola);
    QCOMPARE(dosyalar(dizin->path()), QStringList{QStringLiteral("Kovimaro.Vdb")});
    QCOMPARE(oku(vdb), jet);
    d.parola.clear();
    yaz(vdb, JetYazici::Yaz(d));
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::YanlisParola);
}

void TstJetAktarim::kesikDosya_data() {
    QTest::addColumn<int>("kalan");
    const int boy = static_cast<int>(JetYazici::Yaz(JetFikstur::KovimaroVdb(53)).size());
    QTest::newRow("last page cut") << boy - 100;
    QTest::newRow("half the file, whole pages") << boy / 2 / JetYazici::kSayfa * JetYazici::kSayfa;
    QTest::newRow("header block cut") << 0x50;
}

void TstJetAktarim::kesikDosya() {
    QFETCH(int, kalan);
    const QByteArray jet = JetYazici::Yaz(JetFikstur::KovimaroVdb(53)).left(kalan);
    yaz(vdb, jet);
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::Basarisiz);
    QCOMPARE(dosyalar(dizin->path()), QStringList{QStringLiteral("Kovimaro.Vdb")});
    QCOMPARE(oku(vdb), jet);
}

void TstJetAktarim::jetDegil() {
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::JetDegil);  // no file at all
    {
        TestVeritabani t;  // a SQLite file of our own
        const QByteArray sqlite = oku(t.yol);
        yaz(vdb, sqlite);
        QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::JetDegil);
        QCOMPARE(oku(vdb), sqlite);
    }
    QCOMPARE(dosyalar(dizin->path()), QStringList{QStringLiteral("Kovimaro.Vdb")});
}

void TstJetAktarim::yazarkenHataGeriAlinir() {
    // A text longer than its column: the new file refuses it halfway through.
    JetYazici::Dosya d = JetFikstur::KovimaroVdb(53, 40);
    for (JetYazici::Tablo& t : d.tablolar)
        if (t.ad == QLatin1String("Notlar")) t.satirlar[30][2] = QStringLiteral("12:30:45");
    const QByteArray jet = JetYazici::Yaz(d);
    yaz(vdb, jet);
    yaz(vdb + QStringLiteral(".aktariliyor"), "left by a crash");
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::Basarisiz);
    QCOMPARE(dosyalar(dizin->path()), QStringList{QStringLiteral("Kovimaro.Vdb")});
    QCOMPARE(oku(vdb), jet);
}

void TstJetAktarim::oncekiJetKopyasiKorunur() {
    yaz(vdb + QStringLiteral(".jet"), "an earlier copy");
    const QByteArray jet = JetYazici::Yaz(JetFikstur::KovimaroVdb(53));
    yaz(vdb, jet);
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::Aktarildi);
    QCOMPARE(oku(vdb + QStringLiteral(".jet")), QByteArray("an earlier copy"));
    QCOMPARE(oku(vdb + QStringLiteral(".jet.2")), jet);
    // The new file is our own now: a second start finds nothing to import.
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::JetDegil);
}

void TstJetAktarim::semadaOlmayanSutunAtlanir() {
    // Columns a user added in Access, one of a type the reader does not take.
    JetYazici::Dosya d = JetFikstur::KovimaroVdb(53);
    for (JetYazici::Tablo& t : d.tablolar) {
        if (t.ad != QLatin1String("Kasahar")) continue;
        t.sutunlar.append({QStringLiteral("Resim"), JetYazici::Tip::Ole, 0});
        t.sutunlar.append({QStringLiteral("Kendi"), JetYazici::Tip::Metin, 10});
        for (QVariantList& r : t.satirlar) r << QVariant() << QStringLiteral("fazla");
    }
    yaz(vdb, JetYazici::Yaz(d));
    QCOMPARE(JetAktarim::GerekirseAktar(vdb), Sonuc::Aktarildi);
    Baglanti db;
    db.setDatabaseName(vdb);
    QVERIFY_DB(db.Open());
    Sorgu q(db);
    QCOMPARE(tekSayi(q, QStringLiteral("Select count(*) From Kasahar")), qint64(6));
    QCOMPARE(tekSayi(q, QStringLiteral("Select count(*) From pragma_table_info('Kasahar')")),
             qint64(6));
}

void TstJetAktarim::ilerleme() {
    yaz(vdb, JetYazici::Yaz(JetFikstur::KovimaroVdb(53, 700)));
    QList<QPair<qint64, qint64>> adimlar;
    QCOMPARE(JetAktarim::GerekirseAktar(vdb,
                                        [&](qint64 a, qint64 b) {
                                            adimlar.append({a, b});
                                        }),
             Sonuc::Aktarildi);
    const qint64 toplam = 8 * 700 + 2;  // eight tables of 700 rows, Params and Versiyon
    QVERIFY(adimlar.size() > 5);
    QCOMPARE(adimlar.first(), (QPair<qint64, qint64>(0, 0)));  // reading: no total yet
    QCOMPARE(adimlar.last(), (QPair<qint64, qint64>(toplam, toplam)));
    for (int i = 2; i < adimlar.size(); ++i) {
        QVERIFY(adimlar[i].first >= adimlar[i - 1].first);
        QCOMPARE(adimlar[i].second, toplam);
    }
}

QTEST_GUILESS_MAIN(TstJetAktarim)
#include "tst_jetaktarim.moc"
