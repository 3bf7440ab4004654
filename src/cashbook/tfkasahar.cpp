#include "tfkasahar.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

#include "alanlar.h"
#include "baglanti.h"
#include "kayitortak.h"
#include "mesaj.h"
#include "sorgumodeli.h"
#include "tfkasaharnew.h"
#include "turkce.h"
#include "udm.h"
#include "zaman.h"

namespace {

constexpr int kGirenSol = 5;
constexpr int kUstBant = 40;

QList<SorguSutunu> sutunlar(const char* tutar, int saatGenislik, int aciklamaGenislik) {
    const Qt::Alignment sol = Qt::AlignLeft | Qt::AlignVCenter;
    return {
        {QStringLiteral("Tarih"), QStringLiteral("Tarih"), 71, sol, &SorguModeli::TarihBicimi},
        {QStringLiteral("Saat"), QStringLiteral("Saat"), saatGenislik, sol, {}},
        {QLatin1String(tutar), QStringLiteral("Tutar"), 80, Qt::AlignRight | Qt::AlignVCenter,
         &SorguModeli::TutarBicimi},
        {QStringLiteral("Aciklama"), QStringLiteral("Açıklama"), aciklamaGenislik, sol, {}},
    };
}

// Each day list in the order its rows were added, so that the last row is the newest.
QString listeSql(const char* tutar) {
    return QStringLiteral(
               "Select Kasahar.* From Kasahar Where (%1 <> 0) And (Tarih = :Tarih) Order By Sirano")
        .arg(QLatin1String(tutar));
}

QLabel* etiket(const char* ad, const QString& metin, QWidget* sahip, bool kalin = false) {
    auto* l = new QLabel(metin, sahip);
    l->setObjectName(QLatin1String(ad));
    if (kalin) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QPushButton* duzDugme(const char* ad, const QString& baslik, QWidget* sahip) {
    auto* b = new QPushButton(baslik, sahip);
    b->setObjectName(QLatin1String(ad));
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
}

QToolButton* okDugmesi(const char* ad, Qt::ArrowType ok, const QString& ipucu, QWidget* sahip) {
    auto* b = new QToolButton(sahip);
    b->setObjectName(QLatin1String(ad));
    b->setArrowType(ok);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(ipucu);
    b->setAccessibleName(ipucu);
    return b;
}

SorguIzgara* izgara(Sorgu& q, QList<SorguSutunu> s, const char* ad, QGroupBox* kutu) {
    auto* g = new SorguIzgara(q, std::move(s), kutu);
    g->setObjectName(QLatin1String(ad));
    auto* d = new QVBoxLayout(kutu);
    d->setContentsMargins(2, 2, 2, 2);
    d->addWidget(g);
    return g;
}

}  // namespace

TFKasahar::TFKasahar(QWidget* parent)
    : ModulPencere(QStringLiteral("FKasahar"),
                   Yerlesim(QStringLiteral("Kovimaro"), QStringLiteral("Kasahar")), parent),
      Q_Giren(Dm->DB_Zafo),
      Q_Cikan(Dm->DB_Zafo) {
    setWindowTitle(QStringLiteral("Kasa Hareketleri ..."));
    LTarih = etiket("LTarih", QStringLiteral("Kasa Tarihi"), this, true);
    ETarih = new TarihAlani(this);
    ETarih->setObjectName(QStringLiteral("ETarih"));
    LTarih->setBuddy(ETarih);
    SOnceki = okDugmesi("SOnceki", Qt::LeftArrow, QStringLiteral("Önceki gün"), this);
    SSonraki = okDugmesi("SSonraki", Qt::RightArrow, QStringLiteral("Sonraki gün"), this);
    LDevir = etiket("LDevir", QStringLiteral("Önceki Günden Devir "), this, true);
    EDevirtop = etiket("EDevirtop", Turkce::Tutar(0), this, true);

    GrGiren = new QGroupBox(QStringLiteral(" Giren "), this);
    GrGiren->setObjectName(QStringLiteral("GrGiren"));
    GrCikan = new QGroupBox(QStringLiteral(" Çıkan "), this);
    GrCikan->setObjectName(QStringLiteral("GrCikan"));
    DbGiren = izgara(Q_Giren, sutunlar("Giren", 56, 197), "DbGiren", GrGiren);
    DbCikan = izgara(Q_Cikan, sutunlar("Cikan", 57, 176), "DbCikan", GrCikan);

    LGiren = etiket("LGiren", QStringLiteral("Giren Toplamı"), this, true);
    EGirtop = etiket("EGirtop", Turkce::Tutar(0), this, true);
    LCikan = etiket("LCikan", QStringLiteral("Çıkan Toplamı"), this, true);
    ECiktop = etiket("ECiktop", Turkce::Tutar(0), this, true);
    LKasatop = etiket("LKasatop", QStringLiteral("Kasa Toplamı"), this, true);
    EKasatoplam = etiket("EKasatoplam", Turkce::Tutar(0), this, true);
    LDevir->setBuddy(EDevirtop);
    for (QLabel* deger : {EDevirtop, EGirtop, ECiktop, EKasatoplam}) {
        deger->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        deger->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    BYeni = duzDugme("BYeni", QStringLiteral("Yeni - F7"), this);
    BDuzelt = duzDugme("BDuzelt", QStringLiteral("Düzelt - F8"), this);
    BSil = duzDugme("BSil", QStringLiteral("Sil - F3"), this);
    BCikis = duzDugme("BCikis", QStringLiteral("Çıkış - Esc"), this);

    setTabOrder(DbGiren, DbCikan);
    setTabOrder(DbCikan, ETarih);
    auto* tuslar = new IslemTuslari(BYeni, BDuzelt, BSil, BCikis, this);
    for (QWidget* w : {static_cast<QWidget*>(DbGiren), static_cast<QWidget*>(DbCikan),
                       static_cast<QWidget*>(ETarih)})
        tuslar->izle(w);

    connect(ETarih, &TarihAlani::tarihDegisti, this, &TFKasahar::KasaYukle);
    connect(SOnceki, &QToolButton::clicked, this, &TFKasahar::SOncekiClick);
    connect(SSonraki, &QToolButton::clicked, this, &TFKasahar::SSonrakiClick);
    connect(BYeni, &QPushButton::clicked, this, &TFKasahar::BYeniClick);
    connect(BDuzelt, &QPushButton::clicked, this, &TFKasahar::BDuzeltClick);
    connect(BSil, &QPushButton::clicked, this, &TFKasahar::BSilClick);
    connect(BCikis, &QPushButton::clicked, this, &TFKasahar::BCikisClick);
    connect(DbGiren, &QAbstractItemView::doubleClicked, this, &TFKasahar::BDuzeltClick);
    connect(DbCikan, &QAbstractItemView::doubleClicked, this, &TFKasahar::BDuzeltClick);

    setYerlesimBasliklari({DbGiren->horizontalHeader(), DbCikan->horizontalHeader()});
    setMinimumSize(560, 250);
    resize(772, 363);
}

QDate TFKasahar::Gun() const {
    return ETarih->kayitDegeri();
}

void TFKasahar::showEvent(QShowEvent* olay) {
    ModulPencere::showEvent(olay);
    if (acildi_) return;
    acildi_ = true;
    Dm->DB_Zafo.AcmayaCalis();
    // Every opening starts at today; the change of the field loads the day.
    ETarih->setTarih(Zaman::Bugun());
    DbGiren->setFocus();
}

void TFKasahar::KasaYukle() {
    const QDate gun = Gun();
    const auto calistir = [&gun](Sorgu& q, const char* tutar) {
        q.Close();
        q.clearSql();
        q.addSql(listeSql(tutar));
        q.paramDate(QStringLiteral("Tarih"), gun);
        q.Open();
    };
    DbGiren->yenidenCalistir([&] { calistir(Q_Giren, "Giren"); });
    DbCikan->yenidenCalistir([&] { calistir(Q_Cikan, "Cikan"); });
    KasaToplamlariniGoster();
}

void TFKasahar::KasaToplamlariniGoster() {
    toplam_ = devir_.Hesapla(Dm->Q_Temp, Gun());
    EDevirtop->setText(Turkce::Tutar(toplam_.devir));
    EGirtop->setText(Turkce::Tutar(toplam_.gunGiren));
    ECiktop->setText(Turkce::Tutar(toplam_.gunCikan));
    EKasatoplam->setText(Turkce::Tutar(toplam_.kasa()));
}

void TFKasahar::listeleriYenile() {
    DbCikan->yenidenCalistir([this] { Q_Cikan.Requery(); });
    DbGiren->yenidenCalistir([this] { Q_Giren.Requery(); });
}

void TFKasahar::SOncekiClick() {
    ETarih->setTarih(Gun().addDays(-1));
}

void TFKasahar::SSonrakiClick() {
    ETarih->setTarih(Gun().addDays(1));
}

qint64 TFKasahar::aktifSirano() const {
    const QWidget* aktif = focusWidget();
    const Sorgu* q = aktif == DbGiren ? &Q_Giren : aktif == DbCikan ? &Q_Cikan : nullptr;
    if (!q || q->RecordCount() == 0) return 0;
    return q->fieldInt(QStringLiteral("Sirano"));
}

void TFKasahar::BYeniClick() {
    auto giris = std::make_unique<TFKasaharnew>(this);
    giris->Sirano = 0;
    giris->Islem = 1;
    giris->ETarih->kayittanYukle(Gun());
    if (giris->exec() == 1) {
        listeleriYenile();
        if (giris->EGiren->deger() != 0.0) {
            Q_Giren.Last();
            DbGiren->imleciGoster();
            DbGiren->setFocus();
        }
        if (giris->ECikan->deger() != 0.0) {
            Q_Cikan.Last();
            DbCikan->imleciGoster();
            DbCikan->setFocus();
        }
        KasaToplamlariniGoster();
    }
}

void TFKasahar::BDuzeltClick() {
    const qint64 sirano = aktifSirano();
    if (sirano == 0) return;
    auto giris = std::make_unique<TFKasaharnew>(this);
    giris->Sirano = static_cast<int>(sirano);
    giris->Islem = 2;
    if (giris->exec() == 1) {
        listeleriYenile();
        // The movement may have changed sides: its grid takes the focus.
        if (giris->EGiren->deger() != 0.0) {
            Q_Giren.Locate(QStringLiteral("Sirano"), sirano);
            DbGiren->imleciGoster();
            DbGiren->setFocus();
        }
        if (giris->ECikan->deger() != 0.0) {
            Q_Cikan.Locate(QStringLiteral("Sirano"), sirano);
            DbCikan->imleciGoster();
            DbCikan->setFocus();
        }
    }
    KasaToplamlariniGoster();
}

void TFKasahar::BSilClick() {
    const QWidget* aktif = focusWidget();
    if ((aktif == DbGiren && Q_Giren.RecordCount() == 0) ||
        (aktif == DbCikan && Q_Cikan.RecordCount() == 0))
        return;
    const qint64 sirano = aktifSirano();
    if (sirano == 0) return;
    if (SilonayGoster(this) != 1) return;
    Dm->DB_Zafo.AcmayaCalis();
    Sorgu& q = Dm->Q_Temp;
    q.Close();
    q.clearSql();
    q.addSql(QStringLiteral("Delete From Kasahar Where Sirano=:Sirano"));
    q.paramInt(QStringLiteral("Sirano"), sirano);
    q.Execute();
    listeleriYenile();
    Q_Giren.Last();
    DbGiren->imleciGoster();
    Q_Cikan.Last();
    DbCikan->imleciGoster();
    KasaToplamlariniGoster();
}

void TFKasahar::BCikisClick() {
    kapat();
}

void TFKasahar::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape) {
        BCikis->click();
        return;
    }
    ModulPencere::keyPressEvent(olay);
}

void TFKasahar::resizeEvent(QResizeEvent* olay) {
    ModulPencere::resizeEvent(olay);
    FormResize();
}

void TFKasahar::FormResize() {
    // The rule counts in the window's outer width, frame included.
    const QWidget* cerceve = qobject_cast<QMdiSubWindow*>(parentWidget());
    const int dis = cerceve ? cerceve->width() : frameGeometry().width();
    const KasaYerlesimi y = KasaYerlesimiHesapla(dis, kGirenSol);
    const int w = width(), h = height();
    const int satir = fontMetrics().height() + 6;
    const int genislik = qMax(0, y.girenGenislik);

    // The top bar: the day on the left, the carried balance on the right.
    LTarih->setGeometry(8, 8, 80, satir);
    ETarih->setGeometry(90, 6, 130, satir + 4);
    SOnceki->setGeometry(224, 6, satir + 4, satir + 4);
    SSonraki->setGeometry(224 + satir + 6, 6, satir + 4, satir + 4);
    EDevirtop->setGeometry(w - 140, 8, 130, satir);
    LDevir->setGeometry(w - 140 - 170, 8, 170, satir);

    // Totals and buttons keep their distance from the bottom edge.
    const int toplamlarY = h - 3 * satir - 16;
    const int kasaY = toplamlarY + satir + 4;
    const int dugmeY = h - satir - 10;
    const int izgaraYukseklik = qMax(0, toplamlarY - kUstBant - 6);
    GrGiren->setGeometry(kGirenSol, kUstBant, genislik, izgaraYukseklik);
    GrCikan->setGeometry(y.cikanSol, kUstBant, genislik, izgaraYukseklik);
    LGiren->setGeometry(kGirenSol + 5, toplamlarY, 145, satir);
    EGirtop->setGeometry(kGirenSol + 5 + 150, toplamlarY, 110, satir);
    LCikan->setGeometry(y.lCikanSol, toplamlarY, 145, satir);
    ECiktop->setGeometry(y.eCiktopSol, toplamlarY, 110, satir);
    LKasatop->setGeometry(y.lKasatopSol, kasaY, 145, satir);
    EKasatoplam->setGeometry(y.eKasatoplamSol, kasaY, 110, satir);

    // Wide enough for the longest caption in this desktop's font.
    int dugmeGenislik = 100;
    for (QPushButton* b : {BYeni, BDuzelt, BSil, BCikis})
        dugmeGenislik = qMax(dugmeGenislik, b->sizeHint().width() + 4);
    int x = w - 4 * dugmeGenislik - 8;
    for (QPushButton* b : {BYeni, BDuzelt, BSil, BCikis}) {
        b->setGeometry(x, dugmeY, dugmeGenislik - 2, satir + 4);
        x += dugmeGenislik;
    }
}
