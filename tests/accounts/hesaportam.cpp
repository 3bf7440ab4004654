#include "hesaportam.h"

#include <QTest>

#include "sorgu.h"

HesapOrtami::HesapOrtami() : dm(dizin.path()) {
    if (!dm.DataModuleCreate())
        qFatal("test database could not be created in %s", qPrintable(dizin.path()));
    Dm = &dm;
}

HesapOrtami::~HesapOrtami() {
    if (Dm == &dm) Dm = nullptr;
}

void HesapOrtami::params(const QVariantMap& degerler) {
    Sorgu q(dm.DB_Zafo);
    for (auto it = degerler.begin(); it != degerler.end(); ++it) {
        q.Close();
        q.setSql(QStringLiteral("Update Params Set %1 = :deger").arg(it.key()));
        if (!it.value().isValid())
            q.paramNull(QStringLiteral("deger"));
        else if (it.value().typeId() == QMetaType::Int)
            q.paramInt(QStringLiteral("deger"), it.value().toInt());
        else
            q.paramText(QStringLiteral("deger"), it.value().toString());
        q.Execute();
    }
}

QVariant HesapOrtami::param(const QString& sutun) {
    Sorgu q(dm.DB_Zafo);
    q.setSql(QStringLiteral("Select %1 From Params").arg(sutun));
    q.Open();
    return q.value(sutun);
}

QString HesapOrtami::dosya(const QString& ad, const QByteArray& icerik) const {
    const QString y = yol(ad);
    QFile f(y);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(y));
    f.write(icerik);
    return y;
}

JetYazici::Tablo CariKartTablosu(const QList<QVariantList>& satirlar, const QString& eksik) {
    using JetYazici::Tip;
    const QList<JetYazici::Sutun> hepsi = {
        {QStringLiteral("Crsirano"), Tip::Uzun, 0, true},
        {QStringLiteral("Carikod"), Tip::Metin, 20},
        {QStringLiteral("Unvan"), Tip::Metin, 60},
        {QStringLiteral("Yetkili"), Tip::Metin, 30, false, false},
        {QStringLiteral("Adres1"), Tip::Metin, 50},
        {QStringLiteral("Adres2"), Tip::Metin, 50},
        {QStringLiteral("Adres3"), Tip::Metin, 50},
        {QStringLiteral("Sehir"), Tip::Metin, 25},
        {QStringLiteral("Telefon1"), Tip::Metin, 15},
        {QStringLiteral("Telefon2"), Tip::Metin, 15},
        {QStringLiteral("Faxno"), Tip::Metin, 15},
        {QStringLiteral("Vergi_Da"), Tip::Metin, 30},
        {QStringLiteral("Vergi_No"), Tip::Metin, 15},
    };
    JetYazici::Tablo t;
    t.ad = QStringLiteral("Carikart");
    int atla = -1;
    for (int i = 0; i < hepsi.size(); ++i) {
        if (hepsi[i].ad == eksik) {
            atla = i;
            continue;
        }
        t.sutunlar << hepsi[i];
    }
    for (QVariantList satir : satirlar) {
        if (atla >= 0 && atla < satir.size()) satir.removeAt(atla);
        t.satirlar << satir;
    }
    return t;
}

QByteArray SirketDosyasi(const JetYazici::Tablo& carikart) {
    JetYazici::Tablo stok;
    stok.ad = QStringLiteral("Stok");
    stok.sutunlar = {{QStringLiteral("Kod"), JetYazici::Tip::Metin, 10}};
    stok.satirlar = {{QStringLiteral("S1")}};
    JetYazici::Dosya d;
    d.tablolar = {carikart, stok};
    return JetYazici::Yaz(d);
}
