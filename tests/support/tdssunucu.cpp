#include "tdssunucu.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "tdsjeton.h"

namespace {

// Packet types of the protocol.
constexpr quint8 kToplu = 0x01;        // SQL batch
constexpr quint8 kYanitPaketi = 0x04;  // tabular result
constexpr quint8 kIptal = 0x06;        // attention
constexpr quint8 kGiris7 = 0x10;       // LOGIN7
constexpr quint8 kOnGiris = 0x12;      // PRELOGIN

void u8(QByteArray& b, quint8 v) {
    b.append(char(v));
}
void u16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

}  // namespace

struct TdsSunucu::Ic {
    int dinleyici = -1;
    std::atomic<int> udp{-1};
    int uyandir[2] = {-1, -1};
    quint16 port = 0;
    QString ornek;
    std::atomic<bool> dur{false};
    std::atomic<bool> reddet{false};
    std::atomic<bool> sessiz{false};
    std::atomic<bool> sorguyaSessiz{false};
    mutable std::mutex kilit;
    Yanitlayici yanitlayici;
    QStringList sorgular;
    QList<Giris> girisler;
    std::vector<int> baglantilar;
    std::vector<std::thread> isciler;
    std::thread kabulcu;

    void kabulEt();
    void udpYanitla();
    void hizmet(int fd);
};

namespace {

bool hepsiniOku(int fd, char* p, size_t n) {
    while (n > 0) {
        const ssize_t r = ::recv(fd, p, n, 0);
        if (r <= 0) return false;
        p += r;
        n -= size_t(r);
    }
    return true;
}

bool hepsiniYaz(int fd, const char* p, size_t n) {
    while (n > 0) {
        const ssize_t r = ::send(fd, p, n, MSG_NOSIGNAL);
        if (r <= 0) return false;
        p += r;
        n -= size_t(r);
    }
    return true;
}

// Reads one message, which may span several packets; false when the client is gone.
bool mesajOku(int fd, quint8& tur, QByteArray& govde) {
    govde.clear();
    for (;;) {
        char baslik[8];
        if (!hepsiniOku(fd, baslik, 8)) return false;
        tur = quint8(baslik[0]);
        const quint8 durum = quint8(baslik[1]);
        const quint16 boy = quint16(quint8(baslik[2])) << 8 | quint8(baslik[3]);
        if (boy < 8) return false;
        const qsizetype eski = govde.size();
        govde.resize(eski + boy - 8);
        if (!hepsiniOku(fd, govde.data() + eski, boy - 8u)) return false;
        if (durum & 0x01) return true;
    }
}

bool mesajYaz(int fd, quint8 tur, const QByteArray& govde, quint32 paketBoyu) {
    const qsizetype parca = qsizetype(paketBoyu) - 8;
    qsizetype bas = 0;
    quint8 no = 1;
    QByteArray paket;
    do {
        const qsizetype n = qMin(parca, govde.size() - bas);
        const bool son = bas + n >= govde.size();
        paket.resize(0);
        u8(paket, tur);
        u8(paket, son ? 0x01 : 0x00);
        paket.append(char(((n + 8) >> 8) & 0xFF));
        paket.append(char((n + 8) & 0xFF));
        u16(paket, 0);  // SPID
        u8(paket, no++);
        u8(paket, 0);
        paket.append(govde.constData() + bas, n);
        if (!hepsiniYaz(fd, paket.constData(), size_t(paket.size()))) return false;
        bas += n;
    } while (bas < govde.size());
    return true;
}

}  // namespace

void TdsSunucu::Ic::hizmet(int fd) {
    quint32 surum = 0x74000004;
    quint32 paketBoyu = 4096;
    quint8 tur = 0;
    QByteArray govde;
    while (!dur && mesajOku(fd, tur, govde)) {
        if (sessiz) continue;  // read and say nothing, like a server that hangs
        switch (tur) {
            case kOnGiris:
                if (!mesajYaz(fd, kYanitPaketi, TdsJeton::OnGirisYaniti(), paketBoyu)) return;
                break;
            case kGiris7: {
                Giris giris = TdsJeton::GirisCoz(govde);
                surum = qBound<quint32>(0x71000001, giris.tdsSurumu, 0x74000004);
                if (giris.paketBoyu >= 512 && giris.paketBoyu <= 32767) paketBoyu = giris.paketBoyu;
                {
                    std::lock_guard<std::mutex> k(kilit);
                    girisler << giris;
                }
                const QByteArray yanit =
                    reddet ? TdsJeton::Hata(
                                 18456,
                                 QStringLiteral("Login failed for user '%1'.").arg(giris.kullanici),
                                 14, surum)
                           : TdsJeton::GirisOnayi(giris, surum, paketBoyu);
                if (!mesajYaz(fd, kYanitPaketi, yanit, paketBoyu)) return;
                break;
            }
            case kToplu: {
                const QString sql = TdsJeton::TopluMetni(govde, surum);
                Yanitlayici y;
                {
                    std::lock_guard<std::mutex> k(kilit);
                    sorgular << sql;
                    y = yanitlayici;
                }
                if (sorguyaSessiz) break;  // busy for good; an attention is still answered
                const Yanit yanit = y ? y(sql) : Yanit::Bos();
                if (!mesajYaz(fd, kYanitPaketi, Kodla(yanit, surum), paketBoyu)) return;
                break;
            }
            case kIptal:
                if (!mesajYaz(fd, kYanitPaketi, TdsJeton::Iptal(surum), paketBoyu)) return;
                break;
            default:
                if (!mesajYaz(
                        fd, kYanitPaketi,
                        TdsJeton::Hata(50000, QStringLiteral("Unsupported request"), 16, surum),
                        paketBoyu))
                    return;
        }
    }
}

void TdsSunucu::Ic::udpYanitla() {
    char istek[512];
    sockaddr_in kimden{};
    socklen_t boy = sizeof(kimden);
    const ssize_t n =
        ::recvfrom(udp, istek, sizeof(istek), 0, reinterpret_cast<sockaddr*>(&kimden), &boy);
    if (n < 1) return;
    QString sorulan;
    if (istek[0] == 0x04)
        sorulan = QString::fromLatin1(istek + 1, qstrnlen(istek + 1, size_t(n - 1)));
    else if (istek[0] != 0x02 && istek[0] != 0x03)
        return;
    if (!sorulan.isEmpty() && sorulan.compare(ornek, Qt::CaseInsensitive) != 0) return;
    const QByteArray veri = QStringLiteral(
                                "ServerName;KOVITEST;InstanceName;%1;IsClustered;No;"
                                "Version;15.0.2000.5;tcp;%2;;")
                                .arg(ornek)
                                .arg(port)
                                .toLatin1();
    QByteArray b;
    u8(b, 0x05);
    u16(b, quint16(veri.size()));
    b.append(veri);
    ::sendto(udp, b.constData(), size_t(b.size()), 0, reinterpret_cast<sockaddr*>(&kimden), boy);
}

void TdsSunucu::Ic::kabulEt() {
    while (!dur) {
        const int u = udp.load(std::memory_order_acquire);
        pollfd fds[3] = {{dinleyici, POLLIN, 0}, {uyandir[0], POLLIN, 0}, {u, POLLIN, 0}};
        const int adet = u >= 0 ? 3 : 2;
        if (::poll(fds, nfds_t(adet), -1) < 0) continue;
        if (dur) break;
        if (adet == 3 && (fds[2].revents & POLLIN)) udpYanitla();
        if (fds[1].revents & POLLIN) {
            char c;
            (void)!::read(uyandir[0], &c, 1);
        }
        if (!(fds[0].revents & POLLIN)) continue;
        const int fd = ::accept(dinleyici, nullptr, nullptr);
        if (fd < 0) continue;
        const int bir = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &bir, sizeof(bir));
        std::lock_guard<std::mutex> k(kilit);
        baglantilar.push_back(fd);
        isciler.emplace_back([this, fd] { hizmet(fd); });
    }
}

TdsSunucu::TdsSunucu() : ic_(std::make_unique<Ic>()) {
    if (::pipe(ic_->uyandir) != 0) return;
    ic_->dinleyici = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    adres.sin_port = 0;
    if (::bind(ic_->dinleyici, reinterpret_cast<sockaddr*>(&adres), sizeof(adres)) != 0 ||
        ::listen(ic_->dinleyici, 16) != 0)
        return;
    socklen_t boy = sizeof(adres);
    ::getsockname(ic_->dinleyici, reinterpret_cast<sockaddr*>(&adres), &boy);
    ic_->port = ntohs(adres.sin_port);
    ic_->kabulcu = std::thread([this] { ic_->kabulEt(); });
}

TdsSunucu::~TdsSunucu() {
    ic_->dur = true;
    if (ic_->uyandir[1] >= 0) (void)!::write(ic_->uyandir[1], "x", 1);
    if (ic_->kabulcu.joinable()) ic_->kabulcu.join();
    {
        std::lock_guard<std::mutex> k(ic_->kilit);
        for (int fd : ic_->baglantilar) ::shutdown(fd, SHUT_RDWR);
    }
    for (std::thread& t : ic_->isciler) t.join();
    for (int fd : ic_->baglantilar) ::close(fd);
    for (int fd : {ic_->dinleyici, ic_->udp.load(), ic_->uyandir[0], ic_->uyandir[1]})
        if (fd >= 0) ::close(fd);
}

quint16 TdsSunucu::port() const {
    return ic_->port;
}

void TdsSunucu::setYanitlayici(Yanitlayici y) {
    std::lock_guard<std::mutex> k(ic_->kilit);
    ic_->yanitlayici = std::move(y);
}

void TdsSunucu::setGirisReddet(bool reddet) {
    ic_->reddet = reddet;
}

void TdsSunucu::setSorguyaSessiz(bool sessiz) {
    ic_->sorguyaSessiz = sessiz;
}

void TdsSunucu::setSessiz(bool sessiz) {
    ic_->sessiz = sessiz;
}

bool TdsSunucu::ornekAdiDinle(const QString& ornek) {
    // Only before the accepting thread looks at the UDP socket.
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    adres.sin_port = htons(1434);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&adres), sizeof(adres)) != 0) {
        ::close(fd);
        return false;
    }
    ic_->ornek = ornek;
    ic_->udp.store(fd, std::memory_order_release);
    (void)!::write(ic_->uyandir[1], "x", 1);  // let the poll pick up the new socket
    return true;
}

int TdsSunucu::baglantiSayisi() const {
    std::lock_guard<std::mutex> k(ic_->kilit);
    return int(ic_->baglantilar.size());
}

QStringList TdsSunucu::sorgular() const {
    std::lock_guard<std::mutex> k(ic_->kilit);
    return ic_->sorgular;
}

QList<TdsSunucu::Giris> TdsSunucu::girisler() const {
    std::lock_guard<std::mutex> k(ic_->kilit);
    return ic_->girisler;
}

QList<TdsSunucu::Sutun> LogoCariSutunlari() {
    using S = TdsSunucu::Sutun;
    // Sizes as the ERP declares its card columns.
    return {{QStringLiteral("Carisira"), S::Int, 0},
            {QStringLiteral("CariKod"), S::NVarchar, 101},
            {QStringLiteral("Unvan"), S::NVarchar, 201},
            {QStringLiteral("Adres1"), S::NVarchar, 201},
            {QStringLiteral("Adres2"), S::NVarchar, 201},
            {QStringLiteral("Adres3"), S::NVarchar, 21},
            {QStringLiteral("Telefon1"), S::NVarchar, 51},
            {QStringLiteral("Telefon2"), S::NVarchar, 51},
            {QStringLiteral("Faks"), S::NVarchar, 51},
            {QStringLiteral("VergiNo"), S::NVarchar, 16},
            {QStringLiteral("VergiDa"), S::NVarchar, 31}};
}
