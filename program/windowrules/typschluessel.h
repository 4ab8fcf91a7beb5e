#pragma once
// The order type key of the current size: the size's type code, a drive suffix and the mark for a
// fan that blows through the cooler. Built from plain values so it is tested without a window.
#include <QString>

namespace ui {

// What the key is built from. A key needs a shown result: a required heat above 0, valid inputs,
// a size, a series and a result box that does not show "---".
struct TypSchluesselLage {
    QString TypCode;          // type code of the current size (from the result list)
    long Kuehler_Baureihe = 0;
    bool Region_US = false;
    bool drueckend = false;   // OBox_drueckend: the fan blows through the cooler
    double KLeistung = 0;     // W
    bool Eingabe_OK = false;
    int Typ_Index = -1;
    bool ergebnisAngezeigt = false; // the result box shows a size
};

// The key without a result.
inline const QString KeinTypSchluessel = QStringLiteral("---------");

// Drive suffixes of the type designation and the air-direction mark.
inline const QString Suffix_DC12 = QStringLiteral("-12DC");
inline const QString Suffix_DC24 = QStringLiteral("-24DC");
inline const QString Suffix_AC_US = QStringLiteral("-US60");
inline const QString LuftMarke_drueckend = QStringLiteral("B");

// The drive suffix of a series in a region ("" where the designation has none).
QString antriebsSuffix(long Kuehler_Baureihe, bool Region_US);
// The type key, or KeinTypSchluessel when the preconditions of a result are not met.
QString typSchluesselBilden(const TypSchluesselLage& lage);

} // namespace ui
