#include "tfnotlarnew.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "alanlar.h"
#include "mesaj.h"
#include "sorgu.h"
#include "udm.h"
#include "zaman.h"

TFNotlarnew::TFNotlarnew(QWidget* parent)
    : GirisPencere(QStringLiteral("FNotlarnew"), QStringLiteral("Not Girişi ..."), Dm->DB_Zafo,
                   Dm->Q_Temp, parent) {
    setFixedSize(571, 280);
    ETarih = new TarihAlani(this);
    ETarih->setObjectName(QStringLiteral("ETarih"));
    ESaat = new SaatAlani(this);
    ESaat->setObjectName(QStringLiteral("ESaat"));
    EAciklama = new QLineEdit(this);
    EAciklama->setObjectName(QStringLiteral("EAciklama"));
    EAciklama->setMaxLength(50);
    auto* notKutusu = new QGroupBox(QStringLiteral(" Not "), this);
    notKutusu->setObjectName(QStringLiteral("GroupBox1"));
    ENot = new NotAlani(200, notKutusu);
    ENot->setObjectName(QStringLiteral("ENot"));
    ENot->setAccessibleName(QStringLiteral("Not"));
    auto* notDuzen = new QVBoxLayout(notKutusu);
    notDuzen->addWidget(ENot);

    auto* ust = new QGridLayout;
    const auto etiket = [this](const QString& metin, QWidget* alan) {
        auto* l = new QLabel(metin, this);
        l->setBuddy(alan);
        return l;
    };
    ust->addWidget(etiket(QStringLiteral("Tarih"), ETarih), 0, 0);
    ust->addWidget(ETarih, 0, 1);
    ust->addWidget(etiket(QStringLiteral("Saat"), ESaat), 0, 2);
    ust->addWidget(ESaat, 0, 3);
    ust->setColumnStretch(4, 1);
    ust->addWidget(etiket(QStringLiteral("Açıklama"), EAciklama), 1, 0);
    ust->addWidget(EAciklama, 1, 1, 1, 4);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch(1);
    dugmeler->addWidget(BKaydet);
    dugmeler->addWidget(BCikis);
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(ust);
    duzen->addWidget(notKutusu, 1);
    duzen->addLayout(dugmeler);

    setOdakSirasi({ETarih, ESaat, EAciklama, ENot, BKaydet, BCikis}, {ENot});
}

void TFNotlarnew::showEvent(QShowEvent* olay) {
    // The note window opens at a place of its own, not in the middle of the screen.
    if (const QScreen* ekran = screen())
        move(ekran->availableGeometry().topLeft() + QPoint(200, 160));
    GirisPencere::showEvent(olay);
}

void TFNotlarnew::yeniKayitDegerleri() {
    ETarih->setTarih(Zaman::Bugun());
    ESaat->setSaat(Zaman::SuAn());
}

QStringList TFNotlarnew::yuklemeSql() const {
    return {QStringLiteral("Select Notlar.* From Notlar Where (Sirano=:Sirano)")};
}

void TFNotlarnew::alanlariDoldur(const Sorgu& q) {
    ETarih->kayittanYukle(q.fieldDate(QStringLiteral("Tarih")));
    ESaat->setMetin(q.fieldText(QStringLiteral("Saat")));
    EAciklama->setText(q.fieldText(QStringLiteral("Aciklama")));
    ENot->setPlainText(q.fieldText(QStringLiteral("Notmetin")));
}

bool TFNotlarnew::NotKontrol() {
    if (EAciklama->text().isEmpty() && ENot->toPlainText().isEmpty()) {
        HataGoster(QStringLiteral("Açıklama veya not alanlarından en az birini girmelisiniz !.."),
                   0);
        return false;
    }
    return true;
}

QStringList TFNotlarnew::eklemeSql() const {
    return {QStringLiteral("Insert Into Notlar (tarih, saat, aciklama, Notmetin)"),
            QStringLiteral("Values (:tarih, :saat, :aciklama, :Notmetin)")};
}

QStringList TFNotlarnew::guncellemeSql() const {
    return {
        QStringLiteral(
            "Update Notlar Set tarih=:tarih, Saat=:Saat, aciklama=:aciklama, Notmetin=:Notmetin"),
        QStringLiteral("Where (Sirano=:Sirano)")};
}

void TFNotlarnew::parametreleriDoldur(Sorgu& q) const {
    q.paramDate(QStringLiteral("tarih"), ETarih->kayitDegeri());
    q.paramText(QStringLiteral("saat"), ESaat->metin());
    q.paramText(QStringLiteral("aciklama"), EAciklama->text());
    q.paramText(QStringLiteral("Notmetin"), ENot->toPlainText());
    if (Islem != 1) q.paramInt(QStringLiteral("Sirano"), Sirano);
}
