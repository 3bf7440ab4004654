#pragma once

#include "modulpencere.h"
#include "sorgu.h"

class GunlukPlanGorunumu;
class SorguModeli;
class PlanYoneticisi;
class QAction;
class QButtonGroup;
class QMenu;
class QPushButton;
class QTabWidget;
class QTableView;
class QToolButton;
class TarihAlani;
class TFAjandanew;

// The agenda window ("Ajanda ..."): the appointments as a day view of
// consecutive days ("Günlük") and as a list of every row ("Tüm Kayıtlar"),
// with adding, changing and deleting from either.
class TFAjanda : public ModulPencere {
    Q_OBJECT

public:
    explicit TFAjanda(QWidget* parent = nullptr);
    ~TFAjanda() override;

    // New appointment from the day view's cell selection, or from now.
    void AjandaEkle();
    // Changes the appointment of that key.
    void AjandaDuzelt(const QString& ajid);
    // Asks, then deletes the appointment of that key.
    void AjandaSil(const QString& ajid);
    // Stores the entry window's contents: kind 1 a new row, kind 2 the row of
    // that key; then shows the stored row in the day view.
    void AjandaKaydet(int tur, const QString& ajid, const TFAjandanew& pencere);

    // The schedule manager asks for a run of days it does not hold yet.
    void PlanManagerLoadBatch(const QString& plan, const QDate& ilk, const QDate& son);

    QTabWidget* Sayfalar;
    QWidget* SGunluk;
    QWidget* Stumadres;
    GunlukPlanGorunumu* GunlukPlan;
    PlanYoneticisi* PlanManager;
    QTableView* DbKayitlar;
    SorguModeli* Ds_Kayitlar;
    TarihAlani* ETarih;
    QToolButton* sBitBtn1;
    QToolButton* BSonraki;
    QPushButton* Bekle;
    QPushButton* BDuzelt;
    QPushButton* BSil;
    QPushButton* BCikis;
    QPushButton* BGridekle;
    QPushButton* BGridduzelt;
    QPushButton* BSil2;
    QPushButton* BCikis2;
    QMenu* PopMenu;
    QAction* Mspyenikayekle;
    QAction* Mspmevkaydegis;
    QAction* Mspmekaysil;
    Sorgu Q_Ajanda;
    Sorgu Q_Kayitlar;

protected:
    void showEvent(QShowEvent* olay) override;

private:
    void arayuzuKur();
    QWidget* gunlukSayfasi();
    QWidget* kayitlarSayfasi();
    void FormShow();
    void PlanHazirla();
    void TarihDegisti();
    void sBitBtn1Click();
    void BSonrakiClick();
    void gunAdimi(int gun);
    void SbSaatClick(int dakika);
    void BGunClick(int gun);
    void BekleClick();
    void Cifttiklama();
    void BDuzeltClick();
    void BSilClick();
    void BGridduzeltClick();
    void BSil2Click();
    void RandevuTasindi(const QString& ajid, const QDateTime& baslangic, const QDateTime& bitis);
    // Runs the list query again and stands on the row of that key, or on the
    // last row when no key is given. The list reads the whole table, so while
    // its tab is not in front this waits until the tab is shown.
    void listeyiYenile(const QString& ajid = QString());
    void listeyiOku(const QString& ajid);
    void SayfaDegisti();
    void listeKonumunuGoster();
    void satiriGunlugeAktar(const QString& ajid);

    bool acildi_ = false;
    bool listeBekliyor_ = false;
    QString listeHedefi_;  // the row the waiting list stands on; empty: the last
};
