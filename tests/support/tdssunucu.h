#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>

// A small SQL Server stand-in for tests: it speaks enough of the TDS 7 protocol
// (pre-login, login, login acknowledgement, SQL batch, column metadata, rows,
// done, error) for the FreeTDS ODBC driver to log in on a loopback port, send
// statements and read the rows back. It records every login and every SQL text
// it receives, and answers each text as the test says. It listens on
// 127.0.0.1 only, on a port the system picks, in threads of its own.
class TdsSunucu {
public:
    struct Sutun {
        enum Tur { NVarchar, Varchar, Int };  // Varchar: text in code page 1254
        QString ad;
        Tur tur = NVarchar;
        int boy = 200;  // declared size in characters (up to 4000)
    };

    // One answer to a batch: an error, a result set, or nothing but "done".
    struct Yanit {
        int hataNo = 0;
        QString hataMetni;
        QList<Sutun> sutunlar;
        QList<QVariantList> satirlar;  // invalid QVariant: NULL
        bool sonucVar = false;
        QByteArray hazir;  // tokens encoded in advance with Kodla; sent as they are

        static Yanit Hata(int no, const QString& metin);
        static Yanit Sonuc(const QList<Sutun>& sutunlar, const QList<QVariantList>& satirlar);
        static Yanit Bos();
        // A large answer encoded once, so that a benchmark times the client and
        // not the stand-in's encoding.
        static Yanit Hazir(const QByteArray& kodlanmis);
    };
    using Yanitlayici = std::function<Yanit(const QString& sql)>;

    struct Giris {
        QString kullanici, sifre, veritabani, uygulama, sunucu;
        quint32 tdsSurumu = 0;
        quint32 paketBoyu = 0;
    };

    TdsSunucu();  // starts listening; QVERIFY(sunucu.port() != 0)
    ~TdsSunucu();
    TdsSunucu(const TdsSunucu&) = delete;
    TdsSunucu& operator=(const TdsSunucu&) = delete;

    quint16 port() const;

    // Every batch the server receives is answered by this; by default with "done".
    void setYanitlayici(Yanitlayici y);
    // Refuses every login with SQL Server's error 18456.
    void setGirisReddet(bool reddet);
    // Accepts connections but never answers: a server that hangs.
    void setSessiz(bool sessiz);
    // Logs in as usual, then takes statements without ever answering them.
    void setSorguyaSessiz(bool sessiz);
    // Answers the SQL Browser's question for this instance name on UDP
    // 127.0.0.1:1434 with this server's port. False when that port is taken.
    bool ornekAdiDinle(const QString& ornek);

    int baglantiSayisi() const;  // TCP connections accepted
    QStringList sorgular() const;
    QList<Giris> girisler() const;

    // Turns an answer into the TDS tokens the server sends.
    static QByteArray Kodla(const Yanit& yanit, quint32 tdsSurumu);

private:
    struct Ic;
    std::unique_ptr<Ic> ic_;
};

// The card table of the ERP as the tests see it: the eleven result columns of
// the viewer's SELECT, in order.
QList<TdsSunucu::Sutun> LogoCariSutunlari();
