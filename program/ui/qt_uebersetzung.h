#pragma once
// Qt's own texts (the standard buttons of message boxes, the file and input dialogs) in the
// program's language, from the translations Qt ships.
#include <QString>
#include <memory>

class QTranslator;

namespace ui {

// The name of Qt's catalogue for a program language ("de", "zh_CN", ...); empty for English and
// for any language number outside the list, which need none.
QString qtKatalogSprache(int SprachNr);

// Holds the installed translator of Qt's texts; switching loads the catalogue of the new language
// and drops the previous one. A language Qt has no catalogue for leaves Qt's English texts.
class QtUebersetzung {
public:
    QtUebersetzung();
    ~QtUebersetzung();
    QtUebersetzung(const QtUebersetzung&) = delete;
    QtUebersetzung& operator=(const QtUebersetzung&) = delete;

    // True when a catalogue of the language is installed now.
    bool setzen(int SprachNr);

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace ui
