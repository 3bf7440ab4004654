#include "tfzafomesaj.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QPlainTextEdit* mesajAlani(const QString& ad, const QString& yazi, const QString& zemin) {
    auto* alan = new QPlainTextEdit;
    alan->setObjectName(ad);
    alan->setReadOnly(true);
    alan->setTabChangesFocus(true);
    alan->setStyleSheet(QStringLiteral("QPlainTextEdit { color: %1; background: %2; "
                                       "font-weight: bold; font-size: 19px; }")
                            .arg(yazi, zemin));
    return alan;
}

QPushButton* buyukDugme(const QString& ad, const QString& baslik) {
    auto* d = new QPushButton(baslik);
    d->setObjectName(ad);
    d->setMinimumSize(120, 36);
    d->setStyleSheet(
        QStringLiteral("QPushButton { color: #800000; font-weight: bold; font-size: 19px; }"));
    return d;
}

QWidget* sayfa(const QString& ad, QPlainTextEdit* alan,
               std::initializer_list<QPushButton*> dugmeler) {
    auto* s = new QWidget;
    s->setObjectName(ad);
    auto* dikey = new QVBoxLayout(s);
    dikey->addWidget(alan, 1);
    auto* yatay = new QHBoxLayout;
    for (QPushButton* d : dugmeler) yatay->addWidget(d);
    yatay->addStretch(1);
    dikey->addLayout(yatay);
    return s;
}

}  // namespace

TFZafoMesaj::TFZafoMesaj(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FZafoMesaj"));
    setWindowTitle(QStringLiteral("Mesaj Ekranı ..."));
    setFixedSize(526, 248);
    setModal(true);

    const QString lacivert = QStringLiteral("rgb(165, 202, 248)");
    HataMesaj =
        mesajAlani(QStringLiteral("HataMesaj"), QStringLiteral("white"), QStringLiteral("#800000"));
    Uyarimesaj = mesajAlani(QStringLiteral("Uyarimesaj"), QStringLiteral("black"), lacivert);
    OnayMesaj = mesajAlani(QStringLiteral("OnayMesaj"), QStringLiteral("black"), lacivert);
    BHata = buyukDugme(QStringLiteral("BHata"), QStringLiteral("Tamam"));
    BUyari = buyukDugme(QStringLiteral("BUyari"), QStringLiteral("Tamam"));
    Bonay1 = buyukDugme(QStringLiteral("Bonay1"), QStringLiteral("Evet"));
    BOnay2 = buyukDugme(QStringLiteral("BOnay2"), QStringLiteral("Hayır"));
    BOnay3 = buyukDugme(QStringLiteral("BOnay3"), QStringLiteral("İptal"));
    HataMesaj->installEventFilter(this);

    Sayfalar = new QTabWidget(this);
    Sayfalar->setObjectName(QStringLiteral("Sayfalar"));
    SHata = sayfa(QStringLiteral("SHata"), HataMesaj, {BHata});
    SUyari = sayfa(QStringLiteral("SUyari"), Uyarimesaj, {BUyari});
    SDialog = sayfa(QStringLiteral("SDialog"), OnayMesaj, {Bonay1, BOnay2, BOnay3});
    Sayfalar->addTab(SHata, QStringLiteral(" Hata Mesajı"));
    Sayfalar->addTab(SUyari, QStringLiteral("Uyarı"));
    Sayfalar->addTab(SDialog, QStringLiteral("Onaylayınız"));
    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(0, 0, 0, 0);
    duzen->addWidget(Sayfalar);

    connect(BHata, &QPushButton::clicked, this, [this] { done(1); });
    connect(BUyari, &QPushButton::clicked, this, [this] { done(1); });
    connect(Bonay1, &QPushButton::clicked, this, [this] { done(1); });
    connect(BOnay2, &QPushButton::clicked, this, [this] { done(2); });
    connect(BOnay3, &QPushButton::clicked, this, [this] { done(3); });
}

void TFZafoMesaj::hazirla(const QString& metin, int tur, bool gorunur1, bool gorunur2,
                          bool gorunur3, const QString& baslik1, const QString& baslik2,
                          const QString& baslik3, int numara, int varsayilan) {
    tur_ = tur;
    numara_ = numara;
    varsayilan_ = varsayilan;
    switch (tur) {
        case 1:
        case 4:
            HataMesaj->setPlainText(metin);
            break;
        case 2:
            // A warning may name its button ("Devam"); otherwise it reads "Tamam".
            if (!baslik1.isEmpty()) BUyari->setText(baslik1);
            Uyarimesaj->setPlainText(metin);
            break;
        case 3:
            gorunur_[0] = gorunur1;
            gorunur_[1] = gorunur2;
            gorunur_[2] = gorunur3;
            Bonay1->setText(baslik1);
            BOnay2->setText(baslik2);
            BOnay3->setText(baslik3);
            OnayMesaj->setPlainText(metin);
            break;
        default:
            break;
    }
}

void TFZafoMesaj::showEvent(QShowEvent* olay) {
    QDialog::showEvent(olay);
    setWindowTitle(QStringLiteral("Mesaj Ekranı (%1) ...").arg(numara_));
    for (int i = 0; i < Sayfalar->count(); ++i) Sayfalar->setTabVisible(i, false);
    QWidget* odak = nullptr;
    switch (tur_) {
        case 1:
            Sayfalar->setTabVisible(0, true);
            Sayfalar->setCurrentWidget(SHata);
            odak = BHata;
            break;
        case 2:
            Sayfalar->setTabVisible(1, true);
            Sayfalar->setCurrentWidget(SUyari);
            odak = BUyari;
            break;
        case 3: {
            Sayfalar->setTabVisible(2, true);
            Sayfalar->setCurrentWidget(SDialog);
            Bonay1->setVisible(gorunur_[0]);
            BOnay2->setVisible(gorunur_[1]);
            BOnay3->setVisible(gorunur_[2]);
            QPushButton* dugmeler[3] = {Bonay1, BOnay2, BOnay3};
            if (varsayilan_ >= 1 && varsayilan_ <= 3) odak = dugmeler[varsayilan_ - 1];
            break;
        }
        case 4:
            Sayfalar->setTabVisible(0, true);
            Sayfalar->setCurrentWidget(SHata);
            odak = HataMesaj;
            break;
        default:
            break;
    }
    if (odak) odak->setFocus(Qt::OtherFocusReason);
}

void TFZafoMesaj::keyPressEvent(QKeyEvent* olay) {
    if (olay->key() == Qt::Key_Escape) {
        // Esc is the question's cancel button; on an error or a warning it does nothing.
        if (tur_ == 3 && BOnay3->isVisible()) BOnay3->click();
        olay->accept();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void TFZafoMesaj::closeEvent(QCloseEvent* olay) {
    // Closing through the window system answers 2.
    olay->accept();
    done(2);
}

bool TFZafoMesaj::eventFilter(QObject* nesne, QEvent* olay) {
    // With the focus on the message text, Enter must not close the dialog at once.
    if (nesne == HataMesaj && olay->type() == QEvent::KeyPress) {
        auto* tus = static_cast<QKeyEvent*>(olay);
        if (tus->key() == Qt::Key_Return || tus->key() == Qt::Key_Enter) return true;
    }
    return QDialog::eventFilter(nesne, olay);
}

TFSilonay::TFSilonay(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FSilonay"));
    setWindowTitle(QStringLiteral("Lüfen Onaylayınız ..."));
    setFixedSize(461, 212);
    setModal(true);
    auto* yazi =
        new QLabel(QStringLiteral("Bu Kaydı Silmek \nİstediğinize\nEmin misiniz ?.."), this);
    yazi->setObjectName(QStringLiteral("Label1"));
    yazi->setAlignment(Qt::AlignCenter);
    yazi->setStyleSheet(
        QStringLiteral("QLabel { color: black; font-weight: bold; font-size: 24px; }"));
    auto* BSil = new QPushButton(QStringLiteral("Evet Sil "), this);
    BSil->setObjectName(QStringLiteral("BSil"));
    auto* Biptal = new QPushButton(QStringLiteral("Hayır Kaydı Silme"), this);
    Biptal->setObjectName(QStringLiteral("Biptal"));
    for (QPushButton* d : {BSil, Biptal}) {
        d->setMinimumHeight(40);
        d->setStyleSheet(QStringLiteral("QPushButton { font-weight: bold; font-size: 17px; }"));
    }
    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(yazi, 1);
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addWidget(BSil);
    dugmeler->addWidget(Biptal);
    duzen->addLayout(dugmeler);
    connect(BSil, &QPushButton::clicked, this, [this] { done(1); });
    connect(Biptal, &QPushButton::clicked, this, [this] { done(-1); });
    // Enter alone answers no.
    Biptal->setDefault(true);
    Biptal->setFocus(Qt::OtherFocusReason);
    setFocusProxy(Biptal);
}

void TFSilonay::closeEvent(QCloseEvent* olay) {
    olay->accept();
    done(2);
}
