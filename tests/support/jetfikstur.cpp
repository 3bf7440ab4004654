#include "jetfikstur.h"

#include <QHash>
#include <QRegularExpression>

#include "sema.h"
#include "testdb.h"

namespace JetFikstur {

namespace {

using JetYazici::Sutun;
using JetYazici::Tip;

Sutun jetSutunu(const SemaSutun& s, int no) {
    static const QRegularExpression metin(QStringLiteral("^String\\s*\\((\\d+)\\)$"));
    const QString tip = QLatin1String(s.tip);
    Sutun c;
    c.ad = QLatin1String(s.ad);
    c.sikistir = no % 2 == 0;  // both stored forms of text in every table
    if (tip == QLatin1String("Autoincrement")) {
        c.tip = Tip::Uzun;
        c.otomatik = true;
    } else if (tip == QLatin1String("Integer")) {
        c.tip = Tip::Uzun;  // Jet's DDL Integer is a 32-bit Long
    } else if (tip == QLatin1String("Double")) {
        c.tip = Tip::Cift;
    } else if (tip == QLatin1String("Date")) {
        c.tip = Tip::Tarih;
    } else {
        c.tip = Tip::Metin;
        c.uzunluk = metin.match(tip).captured(1).toInt();
    }
    return c;
}

// Twenty characters from '*' to 'y', as the program's random keys are.
QString anahtar(int tohum) {
    QString s;
    quint32 x = static_cast<quint32>(tohum) * 2654435761u + 12345u;
    for (int i = 0; i < 20; ++i) {
        x = x * 1103515245u + 12345u;
        s.append(QChar(static_cast<char16_t>(42 + (x >> 16) % 80)));
    }
    return s;
}

QVariant deger(const Sutun& c, const QString& ad, int r) {
    const int k = r + static_cast<int>(qHash(ad) % 7);
    switch (c.tip) {
        case Tip::Uzun:
            if (c.otomatik) return r * 3 + 1;  // gaps, as deleted rows leave them
            if (k % 4 == 3) return QVariant();
            return (k * 7919) % 100000 - 50000;
        case Tip::Cift:
            switch (k % 4) {
                case 0:
                    return -1234.5678 * (r + 1);
                case 1:
                    return 0.1 + r;
                case 2:
                    return 1e-7 * r - 3.0;
                default:
                    return QVariant();
            }
        case Tip::Tarih:
            switch (k % 5) {
                case 0:
                    return QDateTime(QDate(1899, 12, 30), QTime(0, 0));  // the zero date
                case 1:
                    return QDateTime(QDate(1850, 6, 15), QTime(0, 0));
                case 2:
                    return QVariant();
                case 3:
                    return QDateTime(QDate(2004, 2, 29).addDays(r), QTime(13, 45, 10));
                default:
                    return QDateTime(QDate(2026, 12, 31), QTime(0, 0));
            }
        default:
            break;
    }
    if (ad.compare(QLatin1String("Ajid"), Qt::CaseInsensitive) == 0 ||
        ad.compare(QLatin1String("Keyvalue"), Qt::CaseInsensitive) == 0)
        return anahtar(r);
    if (k % 4 == 3) return QVariant();
    if (k % 4 == 2) return QString(QLatin1String(""));
    const QString metin = QStringLiteral("Şükrü Çağlar İĞÜ ışöç %1 %2").arg(ad).arg(r);
    return metin.left(c.uzunluk);
}

}  // namespace

JetYazici::Dosya KovimaroVdb(int surum, int satir) {
    JetYazici::Dosya d;
    d.parola = QStringLiteral("kepl480259");
    for (const SemaTablo& t : Sema::Tablolar()) {
        const QString tablo = QLatin1String(t.ad);
        if (::EklendigiSurum(tablo) > surum) continue;
        JetYazici::Tablo jt;
        jt.ad = tablo;
        for (const SemaSutun& s : t.sutunlar)
            if (::EklendigiSurum(tablo, QLatin1String(s.ad)) <= surum)
                jt.sutunlar.append(jetSutunu(s, static_cast<int>(jt.sutunlar.size())));
        const bool tek = tablo == QLatin1String("Params") || tablo == QLatin1String("Versiyon");
        for (int r = 0; r < (tek ? 1 : satir); ++r) {
            QVariantList v;
            for (const Sutun& c : jt.sutunlar) v.append(deger(c, c.ad, r));
            jt.satirlar.append(v);
        }
        if (tablo == QLatin1String("Versiyon"))
            jt.satirlar[0] = {surum, QDateTime(QDate(2005, 1, 2), QTime(0, 0)),
                              QStringLiteral("10:11:12"), QString(QLatin1String(""))};
        if (tablo == QLatin1String("Params")) {
            for (int i = 0; i < jt.sutunlar.size(); ++i) {
                const QString ad = jt.sutunlar[i].ad.toLower();
                if (ad == QLatin1String("tuslar")) jt.satirlar[0][i] = Sema::TusMetni();
                if (ad == QLatin1String("acilismesaj")) jt.satirlar[0][i] = 1;
                if (ad == QLatin1String("ticprogram")) jt.satirlar[0][i] = 1;
            }
        }
        d.tablolar.append(jt);
    }
    return d;
}

JetYazici::Dosya SirketDosyasi(int kart) {
    using JetYazici::Tip;
    static const char* const adlar[] = {"Çağlar", "Şükrü", "İsmail", "Irmak", "Ömer",  "Ülkü",
                                        "Gül",    "Ağaç",  "Cem",    "Çetin", "Ilgaz", "Oğuz"};
    JetYazici::Tablo t;
    t.ad = QStringLiteral("Carikart");
    t.sutunlar = {{QStringLiteral("Crsirano"), Tip::Uzun, 0, true},
                  {QStringLiteral("Carikod"), Tip::Metin, 20},
                  {QStringLiteral("Unvan"), Tip::Metin, 60},
                  {QStringLiteral("Yetkili"), Tip::Metin, 30},
                  {QStringLiteral("Adres1"), Tip::Metin, 50},
                  {QStringLiteral("Adres2"), Tip::Metin, 50},
                  {QStringLiteral("Adres3"), Tip::Metin, 50},
                  {QStringLiteral("Sehir"), Tip::Metin, 25},
                  {QStringLiteral("Telefon1"), Tip::Metin, 15},
                  {QStringLiteral("Telefon2"), Tip::Metin, 15},
                  {QStringLiteral("Faxno"), Tip::Metin, 15},
                  {QStringLiteral("Vergi_Da"), Tip::Metin, 30},
                  {QStringLiteral("Vergi_No"), Tip::Metin, 15}};
    quint32 x = 7;
    auto ad = [&x] {
        x = x * 1103515245u + 12345u;
        return QString::fromUtf8(adlar[(x >> 16) % 12]);
    };
    for (int i = 1; i <= kart; ++i) {
        t.satirlar.append({i, QStringLiteral("120.%1").arg(i, 6, 10, QLatin1Char('0')),
                           QStringLiteral("%1 %2 Ticaret Ltd. Şti.").arg(ad(), ad()),
                           QStringLiteral("%1 %2").arg(ad(), ad()),
                           QStringLiteral("Atatürk Cad. No:%1").arg(i % 300),
                           QStringLiteral("Kat 2 Daire %1").arg(i % 40), QString(""),
                           QStringLiteral("İzmir"), QStringLiteral("0232 441 %1").arg(i % 10000),
                           QVariant(), QStringLiteral("0232 442 0000"), QStringLiteral("Karşıyaka"),
                           QString::number(1000000000 + i)});
    }
    JetYazici::Dosya d;
    d.tablolar = {t};
    return d;
}

}  // namespace JetFikstur
