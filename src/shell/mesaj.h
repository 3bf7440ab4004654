#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>

// The program's own message dialogs. Every message put in front of the user
// goes through one of these: the general message dialog (error, warning or a
// question with up to three answers), the delete confirmation, and, for a few
// agenda messages, the platform's plain message box.

// kind: 1 error, 2 warning, 3 question, 4 error with the focus on the text.
// Returns 1, 2 or 3 for the button pressed; closing through the window system gives 2.
int MesajGoster(const QString& metin, int tur, bool gorunur1, bool gorunur2, bool gorunur3,
                const QString& baslik1, const QString& baslik2, const QString& baslik3, int numara,
                int varsayilan);
void HataGoster(const QString& metin, int numara);
void UyariGoster(const QString& metin, int numara);

// The delete confirmation: 1 means delete; anything else (-1 for "Hayır Kaydı
// Silme", 2 for closing the window) means keep the row.
int SilonayGoster(QWidget* sahip = nullptr);

// The platform's plain message box; returns the button pressed.
QMessageBox::StandardButton DuzMesaj(
    const QString& metin, QMessageBox::StandardButtons dugmeler = QMessageBox::Ok,
    QMessageBox::StandardButton varsayilan = QMessageBox::NoButton);

// Tests answer the dialogs in advance and read what was shown; no dialog opens
// while the seam is on.
namespace MesajTest {

enum Tur { Hata = 1, Uyari = 2, Soru = 3, HataMetin = 4, Silonay = 10, Duz = 20 };

struct Kayit {
    QString metin;
    int tur = 0;
    int numara = 0;
};

// On: dialogs are not shown; each takes the next queued answer, or its default
// (1, the question's default button, -1 for the delete confirmation, the plain
// box's default or first button) when none is queued.
void Etkinlestir(bool acik = true);
bool Etkin();
void CevapEkle(int cevap);
QList<Kayit>& Gosterilenler();
void Temizle();

}  // namespace MesajTest
