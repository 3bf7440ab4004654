#include "kayitortami.h"

#include <QApplication>
#include <QTimer>

#include "dbhatasi.h"

KayitOrtami::KayitOrtami() {
    dm = std::make_unique<TDm>(dizin.path());
    if (!dm->DataModuleCreate())
        qFatal("test database could not be made in %s", qPrintable(dizin.path()));
    Dm = dm.get();
    MesajTest::Etkinlestir();
    MesajTest::Temizle();
}

KayitOrtami::~KayitOrtami() {
    Dm = nullptr;
    MesajTest::Temizle();
}

void KayitOrtami::sql(const QString& metin, const QVariantList& degerler) {
    Sorgu& s = q();
    s.Close();
    s.setSql(metin);
    for (int i = 0; i < degerler.size(); ++i) {
        const QVariant& d = degerler[i];
        const QString ad = QStringLiteral("p%1").arg(i + 1);
        if (d.typeId() == QMetaType::QDate)
            s.paramDate(ad, d.toDate());
        else if (d.typeId() == QMetaType::Double)
            s.paramFloat(ad, d.toDouble());
        else if (d.typeId() == QMetaType::Int || d.typeId() == QMetaType::LongLong)
            s.paramInt(ad, d.toLongLong());
        else
            s.paramText(ad, d.toString());
    }
    try {
        s.Execute();
    } catch (const DbHatasi& h) {
        QTest::qFail(qPrintable(metin + QStringLiteral(": ") + h.mesaj()), __FILE__, __LINE__);
    }
}

QVariant KayitOrtami::deger(const QString& metin, const QVariantList& degerler) {
    Sorgu s(dm->DB_Zafo);
    s.setSql(metin);
    for (int i = 0; i < degerler.size(); ++i) {
        const QVariant& d = degerler[i];
        const QString ad = QStringLiteral("p%1").arg(i + 1);
        if (d.typeId() == QMetaType::QDate)
            s.paramDate(ad, d.toDate());
        else if (d.typeId() == QMetaType::Int || d.typeId() == QMetaType::LongLong)
            s.paramInt(ad, d.toLongLong());
        else
            s.paramText(ad, d.toString());
    }
    try {
        s.Open();
    } catch (const DbHatasi& h) {
        QTest::qFail(qPrintable(metin + QStringLiteral(": ") + h.mesaj()), __FILE__, __LINE__);
        return QVariant();
    }
    return s.RecordCount() ? s.hucre(0, 0) : QVariant();
}

QStringList KayitOrtami::mesajlar() {
    QStringList l;
    for (const MesajTest::Kayit& k : MesajTest::Gosterilenler()) l << k.metin;
    return l;
}

QPointer<QTimer> ModalGelince(std::function<void(QDialog*)> adim) {
    auto* zamanlayici = new QTimer;
    auto sayac = std::make_shared<int>(0);
    QObject::connect(zamanlayici, &QTimer::timeout, [zamanlayici, adim, sayac] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d && ++*sayac < 2000) return;
        zamanlayici->stop();
        zamanlayici->deleteLater();
        if (d) adim(d);
    });
    zamanlayici->start(5);
    return zamanlayici;
}

void OdagaTus(QWidget* pencere, Qt::Key tus, Qt::KeyboardModifiers degistirici) {
    QWidget* hedef = pencere->focusWidget() ? pencere->focusWidget() : pencere;
    QTest::keyClick(hedef, tus, degistirici);
}

void Yaz(QWidget* alan, const QString& metin) {
    for (QChar c : metin) {
        if (c.unicode() < 128) {
            QTest::keyClick(alan, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, alan, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, alan, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}
