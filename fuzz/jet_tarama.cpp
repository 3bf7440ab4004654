// A sweep that libFuzzer's random mutations reach only by luck: every byte of
// the header block and of every page that describes a table (definitions,
// usage maps, the row offset tables of data pages) set to a few telling
// values, one at a time, each file read in full.
//   jet_tarama <seed file> [first page] [last page]
#include <QFile>
#include <cstdio>

#include "jet_okuma.h"

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::ReadOnly)) return 2;
    const QByteArray tohum = f.readAll();
    const int sayfa = 4096;
    const int ilk = argc > 2 ? atoi(argv[2]) : 0;
    const int son = argc > 3 ? atoi(argv[3]) : static_cast<int>(tohum.size() / sayfa) - 1;
    const unsigned char degerler[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
    long sayi = 0;
    for (int s = ilk; s <= son; ++s) {
        // Data pages: the header and row offsets, and the last 64 bytes of the
        // first row, where the null mask and the variable offsets sit.
        const bool veri = tohum[s * sayfa] == 0x01;
        const int satirSayisi = veri ? static_cast<uchar>(tohum[s * sayfa + 12]) : 0;
        const int bitis = s == 0 ? 0x98 : (veri ? 14 + 2 * satirSayisi : sayfa);
        for (int i = 0; i < sayfa; ++i) {
            const bool satirSonu = veri && i >= sayfa - 64;
            if (i >= bitis && !satirSonu) continue;
            for (unsigned char d : degerler) {
                QByteArray b = tohum;
                b[s * sayfa + i] = static_cast<char>(d);
                JetOku(reinterpret_cast<const uint8_t*>(b.constData()),
                       static_cast<size_t>(b.size()));
                ++sayi;
            }
        }
        std::fprintf(stdout, "page %d done, %ld files so far\n", s, sayi);
        std::fflush(stdout);
    }
    std::fprintf(stdout, "%ld files read, no fault\n", sayi);
    return 0;
}
