// The auxiliary windows laid out in German, Russian and Japanese: every caption fits its control
// and no two controls of one container overlap. With KELTO_SCREENSHOT_DIR set, each window is also
// saved there as a PNG for a look by eye.
#include "common/recordingmessageboxes.h"
#include "platform/tempconfig.h"
#include "program/app/appstate.h"
#include "program/app/unitnames.h"
#include "program/texts/textcatalogue.h"
#include "program/ui/info2_frm.h"
#include "program/ui/info_progvers_frm.h"
#include "program/ui/leistgvorg1_frm.h"
#include "program/ui/leistgvorg2_frm.h"
#include "program/ui/optionen.h"
#include "program/ui/optionen_berichtdaten.h"
#include "program/ui/optionen_dateiauswahl.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

class Bericht : public ui::OptionenBerichtDaten {
public:
    void Init_Word_Optionen_Texte() override {}
    QString optionText(int i, int sprachNr) const override
    {
        // Captions of realistic length in the languages shown.
        static const char* de[] = {"Geometrie-Zeichnung", "Leistungskurve", "Druckverlust-Diagramm", "Techn. Daten",
                                   "Zubehör/Ersatzteile", "Kopfzeile Anzeigen", "Fußzeile Anzeigen",
                                   "Anschrift in Kopfzeile", "Seiten-Rahmen"};
        static const char* ja[] = {"外形図", "放熱性能曲線", "圧力損失線図", "技術データ", "付属品／交換部品",
                                   "ヘッダーを表示", "フッターを表示", "ヘッダーに住所", "ページ枠"};
        return QString::fromUtf8(sprachNr == 15 ? ja[i] : de[i]);
    }
    QString optionZusatz(int) const override { return {}; }
    qint16 optionFlag(int i) const override { return i < 8 ? 1 : 0; }
    void setOptionFlag(int, qint16) override {}
    std::vector<Haendler> haendlerTabelle(bool) const override
    {
        return {{QStringLiteral("---"), QStringLiteral("-")}, {QStringLiteral("Nordkühl GmbH"), QStringLiteral("24103 Kiel")}, {}};
    }
};

class KeineAuswahl : public ui::OptionenDateiauswahl {
public:
    QString GetPath(QWidget*) override { return {}; }
    QString dateiOeffnen(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// Every caption fits, and visible siblings do not overlap.
void pruefeLayout(QWidget* fenster, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    fenster->adjustSize();
    fenster->show();
    QApplication::processEvents();
    EXPECT_GE(fenster->width(), fenster->minimumSizeHint().width());
    EXPECT_GE(fenster->height(), fenster->minimumSizeHint().height());
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty())
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if ((label && !label->wordWrap()) || button) {
            EXPECT_GE(w->width(), w->sizeHint().width()) << w->objectName().toStdString() << " is cut";
        }
        if (label && label->wordWrap()) {
            EXPECT_GE(w->height(), label->heightForWidth(w->width())) << w->objectName().toStdString() << " is cut";
        }
        for (QWidget* anderer : w->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (anderer == w || !anderer->isVisible() || anderer->objectName().isEmpty())
                continue;
            EXPECT_FALSE(w->geometry().intersects(anderer->geometry()))
                << w->objectName().toStdString() << " overlaps " << anderer->objectName().toStdString();
        }
    }
    for (QTabWidget* tabs : fenster->findChildren<QTabWidget*>()) {
        const QTabBar* bar = tabs->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)));
    }
    const QByteArray ordner = qgetenv("KELTO_SCREENSHOT_DIR");
    if (!ordner.isEmpty()) {
        if (auto* tabs = fenster->findChild<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                QApplication::processEvents();
                fenster->grab().save(QString::fromUtf8(ordner) + QStringLiteral("/%1_tab%2.png").arg(name).arg(i));
            }
        } else {
            fenster->grab().save(QString::fromUtf8(ordner) + QStringLiteral("/%1.png").arg(name));
        }
    }
}

TEST(InfoFensterLayout, EveryWindowFitsItsTextsInGermanRussianAndJapanese)
{
    TempConfig config;
    for (int sprache : {0, 4, 15}) {
        app::AppState state;
        texts::Init_MeldungsTexte(state.Texte);
        texts::Init_SysTexte(state.Texte);
        state.Texte.SprachNr = static_cast<qint16>(sprache);
        state.System.Projekt_Pfad = QStringLiteral("/home/anwender/Kelto-Line/Data/");
        state.System.User_Firma = QStringLiteral("Müller & Söhne Hydraulik GmbH");
        rating::KuehlerDaten& k = state.KuehlerDaten;
        app::fillUnitNames(k, state.Texte);
        k.T_Umgebung = 20;
        k.T_in = 60;
        k.Durchfluss = 100;
        common::RecordingMessageBoxes boxes;
        const QString s = QString::number(sprache);

        Bericht bericht;
        KeineAuswahl auswahl;
        ui::Optionen optionen(state, bericht, auswahl);
        pruefeLayout(&optionen, QStringLiteral("optionen_") + s);

        ui::LeistgVorgBasis::Umgebung u{k, state.Texte, boxes, QLocale(QLocale::German, QLocale::Germany), {}};
        ui::LeistgVorg1_frm tank(u);
        pruefeLayout(&tank, QStringLiteral("leistgvorg1_") + s);
        ui::LeistgVorg2_frm austritt(u);
        pruefeLayout(&austritt, QStringLiteral("leistgvorg2_") + s);

        ui::Info_ProgVers_frm about(state.Texte, ui::buildVersion());
        pruefeLayout(&about, QStringLiteral("info_progvers_") + s);
        ui::Info2_frm progress(sprache);
        progress.zeigen(QStringLiteral("Word-Dokument wird erstellt ..."));
        pruefeLayout(&progress, QStringLiteral("info2_") + s);
    }
}

} // namespace
