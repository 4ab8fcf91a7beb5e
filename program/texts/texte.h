#pragma once
// The program-wide texts: every text array of the main window, the messages, the menu and the
// report, the current language and what the language switch derives from it. A text is read as
// slot SprachNr of its array. The arrays are filled once while the main window loads and only
// read afterwards.
#include "program/texts/sprachtext.h"

#include <QString>
#include <QtGlobal>

namespace texts {

struct Texte {
    // Current language 0 to 16 (the slot index of every text array).
    qint16 SprachNr = 0;
    // Decimal separator of the user's locale, taken when a language is applied.
    QString DezimalTrenner;
    // Character set last given to the main window's fonts.
    qint16 FontCharset_akt = 0;

    // Messages and prompts.
    SprachText Text_100, Text_101, Text_102, Text_103, Text_104, Text_105, Text_106, Text_107,
        Text_108, Text_109, Text_110, Text_111, Text_112, Text_113, Text_114, Text_117, Text_118,
        Text_120, Text_121, Text_122, Text_123, Text_124;
    // Why a file cannot be read or written (602-605, 613-615), the settings warning (600, 601),
    // the report's messages (606-610), those of the program description (611, 612) and of a
    // drawing that cannot be shown (616), and the warning that the program starts without its
    // single-instance lock, with why (617-622), and the question before Save As replaces a file (623).
    SprachText Text_600, Text_601, Text_602, Text_603, Text_604, Text_605, Text_606, Text_607,
        Text_608, Text_609, Text_610, Text_611, Text_612, Text_613, Text_614, Text_615, Text_616, Text_617,
        Text_618, Text_619, Text_620, Text_621, Text_622, Text_623;

    // Program title (text 500).
    SprachText Titel_Text;

    // Main window: result warnings, input labels, drive and airflow options, result tabs.
    SprachText Text_127, Text_129, Text_130, Text_131, Text_132, Text_133, Text_134, Text_140,
        Text_141, Text_142, Text_143, Text_144, Text_145, Text_146, Text_147, Text_151, Text_152,
        Text_153, Text_156, Text_157, Text_158, Text_159, Text_160, Text_161, Text_162, Text_163,
        Text_164, Text_165, Text_166, Text_167, Text_168, Text_169, Text_170, Text_172, Text_173,
        Text_174, Text_180, Text_181, Text_182, Text_183, Text_184;
    SprachText Text_514, Text_515, Text_516, Text_517, Text_518, Text_519, Text_520, Text_550,
        Text_551, Text_566, Text_567, Text_568;
    // Order-code label of the report: the entries of text 131 with a German literal of its own.
    SprachText Text_BestellNr;
    // Texts without a text number: only their literal languages are filled.
    SprachText Text_WordDokument, Text_GlobalStandard;

    // Address labels.
    SprachText Text_190, Text_191, Text_193, Text_194, Text_195, Text_197, Text_198, Text_199,
        Text_200;
    // Report texts, customer and dealer labels.
    SprachText Text_300, Text_301, Text_302, Text_303, Text_304, Text_305, Text_306, Text_307,
        Text_511, Text_512, Text_513;
    // Heat-load dialog.
    SprachText Text_411, Text_412, Text_413, Text_414, Text_415;

    // Menu bar.
    SprachText Text_250, Text_251, Text_252, Text_253, Text_254, Text_255, Text_256, Text_257,
        Text_258, Text_259, Text_260, Text_261, Text_262, Text_263, Text_266, Text_267, Text_270,
        Text_271, Text_272, Text_273, Text_274, Text_275;
};

} // namespace texts
