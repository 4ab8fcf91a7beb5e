#pragma once
// The report's progress window: one label with the message the report writer sets, shown
// modelessly while the document is written.
#include <QDialog>
#include <QPointer>

class QLabel;

namespace ui {

class Info2_frm : public QDialog {
    Q_OBJECT
public:
    // sprachNr gives the label's character set.
    explicit Info2_frm(int sprachNr, QWidget* parent = nullptr);

    // Sets the message and paints the window at once: the report runs without returning to the
    // event loop, so the window must be drawn before the work starts.
    void zeigen(const QString& text);

    int fontCharset() const { return m_fontCharset; }

    QLabel* LA_InfoTxt = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    int m_sprachNr;
    int m_fontCharset = 0;
};

// Holds the progress window between the report's "show" and "hide": shown loads it (or sets
// the text of the one loaded), hidden unloads it. What a window's showProgress/hideProgress do.
class Info2Halter {
public:
    ~Info2Halter() { entladen(); }
    void zeigen(int sprachNr, const QString& text, QWidget* parent = nullptr);
    void entladen();
    Info2_frm* fenster() const { return m_fenster; }

private:
    QPointer<Info2_frm> m_fenster;
};

// Shows the progress window for the lifetime of the object and unloads it at the end, also
// when the work in between fails.
class Info2Anzeige {
public:
    Info2Anzeige(int sprachNr, const QString& text, QWidget* parent = nullptr) { m_halter.zeigen(sprachNr, text, parent); }
    Info2_frm* fenster() const { return m_halter.fenster(); }

private:
    Info2Halter m_halter;
};

} // namespace ui
