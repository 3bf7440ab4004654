#pragma once

#include <QStringView>
#include <vector>

// Sort weights for Turkish order, for sorting many texts at once. Comparing
// two texts' weights one by one gives the order of the Turkish collator
// (Turkce::Karsilastir) for texts made of the Turkish and English letters in
// either case, digits, blanks and ASCII punctuation, at a small part of its
// cost. A text with any other character has no weights here; the caller then
// sorts with the collator itself.
namespace TurkceSira {

// Appends the text's weights; false (with nothing appended) when the text
// holds a character outside the table.
bool AgirlikEkle(QStringView metin, std::vector<quint16>& agirliklar);

}  // namespace TurkceSira
