#include "listepencere.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "baglanti.h"
#include "girispencere.h"
#include "kayitortak.h"
#include "mesaj.h"

ListePencere::ListePencere(const Tanim& tanim, Baglanti& db, Sorgu& qTemp, QWidget* parent)
    : ModulPencere(tanim.ad, Yerlesim(QStringLiteral("Kovimaro"), tanim.bolum), parent),
      db_(&db),
      qTemp_(&qTemp),
      sorgu_(db) {
    setWindowTitle(tanim.baslik);
    auto* kutu = new QGroupBox(this);
    kutu->setObjectName(QStringLiteral("GroupBox1"));
    izgara_ = new SorguIzgara(sorgu_, tanim.sutunlar, kutu);
    izgara_->setObjectName(tanim.izgaraAdi);
    auto* kutuDuzen = new QVBoxLayout(kutu);
    kutuDuzen->setContentsMargins(2, 2, 2, 2);
    kutuDuzen->addWidget(izgara_);

    auto* dugmeKutusu = new QGroupBox(this);
    dugmeKutusu->setObjectName(QStringLiteral("GroupBox2"));
    BYeni = KalinDugme("BYeni", QStringLiteral("Yeni - F7"), dugmeKutusu);
    BDuzelt = KalinDugme("BDuzelt", QStringLiteral("Düzelt - F8"), dugmeKutusu);
    BSil = KalinDugme("BSil", QStringLiteral("Sil - F3"), dugmeKutusu);
    BCikis = KalinDugme("BCikis", QStringLiteral("Çıkış - Esc"), dugmeKutusu);
    auto* dugmeDuzen = new QHBoxLayout(dugmeKutusu);
    dugmeDuzen->setContentsMargins(4, 4, 4, 4);
    for (QPushButton* b : {BYeni, BDuzelt, BSil, BCikis}) dugmeDuzen->addWidget(b);

    // The grid follows the window on all four sides; the buttons keep to the bottom right corner.
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(4, 4, 4, 4);
    duzen->addWidget(kutu, 1);
    auto* alt = new QHBoxLayout;
    alt->addStretch(1);
    alt->addWidget(dugmeKutusu);
    duzen->addLayout(alt);

    auto* tuslar = new IslemTuslari(BYeni, BDuzelt, BSil, BCikis, this);
    for (QWidget* w : {static_cast<QWidget*>(izgara_), static_cast<QWidget*>(BYeni),
                       static_cast<QWidget*>(BDuzelt), static_cast<QWidget*>(BSil),
                       static_cast<QWidget*>(BCikis)})
        tuslar->izle(w);

    connect(BYeni, &QPushButton::clicked, this, &ListePencere::BYeniClick);
    connect(BDuzelt, &QPushButton::clicked, this, &ListePencere::BDuzeltClick);
    connect(BSil, &QPushButton::clicked, this, &ListePencere::BSilClick);
    connect(BCikis, &QPushButton::clicked, this, &ListePencere::BCikisClick);
    connect(izgara_, &QAbstractItemView::doubleClicked, this, &ListePencere::BDuzeltClick);

    setYerlesimBasligi(izgara_->horizontalHeader());
    if (tanim.boyut.isValid()) resize(tanim.boyut);
    setFocusProxy(izgara_);
}

ListePencere::~ListePencere() = default;

void ListePencere::listeyiCalistir() {
    sorgu_.Close();
    sorgu_.clearSql();
    for (const QString& satir : listeSql()) sorgu_.addSql(satir);
    sorgu_.Open();
}

void ListePencere::Yukle() {
    yuklendi_ = true;
    db().AcmayaCalis();
    izgara_->yenidenCalistir([this] { listeyiCalistir(); });
    sorgu_.Last();
    izgara_->imleciGoster();
}

void ListePencere::showEvent(QShowEvent* olay) {
    ModulPencere::showEvent(olay);
    // Shown again (brought forward, restored) it keeps the rows it has.
    if (!yuklendi_) {
        Yukle();
        izgara_->setFocus();
    }
}

void ListePencere::keyPressEvent(QKeyEvent* olay) {
    // "Çıkış - Esc" is the window's cancel button.
    if (olay->key() == Qt::Key_Escape) {
        BCikis->click();
        return;
    }
    ModulPencere::keyPressEvent(olay);
}

void ListePencere::girisAc(int sirano, int islem) {
    std::unique_ptr<GirisPencere> giris = girisPenceresi();
    giris->Sirano = sirano;
    giris->Islem = islem;
    if (giris->exec() == 1) Kaydedildi(*giris, islem);
    giris.reset();
    izgara_->setFocus();
}

void ListePencere::Kaydedildi(const GirisPencere& giris, int istenen) {
    izgara_->yenidenCalistir([this] { listeyiCalistir(); });
    kayittanSonra(giris, istenen);
    izgara_->imleciGoster();
}

void ListePencere::BYeniClick() {
    girisAc(0, 1);
}

void ListePencere::BDuzeltClick() {
    if (sorgu_.RecordCount() == 0) return;
    girisAc(static_cast<int>(sorgu_.fieldInt(QStringLiteral("Sirano"))), 2);
}

void ListePencere::BSilClick() {
    if (sorgu_.RecordCount() == 0) return;
    if (SilonayGoster(this) == 1) {
        const qint64 sirano = sorgu_.fieldInt(QStringLiteral("Sirano"));
        db().AcmayaCalis();
        Sorgu& q = qTemp();
        q.Close();
        q.clearSql();
        q.addSql(silSql());
        q.paramInt(QStringLiteral("Sirano"), sirano);
        q.Execute();
        izgara_->yenidenCalistir([this] { listeyiCalistir(); });
        silmedenSonra(sirano);
        izgara_->imleciGoster();
    }
    izgara_->setFocus();
}

void ListePencere::BCikisClick() {
    kapat();
}
