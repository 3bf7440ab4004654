#include "tfajandaalarm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "alanlar.h"
#include "dbhatasi.h"
#include "durumresimleri.h"
#include "mesaj.h"
#include "metinsiniri.h"
#include "udm.h"
#include "uyarisaati.h"
#include "uygulama.h"
#include "zaman.h"

TFAjandaalarm::TFAjandaalarm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      Q_Temp(Dm->DB_Zafo) {
    setObjectName(QStringLiteral("FAjandaalarm"));
    setWindowTitle(QStringLiteral("Dikkat ! ..."));
    QFont yazi = font();
    yazi.setPixelSize(13);
    setFont(yazi);

    auto* baslik = new QLabel(QStringLiteral("Mesaj var"), this);
    baslik->setObjectName(QStringLiteral("sLabel1"));
    QFont buyuk = baslik->font();
    buyuk.setPixelSize(24);
    buyuk.setBold(true);
    baslik->setFont(buyuk);
    baslik->setAlignment(Qt::AlignCenter);
    baslik->setFrameShape(QFrame::Box);

    auto* mesajKutusu = new QGroupBox(QStringLiteral("Mesaj"), this);
    EMesaj = new QPlainTextEdit(mesajKutusu);
    EMesaj->setObjectName(QStringLiteral("EMesaj"));
    QFont mesajYazisi = EMesaj->font();
    mesajYazisi.setPixelSize(11);
    EMesaj->setFont(mesajYazisi);
    EMesaj->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; }"));
    EMesaj->setTabChangesFocus(true);
    // What is written back must fit Ajanda.Aciklama.
    MetinSiniriKoy(EMesaj, 150);
    auto* ml = new QVBoxLayout(mesajKutusu);
    ml->addWidget(EMesaj);

    auto* uyariKutusu = new QGroupBox(this);
    EUyari = new QCheckBox(QStringLiteral("Yeniden Uyar"), uyariKutusu);
    EUyari->setObjectName(QStringLiteral("EUyari"));
    EUyarigun = new TarihAlani(uyariKutusu);
    EUyarigun->setObjectName(QStringLiteral("EUyarigun"));
    EUyarisaat = new QLineEdit(uyariKutusu);
    EUyarisaat->setObjectName(QStringLiteral("EUyarisaat"));
    EUyaridak = new QLineEdit(uyariKutusu);
    EUyaridak->setObjectName(QStringLiteral("EUyaridak"));
    for (QLineEdit* e : {EUyarisaat, EUyaridak}) {
        e->setMaxLength(2);
        e->setMaximumWidth(40);
        e->setAlignment(Qt::AlignCenter);
    }
    auto* simge = new QLabel(uyariKutusu);
    simge->setPixmap(DurumResimleri::Al(DurumResimleri::AlarmAcik));
    auto* gunEtiketi = new QLabel(QStringLiteral("Uyarı Günü"), uyariKutusu);
    gunEtiketi->setBuddy(EUyarigun);
    auto* saatEtiketi = new QLabel(QStringLiteral("Uyarı Saati"), uyariKutusu);
    saatEtiketi->setBuddy(EUyarisaat);
    auto* ikiNokta = new QLabel(QStringLiteral(":"), uyariKutusu);
    ikiNokta->setBuddy(EUyaridak);
    auto* ul = new QGridLayout(uyariKutusu);
    ul->addWidget(simge, 0, 0, 2, 1);
    ul->addWidget(EUyari, 0, 1, 1, 4);
    ul->addWidget(gunEtiketi, 1, 1);
    ul->addWidget(EUyarigun, 1, 2);
    ul->addWidget(saatEtiketi, 2, 1);
    auto* saatSatiri = new QHBoxLayout;
    saatSatiri->addWidget(EUyarisaat);
    saatSatiri->addWidget(ikiNokta);
    saatSatiri->addWidget(EUyaridak);
    saatSatiri->addStretch();
    ul->addLayout(saatSatiri, 2, 2);

    BCikis = new QPushButton(QStringLiteral("Çıkış"), this);
    BCikis->setObjectName(QStringLiteral("BCikis"));
    BCikis->setAutoDefault(false);
    BCikis->setMinimumWidth(100);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(BCikis);

    auto* ana = new QVBoxLayout(this);
    ana->addWidget(baslik);
    ana->addWidget(mesajKutusu, 1);
    ana->addWidget(uyariKutusu);
    ana->addLayout(dugmeler);
    resize(382, 308);

    connect(BCikis, &QPushButton::clicked, this, &TFAjandaalarm::BCikisClick);
}

bool TFAjandaalarm::UyariSaatiDuzenle() {
    return UyariKutulariniDuzenle(EUyarisaat, EUyaridak);
}

void TFAjandaalarm::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    UyariSaatiDuzenle();
    // The program sits in the tray; the alarm must come to the front of
    // whatever the user is doing, on any desktop.
    raise();
    activateWindow();
    QApplication::alert(this);
    QTimer::singleShot(0, this, [this] {
        raise();
        activateWindow();
    });
}

void TFAjandaalarm::keyPressEvent(QKeyEvent* olay) {
    // Esc must not slip past the alarm; only "Çıkış" or the close box end it.
    if (olay->key() == Qt::Key_Escape) {
        olay->accept();
        return;
    }
    QDialog::keyPressEvent(olay);
}

bool TFAjandaalarm::AlarmKaydet() {
    Dm->DB_Zafo.AcmayaCalis();
    if (!UyariSaatiDuzenle()) return false;
    const bool yeniden = EUyari->isChecked();
    const bool tamam = Sessizce([&] {
        Q_Temp.Close();
        Q_Temp.clearSql();
        Q_Temp.addSql(QStringLiteral("Update Ajanda Set Aciklama=:Aciklama, Alarmvar=:Alarmvar,"));
        Q_Temp.addSql(
            QStringLiteral("Alarmgun=:Alarmgun, Alarmsaat=:Alarmsaat, Alarmdak=:Alarmdak"));
        Q_Temp.addSql(QStringLiteral("Where Ajid=:Ajid"));
        Q_Temp.paramInt(QStringLiteral("Alarmvar"), yeniden ? 2 : 1);
        Q_Temp.paramDate(QStringLiteral("Alarmgun"),
                         yeniden ? EUyarigun->kayitDegeri() : Zaman::SifirTarih());
        Q_Temp.paramInt(QStringLiteral("Alarmsaat"), yeniden ? EUyarisaat->text().toInt() : 0);
        Q_Temp.paramInt(QStringLiteral("Alarmdak"), yeniden ? EUyaridak->text().toInt() : 0);
        Q_Temp.paramText(QStringLiteral("Aciklama"), EMesaj->toPlainText());
        Q_Temp.paramText(QStringLiteral("Ajid"), ajid);
        Q_Temp.Execute();
    });
    if (!tamam) DuzMesaj(QStringLiteral("Kayıt yapılırken bir hata oluştu !.."));
    return true;
}

void TFAjandaalarm::BCikisClick() {
    if (AlarmKaydet()) done(-1);
}
