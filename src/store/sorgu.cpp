#include "sorgu.h"

#include <sqlite3.h>

#include "baglanti.h"
#include "dbhatasi.h"
#include "zaman.h"

namespace {

QString anahtar(const QString& ad) {
    QString k = ad.startsWith(QLatin1Char(':')) ? ad.mid(1) : ad;
    return k.toLower();
}

void bagla(sqlite3_stmt* st, int i, const QVariant& v) {
    switch (v.typeId()) {
        case QMetaType::UnknownType:
            sqlite3_bind_null(st, i);
            break;
        case QMetaType::LongLong:
        case QMetaType::Int:
            sqlite3_bind_int64(st, i, v.toLongLong());
            break;
        case QMetaType::Double:
            sqlite3_bind_double(st, i, v.toDouble());
            break;
        default: {
            const QString s = v.toString();
            sqlite3_bind_text16(st, i, s.utf16(), static_cast<int>(s.size() * 2), SQLITE_TRANSIENT);
        }
    }
}

int ikiHane(const QChar* p) {
    return (p[0].unicode() - '0') * 10 + (p[1].unicode() - '0');
}

}  // namespace

Sorgu::Sorgu(Baglanti& baglanti) : baglanti_(&baglanti) {}

void Sorgu::Close() {
    sutunlar_.clear();
    sutunIndeksi_.clear();
    hucreler_.clear();
    metinler_.clear();
    satirSayisi_ = 0;
    imlec_ = -1;
    eof_ = bof_ = true;
    aktif_ = false;
}

void Sorgu::clearSql() {
    satirlar_.clear();
    parametreler_.clear();
}

void Sorgu::addSql(const QString& satir) {
    satirlar_.append(satir);
}

void Sorgu::setSql(const QString& metin) {
    clearSql();
    addSql(metin);
}

QString Sorgu::tarihMetni(const QDateTime& an) {
    const QDate d = an.date();
    const QTime t = an.time();
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(),
                             t.hour(), t.minute(), t.second());
}

QDateTime Sorgu::tarihOku(const QVariant& deger) {
    if (deger.isNull()) return Zaman::SifirTarihSaat();
    if (deger.typeId() == QMetaType::QString) {
        const QString s = deger.toString();
        // Canonical "yyyy-MM-dd HH:mm:ss"; a bare "yyyy-MM-dd" is a day at midnight.
        if (s.size() >= 10 && s.at(4) == QLatin1Char('-') && s.at(7) == QLatin1Char('-')) {
            const QChar* p = s.constData();
            int yil = s.left(4).toInt();
            QDate d(yil, ikiHane(p + 5), ikiHane(p + 8));
            QTime t(0, 0);
            if (s.size() >= 19) t = QTime(ikiHane(p + 11), ikiHane(p + 14), ikiHane(p + 17));
            if (d.isValid() && t.isValid()) return QDateTime(d, t);
        }
        return Zaman::SifirTarihSaat();
    }
    if (deger.typeId() == QMetaType::QDateTime) return deger.toDateTime();
    return Zaman::SifirTarihSaat();
}

void Sorgu::paramDate(const QString& ad, const QDate& gun) {
    parametreler_.insert(
        anahtar(ad), tarihMetni(QDateTime(gun.isValid() ? gun : Zaman::SifirTarih(), QTime(0, 0))));
}

void Sorgu::paramTime(const QString& ad, const QTime& saat) {
    parametreler_.insert(anahtar(ad), tarihMetni(QDateTime(Zaman::SifirTarih(), saat)));
}

void Sorgu::paramDateTime(const QString& ad, const QDateTime& an) {
    parametreler_.insert(anahtar(ad), tarihMetni(an.isValid() ? an : Zaman::SifirTarihSaat()));
}

void Sorgu::paramText(const QString& ad, const QString& metin) {
    // An empty text is stored as empty text, not NULL.
    parametreler_.insert(anahtar(ad),
                         QVariant(metin.isNull() ? QString(QLatin1String("")) : metin));
}

void Sorgu::paramInt(const QString& ad, qint64 sayi) {
    parametreler_.insert(anahtar(ad), QVariant(sayi));
}

void Sorgu::paramFloat(const QString& ad, double sayi) {
    parametreler_.insert(anahtar(ad), QVariant(sayi));
}

void Sorgu::paramNull(const QString& ad) {
    parametreler_.insert(anahtar(ad), QVariant());
}

void Sorgu::calistir(bool satirlarAl) {
    sqlite3* db = baglanti_->handle();
    if (!db) throw DbHatasi(QStringLiteral("Veritabanı bağlantısı açık değil."));
    const QString metin = sql();
    sqlite3_stmt* st = nullptr;
    int rc =
        sqlite3_prepare16_v2(db, metin.utf16(), static_cast<int>(metin.size() * 2), &st, nullptr);
    if (rc != SQLITE_OK) {
        QString hata = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
        throw DbHatasi(hata);
    }
    if (!st) {  // empty statement text
        if (satirlarAl) throw DbHatasi(QStringLiteral("Sorgu metni boş."));
        return;
    }
    const int n = sqlite3_bind_parameter_count(st);
    for (int i = 1; i <= n; ++i) {
        const char* ad = sqlite3_bind_parameter_name(st, i);
        if (!ad) continue;
        auto it = parametreler_.constFind(anahtar(QString::fromUtf8(ad)));
        if (it == parametreler_.constEnd()) {
            sqlite3_finalize(st);
            throw DbHatasi(QStringLiteral("Parametre verilmedi: %1").arg(QString::fromUtf8(ad)));
        }
        bagla(st, i, *it);
    }
    if (satirlarAl) {
        Close();
        const int sutunSayisi = sqlite3_column_count(st);
        for (int i = 0; i < sutunSayisi; ++i) {
            const QString ad = QString::fromUtf8(sqlite3_column_name(st, i));
            sutunlar_.append(ad);
            const QString k = ad.toLower();
            if (!sutunIndeksi_.contains(k))
                sutunIndeksi_.insert(k, i);  // the first of equal names wins
        }
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            for (int i = 0; i < sutunSayisi; ++i) {
                Hucre h;
                h.tip = sqlite3_column_type(st, i);
                switch (h.tip) {
                    case SQLITE_INTEGER:
                        h.tam = sqlite3_column_int64(st, i);
                        break;
                    case SQLITE_FLOAT:
                        h.ondalik = sqlite3_column_double(st, i);
                        break;
                    case SQLITE_TEXT:
                    case SQLITE_BLOB: {
                        // The file keeps UTF-8: the bytes are kept as they are and
                        // turned into text only when a cell is read.
                        const char* p =
                            h.tip == SQLITE_TEXT
                                ? reinterpret_cast<const char*>(sqlite3_column_text(st, i))
                                : static_cast<const char*>(sqlite3_column_blob(st, i));
                        h.uzunluk = sqlite3_column_bytes(st, i);
                        h.konum = metinler_.size();
                        metinler_.append(p, h.uzunluk);
                        break;
                    }
                    default:
                        h.tip = SQLITE_NULL;
                        h.tam = 0;
                }
                hucreler_.push_back(h);
            }
            ++satirSayisi_;
        }
    } else {
        rc = sqlite3_step(st);
        while (rc == SQLITE_ROW) rc = sqlite3_step(st);
    }
    if (rc != SQLITE_DONE) {
        QString hata = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(st);
        if (satirlarAl) Close();
        throw DbHatasi(hata);
    }
    sqlite3_finalize(st);
    if (satirlarAl) {
        aktif_ = true;
        First();
    } else {
        sonEklenen_ = sqlite3_last_insert_rowid(db);
    }
}

void Sorgu::Open() {
    calistir(true);
}

int Sorgu::Execute() {
    etkilenen_ = 0;
    calistir(false);
    etkilenen_ = sqlite3_changes(baglanti_->handle());
    return etkilenen_;
}

void Sorgu::Requery() {
    calistir(true);
}

int Sorgu::sutunNo(const QString& ad) const {
    return sutunIndeksi_.value(ad.toLower(), -1);
}

QVariant Sorgu::degeri(const Hucre& h) const {
    switch (h.tip) {
        case SQLITE_INTEGER:
            return QVariant(h.tam);
        case SQLITE_FLOAT:
            return QVariant(h.ondalik);
        case SQLITE_TEXT:
            return QVariant(QString::fromUtf8(metinler_.constData() + h.konum, h.uzunluk));
        case SQLITE_BLOB:
            return QVariant(QByteArray(metinler_.constData() + h.konum, h.uzunluk));
        default:
            return QVariant();
    }
}

QVariant Sorgu::hucre(int satir, int sutun) const {
    if (satir < 0 || satir >= satirSayisi_ || sutun < 0 || sutun >= sutunlar_.size())
        return QVariant();
    return degeri(hucreler_[static_cast<size_t>(satir) * sutunlar_.size() + sutun]);
}

QVariant Sorgu::alan(const QString& ad) const {
    const int s = sutunNo(ad);
    if (s < 0) throw DbHatasi(QStringLiteral("Alan bulunamadı: %1").arg(ad));
    if (!aktif_ || imlec_ < 0) return QVariant();
    return hucre(imlec_, s);
}

qint64 Sorgu::fieldInt(const QString& ad) const {
    const QVariant v = alan(ad);
    if (v.isNull()) return 0;
    if (v.typeId() == QMetaType::Double) return static_cast<qint64>(v.toDouble());
    return v.toLongLong();
}

double Sorgu::fieldFloat(const QString& ad) const {
    const QVariant v = alan(ad);
    return v.isNull() ? 0.0 : v.toDouble();
}

QString Sorgu::fieldText(const QString& ad) const {
    const QVariant v = alan(ad);
    if (v.isNull()) return QString(QLatin1String(""));
    if (v.typeId() == QMetaType::Double) return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

QDateTime Sorgu::fieldDateTime(const QString& ad) const {
    return tarihOku(alan(ad));
}

QDate Sorgu::fieldDate(const QString& ad) const {
    return fieldDateTime(ad).date();
}

bool Sorgu::fieldIsNull(const QString& ad) const {
    return alan(ad).isNull();
}

QVariant Sorgu::value(const QString& ad) const {
    return alan(ad);
}

void Sorgu::First() {
    imlec_ = satirSayisi_ > 0 ? 0 : -1;
    eof_ = satirSayisi_ == 0;
    bof_ = true;
}

void Sorgu::Last() {
    imlec_ = satirSayisi_ - 1;
    eof_ = satirSayisi_ == 0;
    bof_ = satirSayisi_ == 0;
}

void Sorgu::Next() {
    bof_ = false;
    if (imlec_ + 1 < satirSayisi_) {
        ++imlec_;
        eof_ = false;
    } else {
        eof_ = true;
    }
}

void Sorgu::Prior() {
    eof_ = false;
    if (imlec_ > 0) {
        --imlec_;
        bof_ = false;
    } else {
        bof_ = true;
    }
}

bool Sorgu::Eof() const {
    return eof_;
}
bool Sorgu::Bof() const {
    return bof_;
}

void Sorgu::setRecNo(int satir) {
    if (satirSayisi_ == 0) return;
    imlec_ = qBound(0, satir, satirSayisi_ - 1);
    eof_ = bof_ = false;
}

bool Sorgu::Locate(const QString& ad, const QVariant& deger, Qt::CaseSensitivity harf) {
    const int s = sutunNo(ad);
    if (s < 0) throw DbHatasi(QStringLiteral("Alan bulunamadı: %1").arg(ad));
    QVariant aranan = deger;
    if (deger.typeId() == QMetaType::QDate)
        aranan = tarihMetni(QDateTime(deger.toDate(), QTime(0, 0)));
    else if (deger.typeId() == QMetaType::QDateTime)
        aranan = tarihMetni(deger.toDateTime());
    const bool metin = aranan.typeId() == QMetaType::QString;
    for (int r = 0; r < satirSayisi_; ++r) {
        const QVariant v = hucre(r, s);
        bool esit;
        if (v.isNull() || aranan.isNull())
            esit = v.isNull() && aranan.isNull();
        else if (metin)
            esit = v.toString().compare(aranan.toString(), harf) == 0;
        else if (v.typeId() == QMetaType::QString)
            esit = v.toString() == aranan.toString();
        else
            esit = v.toDouble() == aranan.toDouble();
        if (esit) {
            setRecNo(r);
            return true;
        }
    }
    return false;
}
