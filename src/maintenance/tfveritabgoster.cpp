#include "tfveritabgoster.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "dbhatasi.h"
#include "pencereparcalari.h"
#include "tablomodeli.h"
#include "udm.h"
#include "uygulama.h"
#include "veriizgarasi.h"

namespace {

QComboBox* tabloSecimi(const QString& ad) {
    auto* c = new QComboBox;
    c->setObjectName(ad);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumWidth(190);
    return c;
}

}  // namespace

TFVeritabgoster::TFVeritabgoster(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FVeritabgoster"));
    setWindowTitle(QStringLiteral("Veritabani ..."));
    setSizeGripEnabled(true);
    resize(745, 482);

    ETablo1 = tabloSecimi(QStringLiteral("ETablo1"));
    ETablo2 = tabloSecimi(QStringLiteral("ETablo2"));
    auto* BAc1 = Pencere::KalinDugme(QStringLiteral("BAc1"), QStringLiteral("Aç"));
    auto* BAc2 = Pencere::KalinDugme(QStringLiteral("BAc2"), QStringLiteral("Aç"));
    auto* BCikis = Pencere::KalinDugme(QStringLiteral("BCikis"), QStringLiteral("Çıkış - Esc"));
    for (QPushButton* d : {BAc1, BAc2, BCikis}) {
        d->setAutoDefault(false);
        d->setMinimumWidth(70);
    }
    BCikis->setMinimumWidth(110);
    auto* etiket1 = new QLabel(QStringLiteral("Tablo-1"));
    etiket1->setBuddy(ETablo1);
    auto* etiket2 = new QLabel(QStringLiteral("Tablo-2"));
    etiket2->setBuddy(ETablo2);

    auto* ust = new QHBoxLayout;
    ust->addWidget(etiket1);
    ust->addWidget(ETablo1);
    ust->addWidget(BAc1);
    ust->addSpacing(24);
    ust->addWidget(etiket2);
    ust->addWidget(ETablo2);
    ust->addWidget(BAc2);
    ust->addStretch(1);

    Q_Tablo1 = new TabloModeli(Dm->DB_Zafo, this);
    Q_Tablo1->setObjectName(QStringLiteral("Q_Tablo1"));
    Q_Tablo2 = new TabloModeli(Dm->DB_Zafo, this);
    Q_Tablo2->setObjectName(QStringLiteral("Q_Tablo2"));
    DbTablo1 = new VeriIzgarasi(Q_Tablo1);
    DbTablo1->setObjectName(QStringLiteral("DbTablo1"));
    DbTablo2 = new VeriIzgarasi(Q_Tablo2);
    DbTablo2->setObjectName(QStringLiteral("DbTablo2"));
    Sayfalar = new QTabWidget;
    Sayfalar->setObjectName(QStringLiteral("Sayfalar"));
    Sayfalar->addTab(DbTablo1, QStringLiteral("Tablo-1"));
    Sayfalar->addTab(DbTablo2, QStringLiteral("Tablo-2"));

    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(ust);
    duzen->addWidget(Sayfalar, 1);
    duzen->addLayout(Pencere::SagaDayali({BCikis}));

    connect(BAc1, &QPushButton::clicked, this, &TFVeritabgoster::BAc1Click);
    connect(BAc2, &QPushButton::clicked, this, &TFVeritabgoster::BAc2Click);
    connect(ETablo1->lineEdit(), &QLineEdit::returnPressed, this, &TFVeritabgoster::BAc1Click);
    connect(ETablo2->lineEdit(), &QLineEdit::returnPressed, this, &TFVeritabgoster::BAc2Click);
    connect(BCikis, &QPushButton::clicked, this, [this] { done(-1); });
}

void TFVeritabgoster::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    if (gosterildi_) return;
    gosterildi_ = true;
    Dm->DB_Zafo.AcmayaCalis();
    TabloListesiDoldur();
}

QStringList TFVeritabgoster::Tablolar() {
    QStringList adlar;
    if (!Dm || !Dm->DB_Zafo.Connected()) return adlar;
    Sorgu q(Dm->DB_Zafo);
    q.addSql(QStringLiteral("Select name From sqlite_master"));
    q.addSql(QStringLiteral("Where type='table' And name Not Like 'sqlite!_%' Escape '!'"));
    q.addSql(QStringLiteral("Order By name Collate Nocase"));
    Sessizce([&] {
        q.Open();
        for (; !q.Eof(); q.Next()) adlar << q.fieldText(QStringLiteral("name"));
    });
    return adlar;
}

void TFVeritabgoster::TabloListesiDoldur() {
    ETablo1->clear();
    ETablo2->clear();
    const QStringList adlar = Tablolar();
    ETablo1->addItems(adlar);
    ETablo2->addItems(adlar);
    ETablo1->setCurrentIndex(-1);
    ETablo2->setCurrentIndex(-1);
}

void TFVeritabgoster::BAc1Click() {
    ac(ETablo1, DbTablo1);
}

void TFVeritabgoster::BAc2Click() {
    ac(ETablo2, DbTablo2);
}

void TFVeritabgoster::ac(QComboBox* secim, VeriIzgarasi* izgara) {
    // Only a table of this file opens, by its own name quoted as an
    // identifier; typed text never becomes part of a statement.
    const QString yazilan = secim->currentText().trimmed();
    if (yazilan.isEmpty()) {
        HataPenceresi(QStringLiteral("Açılacak tablonun adını yazın ya da listeden seçin."));
        return;
    }
    QString tablo;
    for (const QString& ad : Tablolar())
        if (ad.compare(yazilan, Qt::CaseInsensitive) == 0) tablo = ad;
    if (tablo.isEmpty()) {
        HataPenceresi(
            QStringLiteral("\"%1\" adında bir tablo yok. Listedeki tablolardan birini seçin.")
                .arg(yazilan));
        return;
    }
    if (!izgara->Kaydet()) return;
    try {
        izgara->tabloModeli()->Ac(tablo);
    } catch (const DbHatasi& hata) {
        HataPenceresi(hata.mesaj());
    }
}

void TFVeritabgoster::done(int sonuc) {
    // Edits of the rows still being edited are written before the window goes.
    DbTablo1->Kaydet();
    DbTablo2->Kaydet();
    QDialog::done(sonuc);
}

void TFVeritabgoster::reject() {
    done(-1);
}
