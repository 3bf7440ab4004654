#include "ajandatest.h"

#include <QApplication>
#include <QtTest>

#include "mesaj.h"
#include "sorgu.h"
#include "zaman.h"

AjandaOrtami::AjandaOrtami() : dm(dizin.path()) {
    if (!dm.DataModuleCreate())
        qFatal("test database could not be created in %s", qPrintable(dizin.path()));
    Dm = &dm;
    MesajTest::Etkinlestir(true);
    MesajTest::Temizle();
}

AjandaOrtami::~AjandaOrtami() {
    Dm = nullptr;
    MesajTest::Temizle();
    Zaman::Serbest();
}

void AjandaOrtami::ekle(const Satir& s) {
    if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
    Sorgu q(dm.DB_Zafo);
    q.addSql(
        QStringLiteral("Insert Into Ajanda (Ajid, Bastar, Bittar, Bassaat, Bitsaat, Aciklama, "
                       "Alarmvar, Alarmgun, Alarmsaat, Alarmdak)"));
    q.addSql(
        QStringLiteral("Values (:Ajid, :Bastar, :Bittar, :Bassaat, :Bitsaat, :Aciklama, "
                       ":Alarmvar, :Alarmgun, :Alarmsaat, :Alarmdak)"));
    q.paramText(QStringLiteral("Ajid"), s.ajid);
    q.paramDate(QStringLiteral("Bastar"), s.bastar);
    q.paramDate(QStringLiteral("Bittar"), s.bittar);
    q.paramText(QStringLiteral("Bassaat"), s.bassaat);
    q.paramText(QStringLiteral("Bitsaat"), s.bitsaat);
    q.paramText(QStringLiteral("Aciklama"), s.aciklama);
    q.paramInt(QStringLiteral("Alarmvar"), s.alarmvar);
    q.paramDate(QStringLiteral("Alarmgun"),
                s.alarmgun.isValid() ? s.alarmgun : Zaman::SifirTarih());
    q.paramInt(QStringLiteral("Alarmsaat"), s.alarmsaat);
    q.paramInt(QStringLiteral("Alarmdak"), s.alarmdak);
    q.Execute();
}

AjandaOrtami::Satir AjandaOrtami::oku(const QString& ajid) {
    if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
    Sorgu q(dm.DB_Zafo);
    q.setSql(QStringLiteral("Select * From Ajanda Where Ajid=:Ajid"));
    q.paramText(QStringLiteral("Ajid"), ajid);
    q.Open();
    Satir s;
    if (q.RecordCount() == 0) return s;
    s.ajid = q.fieldText(QStringLiteral("Ajid"));
    s.bastar = q.fieldDate(QStringLiteral("Bastar"));
    s.bassaat = q.fieldText(QStringLiteral("Bassaat"));
    s.bittar = q.fieldDate(QStringLiteral("Bittar"));
    s.bitsaat = q.fieldText(QStringLiteral("Bitsaat"));
    s.aciklama = q.fieldText(QStringLiteral("Aciklama"));
    s.alarmvar = q.fieldInt(QStringLiteral("Alarmvar"));
    s.alarmgun = q.fieldDate(QStringLiteral("Alarmgun"));
    s.alarmsaat = q.fieldInt(QStringLiteral("Alarmsaat"));
    s.alarmdak = q.fieldInt(QStringLiteral("Alarmdak"));
    return s;
}

int AjandaOrtami::satirSayisi() {
    if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
    Sorgu q(dm.DB_Zafo);
    q.setSql(QStringLiteral("Select Count(*) As Sayi From Ajanda"));
    q.Open();
    return static_cast<int>(q.fieldInt(QStringLiteral("Sayi")));
}

void AjandaOrtami::sql(const QString& metin) {
    if (!dm.DB_Zafo.Connected()) dm.DB_Zafo.Open();
    Sorgu q(dm.DB_Zafo);
    q.setSql(metin);
    q.Execute();
}

QStringList AjandaOrtami::mesajlar(int tur) {
    QStringList sonuc;
    for (const auto& k : MesajTest::Gosterilenler())
        if (k.tur == tur) sonuc.append(k.metin);
    return sonuc;
}

ModalSurucu::ModalSurucu(QList<Adim> adimlar) : adimlar_(std::move(adimlar)) {
    zamanlayici_.setInterval(5);
    connect(&zamanlayici_, &QTimer::timeout, this, &ModalSurucu::bak);
    zamanlayici_.start();
}

ModalSurucu::~ModalSurucu() {
    if (!adimlar_.isEmpty())
        qWarning("%d step(s) for modal windows were never taken", int(adimlar_.size()));
}

void ModalSurucu::bak() {
    auto* pencere = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!pencere || !pencere->isVisible()) return;
    if (adimlar_.isEmpty()) {
        ++beklenmeyen_;
        pencere->reject();
        return;
    }
    Adim adim = adimlar_.takeFirst();
    adim(pencere);
}
