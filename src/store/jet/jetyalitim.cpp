#include "jetyalitim.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <cstring>

#include "dbhatasi.h"

namespace Jet::Yalitim {

namespace {

constexpr char kTamam = 'T';
constexpr char kHata = 'H';
constexpr rlim_t kEkBellek = rlim_t(2) << 30;  // on top of what the program holds already

enum Etiket : char { Bos, Metin, Tam, Ondalik, TarihSaat, Bayt };

// Plain fixed-width little-endian records: far cheaper than a generic stream
// for hundreds of thousands of values.
struct Yazici {
    QByteArray b;
    void u8(char c) { b.append(c); }
    void i64(qint64 d) {
        char t[8];
        qToLittleEndian<qint64>(d, t);
        b.append(t, 8);
    }
    void metin(const QString& s) {
        i64(s.size());
        b.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
    }
};

struct Okuyucu {
    const QByteArray& b;
    qsizetype yer = 0;
    void gerek(qsizetype n) const {
        if (n < 0 || yer + n > b.size()) throw DbHatasi(QStringLiteral("Jet okuma sonucu eksik."));
    }
    char u8() {
        gerek(1);
        return b[yer++];
    }
    qint64 i64() {
        gerek(8);
        const qint64 d = qFromLittleEndian<qint64>(b.constData() + yer);
        yer += 8;
        return d;
    }
    QString metin() {
        const qint64 n = i64();
        gerek(n * 2);
        QString s(reinterpret_cast<const QChar*>(b.constData() + yer), n);
        yer += n * 2;
        return s;
    }
};

void hepsiniYaz(int fd, const QByteArray& b) {
    qsizetype yazilan = 0;
    while (yazilan < b.size()) {
        const ssize_t n = ::write(fd, b.constData() + yazilan, static_cast<size_t>(b.size() - yazilan));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        yazilan += n;
    }
}

// The child holds a copy of the program's address space already; it may
// take a bounded amount more.
void sinirla(int saniye) {
    long sayfa = 0;
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (statm.open(QIODevice::ReadOnly)) sayfa = statm.readLine().split(' ').value(0).toLong();
    const rlim_t bellek = static_cast<rlim_t>(sayfa) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + kEkBellek;
    const rlimit as{bellek, bellek};
    ::setrlimit(RLIMIT_AS, &as);
    const rlimit cpu{static_cast<rlim_t>(saniye), static_cast<rlim_t>(saniye)};
    ::setrlimit(RLIMIT_CPU, &cpu);
}

[[noreturn]] void cocuk(int fd, const std::function<QByteArray()>& is, int saniye) {
    // The library reports damage on stderr; the caller gets our own message instead.
    const int bos = ::open("/dev/null", O_WRONLY);
    if (bos >= 0) ::dup2(bos, STDERR_FILENO);
    sinirla(saniye);
    QByteArray sonuc;
    try {
        sonuc = is();
        sonuc.prepend(kTamam);
    } catch (const DbHatasi& h) {
        sonuc = h.mesaj().toUtf8();
        sonuc.prepend(kHata);
    } catch (...) {
        sonuc = QByteArrayLiteral("Jet dosyası okunamadı (bellek yetmedi).");
        sonuc.prepend(kHata);
    }
    hepsiniYaz(fd, sonuc);
    ::_exit(0);
}

}  // namespace

QByteArray Calistir(const std::function<QByteArray()>& is, int saniye) {
    int boru[2];
    if (::pipe2(boru, O_CLOEXEC) != 0)
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (süreç açılamadı)."));
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(boru[0]);
        ::close(boru[1]);
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (süreç açılamadı)."));
    }
    if (pid == 0) {
        ::close(boru[0]);
        cocuk(boru[1], is, saniye);
    }
    ::close(boru[1]);

    QByteArray gelen;
    QElapsedTimer sure;
    sure.start();
    const qint64 sinir = static_cast<qint64>(saniye) * 1000;
    bool zamanAsimi = false;
    char parca[65536];
    for (;;) {
        const qint64 kalan = sinir - sure.elapsed();
        if (kalan <= 0) {
            zamanAsimi = true;
            break;
        }
        pollfd p{boru[0], POLLIN, 0};
        const int r = ::poll(&p, 1, static_cast<int>(kalan));
        if (r < 0 && errno == EINTR) continue;
        if (r == 0) {
            zamanAsimi = true;
            break;
        }
        const ssize_t n = ::read(boru[0], parca, sizeof parca);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        gelen.append(parca, n);
    }
    ::close(boru[0]);
    if (zamanAsimi) ::kill(pid, SIGKILL);
    int durum = 0;
    while (::waitpid(pid, &durum, 0) < 0 && errno == EINTR) {
    }
    if (zamanAsimi)
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (okuma çok uzun sürdü)."));
    if (!WIFEXITED(durum) || WEXITSTATUS(durum) != 0 || gelen.isEmpty())
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (dosya hasarlı)."));
    if (gelen[0] == kHata) throw DbHatasi(QString::fromUtf8(gelen.mid(1)));
    if (gelen[0] != kTamam) throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (dosya hasarlı)."));
    return gelen.mid(1);
}

QByteArray Kodla(const Tablo& tablo) {
    Yazici y;
    y.i64(tablo.sutunlar.size());
    for (const QString& s : tablo.sutunlar) y.metin(s);
    y.i64(tablo.satirlar.size());
    for (const QVariantList& satir : tablo.satirlar) {
        for (const QVariant& v : satir) {
            switch (v.typeId()) {
            case QMetaType::QString:
                y.u8(Metin);
                y.metin(v.toString());
                break;
            case QMetaType::LongLong:
                y.u8(Tam);
                y.i64(v.toLongLong());
                break;
            case QMetaType::Double: {
                y.u8(Ondalik);
                const double d = v.toDouble();
                qint64 bit;
                std::memcpy(&bit, &d, 8);
                y.i64(bit);
                break;
            }
            case QMetaType::QDateTime: {
                const QDateTime an = v.toDateTime();
                y.u8(TarihSaat);
                y.i64(an.date().toJulianDay());
                y.i64(an.time().msecsSinceStartOfDay());
                break;
            }
            case QMetaType::QByteArray: {
                const QByteArray b = v.toByteArray();
                y.u8(Bayt);
                y.i64(b.size());
                y.b.append(b);
                break;
            }
            default:
                y.u8(Bos);
            }
        }
    }
    return y.b;
}

Tablo TabloCoz(const QByteArray& veri) {
    Okuyucu o{veri};
    Tablo t;
    const qint64 sutun = o.i64();
    o.gerek(sutun * 8);
    for (qint64 i = 0; i < sutun; ++i) t.sutunlar.append(o.metin());
    const qint64 satir = o.i64();
    o.gerek(satir * sutun);
    t.satirlar.reserve(satir);
    for (qint64 r = 0; r < satir; ++r) {
        QVariantList s;
        s.reserve(sutun);
        for (qint64 i = 0; i < sutun; ++i) {
            switch (o.u8()) {
            case Metin: s.append(o.metin()); break;
            case Tam: s.append(o.i64()); break;
            case Ondalik: {
                const qint64 bit = o.i64();
                double d;
                std::memcpy(&d, &bit, 8);
                s.append(d);
                break;
            }
            case TarihSaat: {
                const QDate gun = QDate::fromJulianDay(o.i64());
                const QTime saat = QTime::fromMSecsSinceStartOfDay(static_cast<int>(o.i64()));
                s.append(QDateTime(gun, saat, Qt::UTC));
                break;
            }
            case Bayt: {
                const qint64 n = o.i64();
                o.gerek(n);
                s.append(veri.mid(o.yer, n));
                o.yer += n;
                break;
            }
            default: s.append(QVariant());
            }
        }
        t.satirlar.append(std::move(s));
    }
    return t;
}

QByteArray Kodla(const QStringList& liste) {
    Yazici y;
    y.i64(liste.size());
    for (const QString& s : liste) y.metin(s);
    return y.b;
}

QStringList ListeCoz(const QByteArray& veri) {
    Okuyucu o{veri};
    QStringList liste;
    const qint64 n = o.i64();
    o.gerek(n * 8);
    for (qint64 i = 0; i < n; ++i) liste.append(o.metin());
    return liste;
}

}  // namespace Jet::Yalitim
