#include "jetyalitim.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <cerrno>
#include <cstring>

#include "dbhatasi.h"
#include "jetkodlama.h"

namespace Jet::Yalitim {

namespace {

constexpr char kTamam = 'T';
constexpr char kHata = 'H';
constexpr rlim_t kEkBellek = rlim_t(2) << 30;  // on top of what the program holds already

void hepsiniYaz(int fd, const QByteArray& b) {
    qsizetype yazilan = 0;
    while (yazilan < b.size()) {
        const ssize_t n =
            ::write(fd, b.constData() + yazilan, static_cast<size_t>(b.size() - yazilan));
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
    const rlim_t bellek =
        static_cast<rlim_t>(sayfa) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + kEkBellek;
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
    char durum = kTamam;
    QByteArray sonuc;
    try {
        sonuc = is();
    } catch (const DbHatasi& h) {
        durum = kHata;
        sonuc = h.mesaj().toUtf8();
    } catch (...) {
        durum = kHata;
        sonuc = QByteArrayLiteral("Jet dosyası okunamadı (bellek yetmedi).");
    }
    hepsiniYaz(fd, QByteArray(1, durum));
    hepsiniYaz(fd, sonuc);
    ::_exit(0);
}

}  // namespace

// The result goes through an in-memory file, which the parent reads in one
// go once the child has gone; a pipe moved tens of megabytes several times
// slower. The pipe only tells when the child is gone: its end closes then.
QByteArray Calistir(const std::function<QByteArray()>& is, int saniye) {
    const int bellek = ::memfd_create("kovimaro-jet", MFD_CLOEXEC);
    if (bellek < 0) throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (süreç açılamadı)."));
    int boru[2];
    if (::pipe2(boru, O_CLOEXEC) != 0) {
        ::close(bellek);
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (süreç açılamadı)."));
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(bellek);
        ::close(boru[0]);
        ::close(boru[1]);
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (süreç açılamadı)."));
    }
    if (pid == 0) {
        ::close(boru[0]);
        cocuk(bellek, is, saniye);
    }
    ::close(boru[1]);

    QElapsedTimer sure;
    sure.start();
    const qint64 sinir = static_cast<qint64>(saniye) * 1000;
    bool zamanAsimi = false;
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
        char c;
        const ssize_t n = ::read(boru[0], &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
    }
    ::close(boru[0]);
    if (zamanAsimi) ::kill(pid, SIGKILL);
    int durum = 0;
    while (::waitpid(pid, &durum, 0) < 0 && errno == EINTR) {
    }
    // First byte: how the work ended; then its result or its message.
    char sonDurum = 0;
    QByteArray gelen;
    struct stat st {};
    if (!zamanAsimi && ::fstat(bellek, &st) == 0 && st.st_size > 0 &&
        ::pread(bellek, &sonDurum, 1, 0) == 1) {
        gelen.resize(static_cast<qsizetype>(st.st_size - 1));
        qsizetype okunan = 0;
        while (okunan < gelen.size()) {
            const ssize_t n = ::pread(bellek, gelen.data() + okunan,
                                      static_cast<size_t>(gelen.size() - okunan), okunan + 1);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            okunan += n;
        }
        if (okunan != gelen.size()) sonDurum = 0;
    }
    ::close(bellek);
    if (zamanAsimi) throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (okuma çok uzun sürdü)."));
    if (!WIFEXITED(durum) || WEXITSTATUS(durum) != 0 || (sonDurum != kTamam && sonDurum != kHata))
        throw DbHatasi(QStringLiteral("Jet dosyası okunamadı (dosya hasarlı)."));
    if (sonDurum == kHata) throw DbHatasi(QString::fromUtf8(gelen));
    return gelen;
}

QByteArray Kodla(const QStringList& liste) {
    Kodlama::Yazici y;
    y.u32(static_cast<quint32>(liste.size()));
    for (const QString& s : liste) y.metin(s);
    return y.b;
}

QStringList ListeCoz(const QByteArray& veri) {
    Kodlama::Okuyucu o{veri};
    QStringList liste;
    const quint32 n = o.u32();
    o.gerek(static_cast<qint64>(n) * 4);
    for (quint32 i = 0; i < n; ++i) liste.append(o.metin());
    if (o.yer != veri.size()) throw DbHatasi(QStringLiteral("Jet okuma sonucu bozuk."));
    return liste;
}

}  // namespace Jet::Yalitim
