#include "jetokuyucu.h"

// glib first: mdbtools.h uses its types without including it for C++.
#include <glib.h>
#include <mdbtools.h>

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "dbhatasi.h"
#include "jetbaslik.h"
#include "jetkodlama.h"

namespace Jet::Dogrudan {

namespace {

constexpr int kOfsetMaskesi = 0x1FFF;
constexpr unsigned kEnFazlaIndeks = 256;  // Jet allows 32 per table

[[noreturn]] void hasarli(const QString& ayrinti) {
    throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (%1).").arg(ayrinti));
}

// An open file; the memory form keeps its bytes alive for the library's stream.
struct Acik {
    MdbHandle* mdb = nullptr;
    QByteArray veri;
    qint64 sayfaSayisi = 0;
    int surum = 0;
    Acik() = default;
    Acik(const Acik&) = delete;
    Acik& operator=(const Acik&) = delete;
    ~Acik() {
        if (mdb) mdb_close(mdb);
    }
};

void ac(Acik& a, const Kaynak& k) {
    qint64 boy = 0;
    if (k.bellekte) {
        a.surum = Baslik::Surum(k.veri.constData(), k.veri.size());
        if (a.surum < 0) throw DbHatasi(QStringLiteral("Dosya bir Jet veritabanı değil."));
        a.veri = k.veri;
        a.mdb = mdb_open_buffer(a.veri.data(), static_cast<size_t>(a.veri.size()), MDB_NOFLAGS);
        boy = a.veri.size();
    } else {
        const QByteArray baslik = Baslik::Oku(k.yol);
        a.surum = Baslik::Surum(baslik.constData(), baslik.size());
        if (a.surum < 0)
            throw DbHatasi(QStringLiteral("Dosya bir Jet veritabanı değil: %1").arg(k.yol));
        a.mdb = mdb_open(QFile::encodeName(k.yol).constData(), MDB_NOFLAGS);
        boy = QFileInfo(k.yol).size();
    }
    if (!a.mdb) hasarli(QStringLiteral("açılamadı"));
    const qint64 sayfa = a.mdb->fmt->pg_size;
    // Jet writes whole pages only; a file that ends inside a page was cut short.
    if (boy % sayfa != 0) hasarli(QStringLiteral("dosya eksik"));
    a.sayfaSayisi = boy / sayfa;
}

// The definition page must hold numbers the library can take: it keeps the
// fields of a row in a stack array of MDB_MAX_COLS and walks the index entries
// before the columns without bounds.
void tanimDenetle(Acik& a, unsigned long sayfa) {
    MdbHandle* mdb = a.mdb;
    if (static_cast<qint64>(sayfa) >= a.sayfaSayisi || sayfa < 1)
        hasarli(QStringLiteral("tablo sayfası dosyanın dışında"));
    if (mdb_read_pg(mdb, sayfa) != mdb->fmt->pg_size)
        hasarli(QStringLiteral("tablo sayfası okunamadı"));
    const unsigned char* b = mdb->pg_buf;
    const MdbFormatConstants* f = mdb->fmt;
    if (b[0] != MDB_PAGE_TABLE) hasarli(QStringLiteral("tablo tanımı bozuk"));
    const int sutun = mdb_get_int16(mdb->pg_buf, f->tab_num_cols_offset);
    const int degisken = mdb_get_int16(mdb->pg_buf, f->tab_num_cols_offset - 2);
    const auto indeks =
        static_cast<unsigned long>(mdb_get_int32(mdb->pg_buf, f->tab_num_idxs_offset));
    const auto gercek =
        static_cast<unsigned long>(mdb_get_int32(mdb->pg_buf, f->tab_num_ridxs_offset));
    if (sutun < 1 || sutun > MDB_MAX_COLS || degisken > sutun || indeks > kEnFazlaIndeks ||
        gercek > kEnFazlaIndeks)
        hasarli(QStringLiteral("tablo tanımı bozuk"));
}

// An inline usage map whose page numbers run past 2^31 sends the library's
// page walk round in circles.
void haritaDenetle(const MdbTableDef* t) {
    if (!t->usage_map || t->map_sz < 1) hasarli(QStringLiteral("kullanım haritası yok"));
    if (t->usage_map[0] == 0) {
        if (t->map_sz < 5) return;
        const quint64 ilk = static_cast<quint32>(mdb_get_int32(t->usage_map, 1));
        const quint64 bit = (static_cast<quint64>(t->map_sz) - 5) * 8;
        if (ilk + bit >= 0x7FFFFFFFull) hasarli(QStringLiteral("kullanım haritası bozuk"));
    }
}

struct TabloSilici {
    void operator()(MdbTableDef* t) const { mdb_free_tabledef(t); }
};
using TabloPtr = std::unique_ptr<MdbTableDef, TabloSilici>;

TabloPtr tabloAc(Acik& a, MdbCatalogEntry& girdi) {
    tanimDenetle(a, girdi.table_pg);
    TabloPtr t(mdb_read_table(&girdi));
    if (!t) hasarli(QStringLiteral("tablo tanımı okunamadı"));
    haritaDenetle(t.get());
    if (!mdb_read_columns(t.get()) || t->columns->len != t->num_cols)
        hasarli(QStringLiteral("sütunlar okunamadı"));
    return t;
}

MdbColumn* sutun(MdbTableDef* t, int i) {
    return static_cast<MdbColumn*>(g_ptr_array_index(t->columns, static_cast<guint>(i)));
}

// Jet 4 text: "FF FE" starts the compressed form, in which a zero byte switches
// between one byte per character and two; plain UCS-2 otherwise.
QString jet4Metin(const unsigned char* p, int n) {
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        QString s(n - 2, Qt::Uninitialized);  // never more characters than bytes
        char16_t* d = reinterpret_cast<char16_t*>(s.data());
        int k = 0;
        bool tek = true;
        for (int i = 2; i < n;) {
            if (p[i] == 0) {
                tek = !tek;
                ++i;
            } else if (tek) {
                d[k++] = p[i++];
            } else if (i + 1 < n) {
                d[k++] = static_cast<char16_t>(p[i] | (p[i + 1] << 8));
                i += 2;
            } else {
                break;
            }
        }
        s.truncate(k);
        return s;
    }
    QString s(n / 2, Qt::Uninitialized);
    char16_t* d = reinterpret_cast<char16_t*>(s.data());
    for (int i = 0; i + 1 < n; i += 2) d[i / 2] = static_cast<char16_t>(p[i] | (p[i + 1] << 8));
    return s;
}

// Text in the file's code page (Jet 3), memo and replication ids: the library's own conversion.
QByteArray kutuphaneMetni(MdbHandle* mdb, const MdbField& a, int tip) {
    char* s = mdb_col_to_string(mdb, mdb->pg_buf, a.start, tip, a.siz);
    if (!s) return QByteArray();
    QByteArray sonuc(s);
    g_free(s);
    return sonuc;
}

bool destekleniyor(int tip) {
    switch (tip) {
        case MDB_BOOL:
        case MDB_BYTE:
        case MDB_INT:
        case MDB_LONGINT:
        case MDB_MONEY:
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_DATETIME:
        case MDB_TEXT:
        case MDB_MEMO:
        case MDB_BINARY:
        case MDB_REPID:
            return true;
        default:
            return false;
    }
}

int gerekenBoy(int tip) {
    switch (tip) {
        case MDB_BYTE:
            return 1;
        case MDB_INT:
            return 2;
        case MDB_LONGINT:
        case MDB_FLOAT:
            return 4;
        case MDB_MONEY:
        case MDB_DOUBLE:
        case MDB_DATETIME:
            return 8;
        default:
            return 0;
    }
}

// What crosses from the child for one value: numbers ready, text as the
// page holds it, so that it is decoded once, in the program.
enum Ham : char { Bos, Jet4Metni, Utf8, Tam, Ondalik, JetTarihi, Ikili, Son = 0x7F };

void hamYaz(Kodlama::Yazici& y, const Acik& a, const MdbColumn* c, const MdbField& f) {
    const int tip = c->col_type;
    if (tip == MDB_BOOL) {  // Yes/No lives in the null mask
        y.u8(Tam);
        y.i64(f.is_null ? 0 : 1);
        return;
    }
    if (f.is_null || !f.value) {
        y.u8(Bos);
        return;
    }
    const auto* p = static_cast<const unsigned char*>(f.value);
    if (f.siz < gerekenBoy(tip)) hasarli(QStringLiteral("alan boyu bozuk"));
    auto ondalik = [&](double d) {
        qint64 bit;
        std::memcpy(&bit, &d, 8);
        y.u8(Ondalik);
        y.i64(bit);
    };
    switch (tip) {
        case MDB_BYTE:
            y.u8(Tam);
            y.i64(p[0]);
            break;
        case MDB_INT:
            y.u8(Tam);
            y.i64(qFromLittleEndian<qint16>(p));
            break;
        case MDB_LONGINT:
            y.u8(Tam);
            y.i64(qFromLittleEndian<qint32>(p));
            break;
        case MDB_MONEY:
            ondalik(static_cast<double>(qFromLittleEndian<qint64>(p)) / 10000.0);
            break;
        case MDB_FLOAT:
            ondalik(static_cast<double>(qFromLittleEndian<float>(p)));
            break;
        case MDB_DOUBLE:
            ondalik(qFromLittleEndian<double>(p));
            break;
        case MDB_DATETIME:
            y.u8(JetTarihi);
            y.i64(qFromLittleEndian<qint64>(p));
            break;
        case MDB_BINARY:
            y.u8(Ikili);
            y.bayt(p, f.siz);
            break;
        case MDB_TEXT:
            if (a.surum == Baslik::kJet4) {
                y.u8(Jet4Metni);
                y.bayt(p, f.siz);
                break;
            }
            [[fallthrough]];
        default: {
            const QByteArray m = kutuphaneMetni(a.mdb, f, tip);
            y.u8(Utf8);
            y.bayt(m.constData(), m.size());
        }
    }
}

QVariant hamOku(Kodlama::Okuyucu& o) {
    qsizetype n = 0;
    switch (o.u8()) {
        case Bos:
            return QVariant();
        case Tam:
            return QVariant(o.i64());
        case Ondalik: {
            const qint64 bit = o.i64();
            double d;
            std::memcpy(&d, &bit, 8);
            return QVariant(d);
        }
        case JetTarihi: {
            const qint64 bit = o.i64();
            double d;
            std::memcpy(&d, &bit, 8);
            const QDateTime an = Baslik::TarihSaat(d);
            return an.isValid() ? QVariant(an) : QVariant();
        }
        case Jet4Metni: {
            const char* p = o.bayt(n);
            return QVariant(
                jet4Metin(reinterpret_cast<const unsigned char*>(p), static_cast<int>(n)));
        }
        case Utf8: {
            const char* p = o.bayt(n);
            return QVariant(QString::fromUtf8(p, n));
        }
        case Ikili: {
            const char* p = o.bayt(n);
            return QVariant(QByteArray(p, n));
        }
        default:
            throw DbHatasi(QStringLiteral("Jet okuma sonucu bozuk."));
    }
}

QVariant deger(const Acik& a, const MdbColumn* c, const MdbField& f) {
    Kodlama::Yazici y;
    hamYaz(y, a, c, f);
    Kodlama::Okuyucu o{y.b};
    return hamOku(o);
}

// Walks the rows of an open table; the library skips deleted rows, and the
// row is taken apart again here for its null mask, which the library's own
// values do not show (NULL and '' both come back as empty text).
qint64 satirlariGez(Acik& a, MdbTableDef* t, const std::function<void(const MdbField*)>& satir) {
    std::vector<MdbField> alanlar(t->num_cols);
    qint64 sayi = 0;
    mdb_rewind_table(t);
    while (mdb_fetch_row(t)) {
        int bas = 0;
        size_t boy = 0;
        if (mdb_find_row(a.mdb, static_cast<int>(t->cur_row) - 1, &bas, &boy) != 0) continue;
        bas &= kOfsetMaskesi;
        if (boy == 0 || mdb_crack_row(t, bas, boy, alanlar.data()) < 0) continue;
        satir(alanlar.data());
        ++sayi;
    }
    return sayi;
}

struct KatalogGirdisi {
    QString ad;
    unsigned long sayfa;
    int tur;
    quint32 bayraklar;
};

// MSysObjects at page 2, read column by column; the library's own catalogue
// reader also parses every object's property blob, which a file may damage.
QList<KatalogGirdisi> katalog(Acik& a) {
    MdbCatalogEntry sistem;
    std::memset(&sistem, 0, sizeof sistem);
    sistem.mdb = a.mdb;
    sistem.object_type = MDB_TABLE;
    sistem.table_pg = 2;
    std::strcpy(sistem.object_name, "MSysObjects");
    TabloPtr t = tabloAc(a, sistem);
    int id = -1, ad = -1, tur = -1, bayrak = -1;
    for (int i = 0; i < static_cast<int>(t->num_cols); ++i) {
        const QString n = QString::fromUtf8(sutun(t.get(), i)->name);
        if (n.compare(QLatin1String("Id"), Qt::CaseInsensitive) == 0) id = i;
        if (n.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0) ad = i;
        if (n.compare(QLatin1String("Type"), Qt::CaseInsensitive) == 0) tur = i;
        if (n.compare(QLatin1String("Flags"), Qt::CaseInsensitive) == 0) bayrak = i;
    }
    if (id < 0 || ad < 0 || tur < 0 || bayrak < 0) hasarli(QStringLiteral("katalog bozuk"));
    QList<KatalogGirdisi> girdiler;
    satirlariGez(a, t.get(), [&](const MdbField* f) {
        const QVariant vId = deger(a, sutun(t.get(), id), f[id]);
        const QVariant vAd = deger(a, sutun(t.get(), ad), f[ad]);
        const QVariant vTur = deger(a, sutun(t.get(), tur), f[tur]);
        const QVariant vBayrak = deger(a, sutun(t.get(), bayrak), f[bayrak]);
        girdiler.append({vAd.toString(), static_cast<unsigned long>(vId.toLongLong() & 0xFFFFFF),
                         static_cast<int>(vTur.toLongLong() & 0x7F),
                         static_cast<quint32>(vBayrak.toLongLong())});
    });
    return girdiler;
}

bool kullaniciTablosu(const KatalogGirdisi& g) {
    return g.tur == MDB_TABLE && (g.bayraklar & 0x80000002u) == 0;
}

// An open table and the catalogue entry it keeps pointing at.
struct AcikTablo {
    std::unique_ptr<MdbCatalogEntry> girdi;
    TabloPtr t;
    QStringList adlar;
};

// The named table (without regard to case) opened, with its column names.
AcikTablo tabloBul(Acik& a, const QString& tablo) {
    const QList<KatalogGirdisi> girdiler = katalog(a);
    const KatalogGirdisi* bulunan = nullptr;
    for (const KatalogGirdisi& g : girdiler)
        if (g.tur == MDB_TABLE && g.ad.compare(tablo, Qt::CaseInsensitive) == 0) {
            bulunan = &g;
            break;
        }
    if (!bulunan) throw DbHatasi(QStringLiteral("Tablo bulunamadı: %1").arg(tablo));

    AcikTablo sonuc;
    sonuc.girdi = std::make_unique<MdbCatalogEntry>();
    MdbCatalogEntry& girdi = *sonuc.girdi;
    std::memset(&girdi, 0, sizeof girdi);
    girdi.mdb = a.mdb;
    girdi.object_type = MDB_TABLE;
    girdi.table_pg = bulunan->sayfa;
    qstrncpy(girdi.object_name, bulunan->ad.toUtf8().constData(), sizeof girdi.object_name);
    sonuc.t = tabloAc(a, girdi);
    for (int i = 0; i < static_cast<int>(sonuc.t->num_cols); ++i)
        sonuc.adlar.append(QString::fromUtf8(sutun(sonuc.t.get(), i)->name));
    return sonuc;
}

}  // namespace

QStringList Tablolar(const Kaynak& kaynak) {
    Acik a;
    ac(a, kaynak);
    QStringList adlar;
    for (const KatalogGirdisi& g : katalog(a))
        if (kullaniciTablosu(g)) adlar.append(g.ad);
    return adlar;
}

QStringList Sutunlar(const Kaynak& kaynak, const QString& tablo) {
    Acik a;
    ac(a, kaynak);
    return tabloBul(a, tablo).adlar;
}

QByteArray TabloHam(const Kaynak& kaynak, const QString& tablo, const QStringList& sutunlar) {
    Acik a;
    ac(a, kaynak);
    const AcikTablo acik = tabloBul(a, tablo);
    const QStringList& adlar = acik.adlar;
    MdbTableDef* t = acik.t.get();
    QList<int> secilen;
    if (sutunlar.isEmpty()) {
        for (int i = 0; i < adlar.size(); ++i) secilen.append(i);
    } else {
        for (const QString& s : sutunlar) {
            int bul = -1;
            for (int i = 0; i < adlar.size() && bul < 0; ++i)
                if (adlar[i].compare(s, Qt::CaseInsensitive) == 0) bul = i;
            if (bul < 0) throw DbHatasi(QStringLiteral("Sütun bulunamadı: %1.%2").arg(tablo, s));
            secilen.append(bul);
        }
    }
    Kodlama::Yazici y;
    y.u32(static_cast<quint32>(secilen.size()));
    for (int i : secilen) {
        if (!destekleniyor(sutun(t, i)->col_type))
            throw DbHatasi(QStringLiteral("Sütun türü okunamıyor: %1.%2").arg(tablo, adlar[i]));
        y.metin(adlar[i]);
    }
    // The row count comes from the file: room for it, but never more than
    // the file itself could fill.
    const qint64 tahmin = static_cast<qint64>(t->num_rows) * secilen.size() * 16;
    y.b.reserve(y.b.size() +
                static_cast<qsizetype>(qMin(tahmin, a.sayfaSayisi * a.mdb->fmt->pg_size * 2)));
    const qint64 okunan = satirlariGez(a, t, [&](const MdbField* f) {
        for (int i : secilen) hamYaz(y, a, sutun(t, i), f[i]);
    });
    // Rows the definition counts but the pages no longer hold: a cut or
    // damaged file, which must not pass for a complete one.
    if (okunan < static_cast<qint64>(t->num_rows)) hasarli(QStringLiteral("satırlar eksik"));
    y.u8(Son);  // the row count closes the record, so a record cut short shows
    y.i64(okunan);
    return y.b;
}

Tablo HamCoz(const QByteArray& ham) {
    Kodlama::Okuyucu o{ham};
    Tablo t;
    const quint32 sutun = o.u32();
    o.gerek(static_cast<qint64>(sutun) * 4);
    for (quint32 i = 0; i < sutun; ++i) t.sutunlar.append(o.metin());
    // The closing row count, read ahead only to size the list.
    if (ham.size() >= o.yer + 9 && ham[ham.size() - 9] == Son)
        t.satirlar.reserve(
            qBound<qint64>(0, qFromLittleEndian<qint64>(ham.constData() + ham.size() - 8),
                           ham.size() / qMax<quint32>(sutun, 1)));
    for (;;) {
        o.gerek(1);
        if (ham[o.yer] == Son) break;
        if (sutun == 0) throw DbHatasi(QStringLiteral("Jet okuma sonucu bozuk."));
        QVariantList satir;
        satir.reserve(sutun);
        for (quint32 i = 0; i < sutun; ++i) satir.append(hamOku(o));
        t.satirlar.append(std::move(satir));
    }
    o.u8();
    if (o.i64() != t.satirlar.size() || o.yer != ham.size())
        throw DbHatasi(QStringLiteral("Jet okuma sonucu bozuk."));
    return t;
}

Tablo TabloOku(const Kaynak& kaynak, const QString& tablo, const QStringList& sutunlar) {
    return HamCoz(TabloHam(kaynak, tablo, sutunlar));
}

}  // namespace Jet::Dogrudan
