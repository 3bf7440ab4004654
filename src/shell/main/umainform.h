#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>

#include "yerlesim.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolButton;
class TDm;
class TMasaustuUyarisi;

// The main window: the frame the modules open in, and the program's resident
// part. It lives in the notification area, where the minute timer checks the
// agenda alarms; a click on the tray icon brings it up, and closing or
// minimising it sends the program back to the tray.
class TFMainform : public QMainWindow {
    Q_OBJECT

public:
    // dm: the data module; tepsiVar: whether the desktop has a notification area.
    explicit TFMainform(TDm& dm, bool tepsiVar = QSystemTrayIcon::isSystemTrayAvailable(),
                        QWidget* parent = nullptr);
    ~TFMainform() override;

    void ProgramiGoster();
    void ProgramiGizle();
    void TepsiyeGonder();
    void ZamanlayiciIsle();
    void TemaVeKullaniciOku();
    void BirAlertMesajGoster();
    void AlertMesajKapat();
    void JvTrayClick(QSystemTrayIcon::ActivationReason neden);
    void TMsCikisClick();

    // Opens a module window under the single-window rule.
    QWidget* ModulAc(const QString& ad);
    QMdiArea* mdiAlani() const { return mdi_; }

    // What the modules bring: module windows by their upper-case name, and dialogs.
    using ModulFabrikasi = std::function<QWidget*()>;
    using DiyalogFabrikasi = std::function<void(QWidget* sahip)>;
    static QHash<QString, ModulFabrikasi>& Moduller();
    static QHash<QString, DiyalogFabrikasi>& Diyaloglar();
    // The minute tick's alarm check.
    static std::function<void()>& AlarmKontrolu();

    bool alertAcik() const { return alertAcik_; }
    bool zamanlayiciAcik() const;
    QSystemTrayIcon* tepsi() const { return JvTray; }

protected:
    void closeEvent(QCloseEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void changeEvent(QEvent* olay) override;
    void showEvent(QShowEvent* olay) override;

private:
    void FormCreate();
    void menuleriKur();
    void aracCubugunuKur();
    void diyalogAc(const QString& ad);

    TDm& dm_;
    bool tepsiVar_;
    QMdiArea* mdi_;
    QSystemTrayIcon* JvTray;
    QMenu* TrayMenu;
    QTimer* MyTime;
    QToolButton* SbCikis = nullptr;
    QLabel* Zafologo = nullptr;
    QWidget* kose_ = nullptr;
    QPointer<TMasaustuUyarisi> alert_;
    Yerlesim FormPlace;
    bool alertAcik_ = false;
    bool yerlesimYuklendi_ = false;
    bool bitiyor_ = false;
};

extern TFMainform* FMainform;
