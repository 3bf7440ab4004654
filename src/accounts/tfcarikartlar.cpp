#include "tfcarikartlar.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "cariler.h"
#include "carimodeli.h"
#include "dbhatasi.h"
#include "mesaj.h"
#include "udm.h"
#include "uygulama.h"

TFCarikartlar::TFCarikartlar(QWidget* parent)
    : ModulPencere(QStringLiteral("FCarikartlar"),
                   Yerlesim(QStringLiteral("Kovimaro"), QStringLiteral("Carikartlar")), parent) {
    setWindowTitle(QStringLiteral("Cari Hesaplar ..."));
    resize(756, 438);

    model_ = new CariModeli(this);
    model_->setObjectName(QStringLiteral("Ds_Carikartlar"));

    DbAdresler = new QTableView(this);
    DbAdresler->setObjectName(QStringLiteral("DbAdresler"));
    DbAdresler->setModel(model_);
    DbAdresler->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DbAdresler->setSelectionBehavior(QAbstractItemView::SelectRows);
    DbAdresler->setSelectionMode(QAbstractItemView::SingleSelection);
    DbAdresler->setShowGrid(true);
    DbAdresler->setWordWrap(false);
    DbAdresler->setTabKeyNavigation(false);
    QHeaderView* baslik = DbAdresler->horizontalHeader();
    baslik->setSectionResizeMode(QHeaderView::Interactive);
    baslik->setHighlightSections(false);
    const auto& sutunlar = CariModeli::Sutunlar();
    for (int i = 0; i < int(sutunlar.size()); ++i)
        baslik->resizeSection(i, sutunlar[size_t(i)].genislik);
    // The row indicator: a narrow strip that marks the current row. Fixed row
    // heights keep a list of tens of thousands of cards as quick as a short one.
    QHeaderView* gosterge = DbAdresler->verticalHeader();
    gosterge->setSectionResizeMode(QHeaderView::Fixed);
    gosterge->setDefaultSectionSize(DbAdresler->fontMetrics().height() + 6);
    gosterge->setFixedWidth(12);
    gosterge->setHighlightSections(true);
    setYerlesimBasligi(baslik);

    BCikis = new QPushButton(QStringLiteral("Çıkış - Esc"), this);
    BCikis->setObjectName(QStringLiteral("BCikis"));
    QFont kalin = BCikis->font();
    kalin.setBold(true);
    BCikis->setFont(kalin);
    connect(BCikis, &QPushButton::clicked, this, &TFCarikartlar::BCikisClick);
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, &TFCarikartlar::BCikisClick);

    auto* alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(BCikis);
    auto* ana = new QVBoxLayout(this);
    ana->setContentsMargins(0, 0, 4, 4);
    ana->addWidget(DbAdresler, 1);
    ana->addLayout(alt);
}

void TFCarikartlar::showEvent(QShowEvent* olay) {
    ModulPencere::showEvent(olay);
    // The list is a snapshot of the first showing; bringing the window
    // forward again does not read it anew.
    if (yuklendi_) return;
    yuklendi_ = true;
    CarileriYukle();
}

void TFCarikartlar::CarileriYukle() {
    model_->Bosalt();
    if (!Dm) return;
    Cariler::Sonuc s;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        s = Cariler::CarileriYukle(Dm->Q_Temp);
    } catch (const DbHatasi& hata) {
        QGuiApplication::restoreOverrideCursor();
        HataPenceresi(hata.mesaj());
        return;
    }
    QGuiApplication::restoreOverrideCursor();
    if (!s.uyari.isEmpty()) {
        UyariGoster(s.uyari, 0);
        return;
    }
    model_->Doldur(std::move(s.tablo));
    if (model_->rowCount() > 0) DbAdresler->selectRow(0);
}

void TFCarikartlar::BCikisClick() {
    kapat();
}
