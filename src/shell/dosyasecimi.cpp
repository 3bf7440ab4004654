#include "dosyasecimi.h"

#include <QFileDialog>
#include <QStringList>

namespace DosyaSecimi {

namespace {
struct Durum {
    bool etkin = false;
    QStringList cevaplar;
    QString sonKlasor;
    int sorular = 0;
};
Durum& durum() {
    static Durum d;
    return d;
}

// Records the question; true with the answer when a test answers it.
bool testCevabi(const QString& klasor, QString* cevap) {
    Durum& d = durum();
    if (!d.etkin) return false;
    ++d.sorular;
    d.sonKlasor = klasor;
    *cevap = d.cevaplar.isEmpty() ? QString() : d.cevaplar.takeFirst();
    return true;
}

}  // namespace

QString AcilacakDosya(QWidget* sahip, const QString& baslik, const QString& klasor) {
    QString cevap;
    if (testCevabi(klasor, &cevap)) return cevap;
    // Every file is offered: a company file's extension, for one, varies
    // between versions of the accounting program.
    return QFileDialog::getOpenFileName(sahip, baslik, klasor, QStringLiteral("Tüm dosyalar (*)"));
}

QString Klasor(QWidget* sahip, const QString& baslik, const QString& klasor) {
    QString cevap;
    if (testCevabi(klasor, &cevap)) return cevap;
    return QFileDialog::getExistingDirectory(sahip, baslik, klasor);
}

namespace Test {
void Etkinlestir(bool acik) {
    durum().etkin = acik;
}
void CevapEkle(const QString& dosya) {
    durum().cevaplar.append(dosya);
}
QString SonKlasor() {
    return durum().sonKlasor;
}
int SoruSayisi() {
    return durum().sorular;
}
void Temizle() {
    const bool etkin = durum().etkin;
    durum() = Durum();
    durum().etkin = etkin;
}
}  // namespace Test

}  // namespace DosyaSecimi
