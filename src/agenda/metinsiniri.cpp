#include "metinsiniri.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

void MetinSiniriKoy(QPlainTextEdit* kutu, int enCok) {
    // Where the last change put text and how much; the trimming itself waits
    // for textChanged, when the document is done with the change.
    auto sonEkleme = std::make_shared<std::pair<int, int>>(0, 0);
    QObject::connect(kutu->document(), &QTextDocument::contentsChange, kutu,
                     [sonEkleme](int yer, int, int eklenen) {
                         *sonEkleme = {yer, eklenen};
                     });
    QObject::connect(kutu, &QPlainTextEdit::textChanged, kutu, [kutu, enCok, sonEkleme] {
        QTextDocument* belge = kutu->document();
        const int uzunluk = belge->characterCount() - 1;
        const int fazla = uzunluk - enCok;
        if (fazla <= 0) return;
        const int son = qBound(0, sonEkleme->first + sonEkleme->second, uzunluk);
        const int bas = qBound(0, qMax(sonEkleme->first, son - fazla), uzunluk);
        QTextCursor imlec(belge);
        if (son - bas == fazla) {
            imlec.setPosition(bas);
            imlec.setPosition(son, QTextCursor::KeepAnchor);
        } else {
            imlec.setPosition(enCok);
            imlec.setPosition(uzunluk, QTextCursor::KeepAnchor);
        }
        imlec.removeSelectedText();
    });
}
