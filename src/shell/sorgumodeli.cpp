#include "sorgumodeli.h"

#include <QHeaderView>

#include "sorgu.h"
#include "turkce.h"

SorguModeli::SorguModeli(Sorgu& sorgu, QList<SorguSutunu> sutunlar, QObject* parent)
    : QAbstractTableModel(parent), sorgu_(&sorgu), sutunlar_(std::move(sutunlar)) {
    sutunlariBul();
}

void SorguModeli::sutunlariBul() {
    alanNo_.assign(static_cast<size_t>(sutunlar_.size()), -1);
    if (!sorgu_->Active()) return;
    for (int i = 0; i < sutunlar_.size(); ++i)
        alanNo_[static_cast<size_t>(i)] = sorgu_->sutunNo(sutunlar_[i].alan);
}

int SorguModeli::rowCount(const QModelIndex& ust) const {
    if (ust.isValid() || !sorgu_->Active()) return 0;
    return sorgu_->RecordCount();
}

int SorguModeli::columnCount(const QModelIndex& ust) const {
    return ust.isValid() ? 0 : static_cast<int>(sutunlar_.size());
}

QString SorguModeli::hucreMetni(int satir, int sutun) const {
    if (sutun < 0 || sutun >= sutunlar_.size()) return QString();
    const int alan = alanNo_[static_cast<size_t>(sutun)];
    if (alan < 0) return QString();
    const QVariant& deger = sorgu_->hucre(satir, alan);
    const SorguSutunu& s = sutunlar_[sutun];
    if (s.bicim) return s.bicim(deger);
    return deger.isNull() ? QString() : deger.toString();
}

QVariant SorguModeli::data(const QModelIndex& indeks, int rol) const {
    if (!indeks.isValid()) return QVariant();
    switch (rol) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return hucreMetni(indeks.row(), indeks.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(sutunlar_[indeks.column()].hiza);
        default:
            return QVariant();
    }
}

QVariant SorguModeli::headerData(int bolum, Qt::Orientation yon, int rol) const {
    if (rol != Qt::DisplayRole) return QVariant();
    if (yon == Qt::Horizontal)
        return bolum >= 0 && bolum < sutunlar_.size() ? sutunlar_[bolum].baslik : QVariant();
    // The row indicator.
    return bolum == sorgu_->RecNo() ? QStringLiteral("▶") : QString();
}

void SorguModeli::yenidenCalistir(const std::function<void()>& adim) {
    beginResetModel();
    try {
        adim();
    } catch (...) {
        sutunlariBul();
        isaretli_ = -1;
        endResetModel();
        throw;
    }
    sutunlariBul();
    isaretli_ = -1;
    endResetModel();
}

void SorguModeli::imlecDegisti() {
    const int n = rowCount();
    const int yeni = sorgu_->RecNo();
    if (isaretli_ >= 0 && isaretli_ < n) emit headerDataChanged(Qt::Vertical, isaretli_, isaretli_);
    if (yeni >= 0 && yeni < n) emit headerDataChanged(Qt::Vertical, yeni, yeni);
    isaretli_ = yeni;
}

QString SorguModeli::TarihBicimi(const QVariant& deger) {
    return Sorgu::tarihOku(deger).date().toString(QStringLiteral("dd.MM.yyyy"));
}

QString SorguModeli::TutarBicimi(const QVariant& deger) {
    return Turkce::KisaTutar(deger.isNull() ? 0.0 : deger.toDouble());
}

// ---------------------------------------------------------------- grid

SorguIzgara::SorguIzgara(Sorgu& sorgu, QList<SorguSutunu> sutunlar, QWidget* parent)
    : QTableView(parent), model_(new SorguModeli(sorgu, std::move(sutunlar), this)) {
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsMovable(true);
    // Rows of one height: a header over many thousand rows stays cheap.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(16);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    genislikleriUygula();
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SorguIzgara::satirDegisti);
}

void SorguIzgara::genislikleriUygula() {
    // Column widths are given for a small dialog font (five pixels a
    // character); a desktop with a larger font widens them in proportion, so a
    // date or an amount still fits its column.
    const double olcek = qMax(1.0, fontMetrics().averageCharWidth() / 5.0);
    const QList<SorguSutunu>& s = model_->sutunlar();
    for (int i = 0; i < s.size(); ++i) setColumnWidth(i, qRound(s[i].genislik * olcek));
}

bool SorguIzgara::bos() const {
    return model_->rowCount() == 0;
}

void SorguIzgara::yenidenCalistir(const std::function<void()>& adim) {
    model_->yenidenCalistir(adim);
    imleciGoster();
}

void SorguIzgara::imleciGoster() {
    const int satir = sorgu().RecNo();
    if (satir < 0 || satir >= model_->rowCount()) return;
    tasiniyor_ = true;
    const QModelIndex hedef = model_->index(satir, qMax(0, currentIndex().column()));
    selectionModel()->setCurrentIndex(
        hedef, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    tasiniyor_ = false;
    model_->imlecDegisti();
    scrollTo(hedef);
}

void SorguIzgara::satirDegisti(const QModelIndex& yeni, const QModelIndex& eski) {
    Q_UNUSED(eski);
    if (tasiniyor_ || !yeni.isValid()) return;
    sorgu().setRecNo(yeni.row());
    model_->imlecDegisti();
}
