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

namespace {

// Packet types of the protocol.
constexpr quint8 kToplu = 0x01;      // SQL batch
constexpr quint8 kYanitPaketi = 0x04;  // tabular result
constexpr quint8 kIptal = 0x06;      // attention
constexpr quint8 kGiris7 = 0x10;     // LOGIN7
constexpr quint8 kOnGiris = 0x12;    // PRELOGIN

// Tokens.
constexpr quint8 kSutunBilgisi = 0x81;  // COLMETADATA
constexpr quint8 kHataJetonu = 0xAA;
constexpr quint8 kGirisOnayi = 0xAD;    // LOGINACK
constexpr quint8 kSatir = 0xD1;
constexpr quint8 kOrtam = 0xE3;         // ENVCHANGE
constexpr quint8 kBitti = 0xFD;         // DONE

constexpr quint16 kBittiHata = 0x0002;
constexpr quint16 kBittiSayi = 0x0010;
constexpr quint16 kBittiIptal = 0x0020;

// Turkish_CI_AS: LCID 0x041F, case-insensitive, kana- and width-insensitive.
const char kHarmanlama[5] = {'\x1F', '\x04', '\xD0', '\x00', '\x00'};

void u8(QByteArray& b, quint8 v) { b.append(char(v)); }
void u16(QByteArray& b, quint16 v) {
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}
void u32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void u64(QByteArray& b, quint64 v) {
    for (int i = 0; i < 8; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}
void ucs2(QByteArray& b, const QString& s) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "UCS-2 goes out little-endian as it is in memory");
    b.append(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}
void bVarchar(QByteArray& b, const QString& s) {  // length in characters, one byte
    u8(b, quint8(s.size()));
    ucs2(b, s);
}
void usVarchar(QByteArray& b, const QString& s) {  // length in characters, two bytes
    u16(b, quint16(s.size()));
    ucs2(b, s);
}

quint16 oku16(const QByteArray& b, qsizetype i) {
    return quint16(quint8(b[i])) | quint16(quint8(b[i + 1])) << 8;
}
quint32 oku32(const QByteArray& b, qsizetype i) {
    return quint32(oku16(b, i)) | quint32(oku16(b, i + 2)) << 16;
}

QString ucs2Oku(const QByteArray& b, qsizetype bas, qsizetype karakter) {
    if (bas < 0 || karakter < 0 || bas + 2 * karakter > b.size()) return QString();
    QString s;
    s.reserve(karakter);
    for (qsizetype i = 0; i < karakter; ++i) s.append(QChar(oku16(b, bas + 2 * i)));
    return s;
}

// Code page 1254 differs from Latin-1 in the Turkish letters the tests use.
QByteArray cp1254(const QString& s) {
    QByteArray b;
    for (QChar c : s) {
        switch (c.unicode()) {
            case 0x011E: b.append('\xD0'); break;  // Ğ
            case 0x011F: b.append('\xF0'); break;  // ğ
            case 0x0130: b.append('\xDD'); break;  // İ
            case 0x0131: b.append('\xFD'); break;  // ı
            case 0x015E: b.append('\xDE'); break;  // Ş
            case 0x015F: b.append('\xFE'); break;  // ş
            default: b.append(c.unicode() < 0x100 ? char(c.unicode()) : '?');
        }
    }
    return b;
}

bool yeni(quint32 surum) { return (surum >> 24) >= 0x72; }  // 7.2 and later

void bitti(QByteArray& b, quint16 durum, quint64 sayi, quint32 surum) {
    u8(b, kBitti);
    u16(b, durum);
    u16(b, 0xC1);  // SELECT
    if (yeni(surum))
        u64(b, sayi);
    else
        u32(b, quint32(sayi));
}

void hataJetonu(QByteArray& b, int no, const QString& metin, quint8 sinif, quint32 surum) {
    QByteArray g;
    u32(g, quint32(no));
    u8(g, 1);  // state
    u8(g, sinif);
    usVarchar(g, metin);
    bVarchar(g, QStringLiteral("KOVITEST"));
    bVarchar(g, QString());
    if (yeni(surum))
        u32(g, 1);
    else
        u16(g, 1);
    u8(b, kHataJetonu);
    u16(b, quint16(g.size()));
    b.append(g);
}

void ortam(QByteArray& b, quint8 tur, const QString& yeniDeger, const QString& eski) {
    QByteArray g;
    u8(g, tur);
    bVarchar(g, yeniDeger);
    bVarchar(g, eski);
    u8(b, kOrtam);
    u16(b, quint16(g.size()));
    b.append(g);
}

}  // namespace

TdsSunucu::Yanit TdsSunucu::Yanit::Hata(int no, const QString& metin) {
    Yanit y;
    y.hataNo = no;
    y.hataMetni = metin;
    return y;
}

TdsSunucu::Yanit TdsSunucu::Yanit::Sonuc(const QList<Sutun>& sutunlar,
                                         const QList<QVariantList>& satirlar) {
    Yanit y;
    y.sutunlar = sutunlar;
    y.satirlar = satirlar;
    y.sonucVar = true;
    return y;
}

TdsSunucu::Yanit TdsSunucu::Yanit::Bos() { return Yanit(); }

TdsSunucu::Yanit TdsSunucu::Yanit::Hazir(const QByteArray& kodlanmis) {
    Yanit y;
    y.hazir = kodlanmis;
    return y;
}

QByteArray TdsSunucu::Kodla(const Yanit& y, quint32 surum) {
    if (!y.hazir.isEmpty()) return y.hazir;
    QByteArray b;
    b.reserve(64 + y.satirlar.size() * (1 + y.sutunlar.size() * 24));
    if (y.hataNo != 0) {
        hataJetonu(b, y.hataNo, y.hataMetni, 16, surum);
        bitti(b, kBittiHata, 0, surum);
        return b;
    }
    if (!y.sonucVar) {
        bitti(b, 0, 0, surum);
        return b;
    }
    u8(b, kSutunBilgisi);
    u16(b, quint16(y.sutunlar.size()));
    for (const Sutun& s : y.sutunlar) {
        if (yeni(surum))
            u32(b, 0);  // user type
        else
            u16(b, 0);
        u16(b, 0x0001);  // nullable
        switch (s.tur) {
            case Sutun::Int:
                u8(b, 0x26);  // INTN
                u8(b, 4);
                break;
            case Sutun::NVarchar:
                u8(b, 0xE7);
                u16(b, quint16(qBound(1, s.boy, 4000) * 2));
                b.append(kHarmanlama, 5);
                break;
            case Sutun::Varchar:
                u8(b, 0xA7);
                u16(b, quint16(qBound(1, s.boy, 8000)));
                b.append(kHarmanlama, 5);
                break;
        }
        bVarchar(b, s.ad);
    }
    for (const QVariantList& satir : y.satirlar) {
        u8(b, kSatir);
        for (qsizetype i = 0; i < y.sutunlar.size(); ++i) {
            const QVariant deger = i < satir.size() ? satir[i] : QVariant();
            switch (y.sutunlar[i].tur) {
                case Sutun::Int:
                    if (!deger.isValid()) {
                        u8(b, 0);
                    } else {
                        u8(b, 4);
                        u32(b, quint32(deger.toInt()));
                    }
                    break;
                case Sutun::NVarchar: {
                    if (!deger.isValid()) {
                        u16(b, 0xFFFF);
                        break;
                    }
                    const QString s = deger.toString();
                    u16(b, quint16(s.size() * 2));
                    ucs2(b, s);
                    break;
                }
                case Sutun::Varchar: {
                    if (!deger.isValid()) {
                        u16(b, 0xFFFF);
                        break;
                    }
                    const QByteArray s = cp1254(deger.toString());
                    u16(b, quint16(s.size()));
                    b.append(s);
                    break;
                }
            }
        }
    }
    bitti(b, kBittiSayi, quint64(y.satirlar.size()), surum);
    return b;
}

struct TdsSunucu::Ic {
    int dinleyici = -1;
    std::atomic<int> udp{-1};
    int uyandir[2] = {-1, -1};
    quint16 port = 0;
    QString ornek;
    std::atomic<bool> dur{false};
    std::atomic<bool> reddet{false};
    std::atomic<bool> sessiz{false};
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

QByteArray onGirisYaniti() {
    // VERSION 15.0.2000, ENCRYPTION not supported (so the login is never wrapped
    // in TLS), instance matched, MARS off.
    struct Secenek {
        quint8 jeton;
        QByteArray veri;
    };
    const Secenek secenekler[] = {
        {0x00, QByteArray("\x0F\x00\x07\xD0\x00\x00", 6)},
        {0x01, QByteArray("\x02", 1)},
        {0x02, QByteArray("\x00", 1)},
        {0x04, QByteArray("\x00", 1)},
    };
    const int adet = int(sizeof(secenekler) / sizeof(secenekler[0]));
    QByteArray b, veri;
    const quint16 basla = quint16(adet * 5 + 1);
    for (const Secenek& s : secenekler) {
        u8(b, s.jeton);
        const quint16 yer = quint16(basla + veri.size());
        b.append(char(yer >> 8));
        b.append(char(yer & 0xFF));
        b.append(char(s.veri.size() >> 8));
        b.append(char(s.veri.size() & 0xFF));
        veri.append(s.veri);
    }
    u8(b, 0xFF);
    return b + veri;
}

TdsSunucu::Giris girisCoz(const QByteArray& g) {
    TdsSunucu::Giris giris;
    if (g.size() < 94) return giris;
    giris.tdsSurumu = oku32(g, 4);
    giris.paketBoyu = oku32(g, 8);
    auto alan = [&g](int yer) { return ucs2Oku(g, oku16(g, yer), oku16(g, yer + 2)); };
    giris.kullanici = alan(40);
    giris.uygulama = alan(48);
    giris.sunucu = alan(52);
    giris.veritabani = alan(68);
    // The password travels with each byte's halves swapped and XOR-ed with 0xA5.
    QByteArray sifre = g.mid(oku16(g, 44), 2 * oku16(g, 46));
    for (char& c : sifre) {
        const quint8 x = quint8(c) ^ 0xA5;
        c = char(quint8((x << 4) | (x >> 4)));
    }
    giris.sifre = ucs2Oku(sifre, 0, sifre.size() / 2);
    return giris;
}

QByteArray girisOnayi(const TdsSunucu::Giris& giris, quint32 surum, quint32 paketBoyu) {
    QByteArray b;
    if (!giris.veritabani.isEmpty()) ortam(b, 1, giris.veritabani, QStringLiteral("master"));
    {  // collation of the database
        QByteArray g;
        u8(g, 7);
        u8(g, 5);
        g.append(kHarmanlama, 5);
        u8(g, 0);
        u8(b, kOrtam);
        u16(b, quint16(g.size()));
        b.append(g);
    }
    ortam(b, 4, QString::number(paketBoyu), QString::number(paketBoyu));
    QByteArray g;
    u8(g, 1);  // T-SQL
    g.append(char(surum >> 24));
    g.append(char((surum >> 16) & 0xFF));
    g.append(char((surum >> 8) & 0xFF));
    g.append(char(surum & 0xFF));
    bVarchar(g, QStringLiteral("Microsoft SQL Server"));
    g.append("\x0F\x00\x07\xD0", 4);
    u8(b, kGirisOnayi);
    u16(b, quint16(g.size()));
    b.append(g);
    bitti(b, 0, 0, surum);
    return b;
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
                if (!mesajYaz(fd, kYanitPaketi, onGirisYaniti(), paketBoyu)) return;
                break;
            case kGiris7: {
                Giris giris = girisCoz(govde);
                surum = qBound<quint32>(0x71000001, giris.tdsSurumu, 0x74000004);
                if (giris.paketBoyu >= 512 && giris.paketBoyu <= 32767) paketBoyu = giris.paketBoyu;
                {
                    std::lock_guard<std::mutex> k(kilit);
                    girisler << giris;
                }
                QByteArray yanit;
                if (reddet) {
                    hataJetonu(yanit, 18456,
                               QStringLiteral("Login failed for user '%1'.").arg(giris.kullanici),
                               14, surum);
                    bitti(yanit, kBittiHata, 0, surum);
                } else {
                    yanit = girisOnayi(giris, surum, paketBoyu);
                }
                if (!mesajYaz(fd, kYanitPaketi, yanit, paketBoyu)) return;
                break;
            }
            case kToplu: {
                qsizetype bas = 0;
                if (yeni(surum) && govde.size() >= 4) bas = qMin<qsizetype>(oku32(govde, 0), govde.size());
                const QString sql = ucs2Oku(govde, bas, (govde.size() - bas) / 2);
                Yanitlayici y;
                {
                    std::lock_guard<std::mutex> k(kilit);
                    sorgular << sql;
                    y = yanitlayici;
                }
                const Yanit yanit = y ? y(sql) : Yanit::Bos();
                if (!mesajYaz(fd, kYanitPaketi, Kodla(yanit, surum), paketBoyu)) return;
                break;
            }
            case kIptal: {
                QByteArray b;
                bitti(b, kBittiIptal, 0, surum);
                if (!mesajYaz(fd, kYanitPaketi, b, paketBoyu)) return;
                break;
            }
            default: {
                QByteArray b;
                hataJetonu(b, 50000, QStringLiteral("Unsupported request"), 16, surum);
                bitti(b, kBittiHata, 0, surum);
                if (!mesajYaz(fd, kYanitPaketi, b, paketBoyu)) return;
            }
        }
    }
}

void TdsSunucu::Ic::udpYanitla() {
    char istek[512];
    sockaddr_in kimden{};
    socklen_t boy = sizeof(kimden);
    const ssize_t n = ::recvfrom(udp, istek, sizeof(istek), 0, reinterpret_cast<sockaddr*>(&kimden), &boy);
    if (n < 1) return;
    QString sorulan;
    if (istek[0] == 0x04) sorulan = QString::fromLatin1(istek + 1, qstrnlen(istek + 1, size_t(n - 1)));
    else if (istek[0] != 0x02 && istek[0] != 0x03) return;
    if (!sorulan.isEmpty() && sorulan.compare(ornek, Qt::CaseInsensitive) != 0) return;
    const QByteArray veri = QStringLiteral("ServerName;KOVITEST;InstanceName;%1;IsClustered;No;"
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

quint16 TdsSunucu::port() const { return ic_->port; }

void TdsSunucu::setYanitlayici(Yanitlayici y) {
    std::lock_guard<std::mutex> k(ic_->kilit);
    ic_->yanitlayici = std::move(y);
}

void TdsSunucu::setGirisReddet(bool reddet) { ic_->reddet = reddet; }

void TdsSunucu::setSessiz(bool sessiz) { ic_->sessiz = sessiz; }

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

void TdsSunucu::temizle() {
    std::lock_guard<std::mutex> k(ic_->kilit);
    ic_->sorgular.clear();
    ic_->girisler.clear();
}

QList<TdsSunucu::Sutun> LogoCariSutunlari() {
    using S = TdsSunucu::Sutun;
    // Sizes as the ERP declares its card columns.
    return {{QStringLiteral("Carisira"), S::Int, 0},       {QStringLiteral("CariKod"), S::NVarchar, 101},
            {QStringLiteral("Unvan"), S::NVarchar, 201},    {QStringLiteral("Adres1"), S::NVarchar, 201},
            {QStringLiteral("Adres2"), S::NVarchar, 201},   {QStringLiteral("Adres3"), S::NVarchar, 21},
            {QStringLiteral("Telefon1"), S::NVarchar, 51},  {QStringLiteral("Telefon2"), S::NVarchar, 51},
            {QStringLiteral("Faks"), S::NVarchar, 51},      {QStringLiteral("VergiNo"), S::NVarchar, 16},
            {QStringLiteral("VergiDa"), S::NVarchar, 31}};
}
