#include "program/texts/textliterals.h"

// German, English and French of every text the fillers define, in the order they are filled.
// A line break inside a text is CR LF. Blanks at either end belong to the text.

namespace texts {

namespace {

constexpr TextLiteral Meldungen[] = {
    {&Texte::Text_100, 100,
        "Aktuelles Projekt speichern?",
        "Save active project?",
        "Enregistrer le projet en cours?"},
    {&Texte::Text_101, 101,
        "Projektfile defekt!!!",
        "Projectfile corrupt!!!",
        "Fichier du projet défectueux!!!"},
    {&Texte::Text_102, 102, "Projekt nicht geladen!!!", "Project not loaded!!!", "Projet non chargé!!!"},
    {&Texte::Text_103, 103,
        "Alte Projektfile-Struktur",
        "Old Projectfile-Structure",
        "Ancienne structure du fichier projet"},
    {&Texte::Text_104, 104, "Alle Daten prüfen!!!", "Check all data!!!", "Vérifier toutes les données!!!"},
    {&Texte::Text_105, 105,
        "Alte Projektfile-Version!!! V-",
        "Old Projectfile-Version!!! V-",
        "Ancienne version du fichier projet!!! V-"},
    {&Texte::Text_106, 106,
        "Fehler beim Öffnen der Datei!",
        "Error opening File!",
        "Défaut lors de l'ouverture du fichier!"},
    {&Texte::Text_107, 107,
        "Word-Dokument schon geöffnet!!!",
        "Word-Document still open!!!",
        "Document Word déjà ouvert!!!"},
    {&Texte::Text_108, 108,
        "Fehler beim Öffnen des Word-Dokumentes" "\r\n"
         "Oder MS-Word nicht installiert!",
        "Error opening Word" "\r\n"
         "Or correct MS-Word Version not installed!",
        "Erreur lors de l'ouverture du document Word" "\r\n"
         "Ou version MS-Word non installée!"},
    {&Texte::Text_109, 109,
        "Projekt NICHT gespeichert!!!",
        "Project NOT saved!!!",
        "Projet NON enregistré!!!"},
    {&Texte::Text_110, 110,
        "!!! Abbruch Projektdaten-Laden!!! Fehlerhafte Daten ",
        "!!! Abort projectdata load!!!  Data error ",
        "!!! Abandon du chargement des données du projet!!! Données erronées "},
    {&Texte::Text_111, 111,
        "Fehler beim Laden der Projektdaten!",
        "Error during projectdata loading!",
        "Erreur lors du chargement des données du projet!"},
    {&Texte::Text_112, 112,
        "Word-Funktion Fehlerhaft" "\r\n"
         "Word nicht installiert oder falsche Version" "\r\n"
         "Alle Word Funktionen führen zum Programmabbruch",
        "Error calling Word" "\r\n"
         "Word not installed or wrong version" "\r\n"
         "all Word actions will fail",
        "Fonction Word défectueuse" "\r\n"
         "Word non installé ou mauvaise version" "\r\n"
         "Toutes les fonctions de Word vont être arrêtées"},
    {&Texte::Text_113, 113,
        " gefunden!" "\r\n"
         "Bitte auf Version Word-2000 oder höher umstellen.",
        " found!" "\r\n"
         "Please install Word-2000 or higher",
        " trouvé!" "\r\n"
         "Veuillez installer Word 2000 ou version plus récente"},
    {&Texte::Text_114, 114,
        "Word-Dokument wird erzeugt!" "\r\n"
         "Bitte Warten",
        "generating word-document!" "\r\n"
         "Please wait",
        "création du document Word!" "\r\n"
         "Attendre s 'il vous plaît"},
    {&Texte::Text_120, 120, "Projektname eingeben", "Insert project name", "saisir le nom du projet"},
    {&Texte::Text_121, 121,
        "MS-Word-Vorlage-Datei",
        "use MS-Word .dot-File",
        "utiliser fichier MS-Word .dot"},
    {&Texte::Text_122, 122, "Projekt-Datei laden", "Projectfile load", "Charger le fichier projet"},
    {&Texte::Text_123, 123,
        "Leistung aus experimentellen Daten berechnen",
        "calculate heat rejection",
        "calcul de la puissance dissipée"},
    {&Texte::Text_124, 124,
        "Austrittstemperatur vorgeben",
        "Set outlet temperature",
        "Température de sortie souhaitée"},
    {&Texte::Text_117, 117,
        "kein cp-Wert von Öl für den Bereich t > 300 °C in diesem Programm vorhanden",
        "no cp-value!  oil range t > 300 °C in this program",
        "Pas de valeur Cp pour huile supérieure à 300°C dans ce programme"},
    {&Texte::Text_118, 118,
        "keine cp-Werte für Öltemperaturen < 0 °C",
        "no cp-values for oil temperatures <0 °C",
        "Pas de valeur Cp pour huile inférieure à 0°C dans ce programme"},
};

constexpr TextLiteral SysTexte[] = {
    {&Texte::Titel_Text, 500, "Kelto-Line ", "Kelto-Line ", "Kelto-Line "},
    {&Texte::Text_127, 127, "Noch nicht gewählt", "not selected", "non selectionné\""},
    {&Texte::Text_132, 132,
        "Leistung kann mit dieser Durchfluss-Menge nicht abgeführt werden!" "\r\n"
         "Leistungsvorgabe oder Durchfluss muss angepasst werden!" "\r\n"
         "Austrittstemperatur kleiner als Lufttemperatur",
        "Heat rejection not possible with this medium flow!" "\r\n"
         "Heat rejection or medium flow has to be adapted!" "\r\n"
         "medium outlet temperature lower than ambient temperature",
        "La puissance ne peut être dissipée avec ce débit! " "\r\n"
         " Les conditions de fonctionnement doivent être adaptées. " "\r\n"
         " Température de sortie d'huile inférieure à la température ambiente"},
    {&Texte::Text_133, 133,
        "Durchfluss zu niedrig (Min. ",
        "Flow too low (min. ",
        "Débit insuffisant (Min. "},
    {&Texte::Text_134, 134,
        "Durchfluss zu hoch (Max. ",
        "Flow too high (max. ",
        "Débit trop important (Max. "},
    {&Texte::Text_180, 180,
        "Kühler arbeitet nicht im optimalen Bereich!",
        "Cooler is not operated in optimal range!",
        "Plage de fonctionnement non optimale pour le refroidisseur"},
    {&Texte::Text_181, 181,
        "Leistung kann mit einer größeren Ölmenge deutlich gesteigert werden.",
        "Better heat rejection with greater flow.",
        "Meilleure dissipation avec un débit d'huile plus important."},
    {&Texte::Text_182, 182,
        "Druckverlust kann mit kleinerem Durchfluß deutlich gesenkt werden!",
        "Pressure drop can be reduced with lower flow!",
        "Les pertes de charge peuvent êtres réduites avec un débit inférieur!"},
    {&Texte::Text_183, 183,
        "Durchfluß für diesen Kühler zu groß!",
        "Flow too high for this cooler!",
        "Débit trop important pour ce refroidisseur!"},
    {&Texte::Text_184, 184,
        "Durchfluß für diesen Kühler zu gering!",
        "Flow too low for this cooler!",
        "Débit insuffisant pour ce refroidisseur!"},
    {&Texte::Text_129, 129, "Kühlleistung", "Heat rejection", "Puissance calorifique"},
    {&Texte::Text_130, 130, "Durchfluss", "Flow", "Débit "},
    {&Texte::Text_131, 131, "Bestell-Nr.:", "Order Code:", "Référence:"},
    {&Texte::Text_BestellNr, 131, "Bestellnummer:", "Order Code:", "Référence:"},
    {&Texte::Text_140, 140, "Umgebungstemperatur", "Ambient temperature", "Température ambiente"},
    {&Texte::Text_141, 141, "Medium Temperatur", "Inlet temperature", "Température du médium"},
    {&Texte::Text_142, 142, "Abzuführende Leistung", "Required heat rejection", "Puissance à dissiper"},
    {&Texte::Text_143, 143, "Medium", "Medium", "Fluide"},
    {&Texte::Text_144, 144, "Kühler Daten ermitteln", "Get cooler data", "Définir type de refroidisseur"},
    {&Texte::Text_145, 145, "Temperaturanstieg", "Temperature rising", "augmentation de température"},
    {&Texte::Text_146, 146, "Ausgangstemperatur", "from outlet temperature", "par température de sortie"},
    {&Texte::Text_147, 147, "Automatisch suchen", "Automatic search", " recherche automatique"},
    {&Texte::Text_151, 151, "Lüfterantrieb", "Blower type", "Ventilateur"},
    {&Texte::Text_550, 550, "12V Gleichstrom", "12 VDC", "12 VDC"},
    {&Texte::Text_551, 551, "24V Gleichstrom", "24 VDC", "24 VDC"},
    {&Texte::Text_152, 152, "Drehstrom (A)", "3 phase AC (A)", "Moteur triphasé"},
    {&Texte::Text_153, 153, "Hydraulik (H)", "Hydraulic (H)", "Hydraulique (H)"},
    {&Texte::Text_156, 156, "saugend", "sucking", "aspirant"},
    {&Texte::Text_157, 157, "drückend", "blowing", "soufflant"},
    {&Texte::Text_158, 158, "Auslegung", "Specification", "Définition"},
    {&Texte::Text_159, 159, "Zeichnung", "Drawing", "Description"},
    {&Texte::Text_160, 160, "Druckverlust", "Pressure drop", "Pertes de charge"},
    {&Texte::Text_161, 161, "Leistung", "Power", "Puissance"},
    {&Texte::Text_162, 162, "Datenübersicht", "Data", "Données techniques"},
    {&Texte::Text_163, 163, "Ersatzteile", "Spare parts", "Pièces de rechange"},
    {&Texte::Text_164, 164, "Kühlerdaten", "cooler data", "Données du refroidisseur"},
    {&Texte::Text_165, 165, "Austrittstemperatur", "Outlet temperature", "Température en sortie"},
    {&Texte::Text_166, 166, "Abgeführte Leistung", "Rejected heat", "Puissance dissipée"},
    {&Texte::Text_167, 167, "Leistungsreserve", "Reserve capacity", "Réserve de puissance"},
    {&Texte::Text_168, 168, "Einbaumaße", "Technical Data", "Cotes d'encombrement"},
    {&Texte::Text_169, 169, "Spezifikation", "Specification", "Imprimer"},
    {&Texte::Text_WordDokument, NoTextNumber, "Word Dokument erstellen", "Create Word document", nullptr},
    {&Texte::Text_170, 170, "Bezeichnung", "Tag", "Désignation"},
    {&Texte::Text_172, 172, "Low Noise", "Low Noise", "Low Noise"},
    {&Texte::Text_173, 173, "Oel", "oil", "huile"},
    {&Texte::Text_174, 174, "Wasser/Glykol", "water/glykol", "eau/glykol"},
    {&Texte::Text_567, 567, "°C", "°C", "°C"},
    {&Texte::Text_568, 568, "°F", "°F", "°F"},
    {&Texte::Text_190, 190, "Firma", "Company", "Société\""},
    {&Texte::Text_191, 191, "Abt.", "Dept.", "Service"},
    {&Texte::Text_193, 193, "Name", "Name", "Nom"},
    {&Texte::Text_194, 194, "Straße", "Street", "Rue"},
    {&Texte::Text_195, 195, "PLZ", "PCode", "Code postal"},
    {&Texte::Text_197, 197, "Land", "Country", "Pays"},
    {&Texte::Text_198, 198, "Tel.", "Phone", "Tél."},
    {&Texte::Text_199, 199, "Fax", "Fax", "Fax"},
    {&Texte::Text_200, 200, "Email", "Email", "Email"},
    {&Texte::Text_300, 300, "Datenblatt", "Specification", "Spécifications"},
    {&Texte::Text_301, 301, "Eingabewerte", "Input data", "Données de départ"},
    {&Texte::Text_302, 302, "Berechnungsergebnis", "Calculated Results", "Résultats des calculs"},
    {&Texte::Text_303, 303,
        "Die tatsächlichen Werte können von den errechneten Werten abweichen!" "\r\n"
         "Insbesondere bei ungünstigen Betriebsparametern!",
        "Values under operating conditions may vary from calculated results" "\r\n"
         "especially when operating parameters are not usual",
        "Les données réelles peuvent diverger des données calculées!" "\r\n"
         "notamment en cas de données de fonctionnement erronées !"},
    {&Texte::Text_304, 304,
        "Beachten Sie bitte unsere 'Allgemeinen Lagervorschriften' "
         "und unsere 'Aufstellungs- und Betriebsanleitung für Kelto-Kühlanlagen'",
        "Please mind our Kelto Set-up and Installation Instructions as well as our Storage Recommendations.",
        "Veuillez observer nos notices d'installation et de fonctionnement des refroidisseurs Kelto"},
    {&Texte::Text_305, 305, "Viskosität", "Viscosity", "Viscosité\""},
    {&Texte::Text_306, 306, "bei Mitteltemperatur", "at average temperature", "à température moyenne"},
    {&Texte::Text_307, 307, "Gewählter Kühler", "Selected Cooler", "Refroidisseur défini"},
    {&Texte::Text_411, 411, "Tankvolumen", "Tank volume", " volume du réservoir"},
    {&Texte::Text_412, 412, "Temperaturanstieg", "Temperature rising", "élévation de température"},
    {&Texte::Text_413, 413, "Zeit", "Period", " durée"},
    {&Texte::Text_414, 414, "Liter", "Liter", "Litre"},
    {&Texte::Text_566, 566, "min", "min", "min"},
    {&Texte::Text_415, 415, "Übernehmen", "use result", "valider"},
    {&Texte::Text_511, 511, "Kunde", "Customer", "Client"},
    {&Texte::Text_512, 512, "Vertragshändler", "Authorized dealer", "Distributeur sous contrat"},
    {&Texte::Text_513, 513, "Händler", "Dealer", "Distributeur"},
    {&Texte::Text_514, 514, "Hochleistung", "High Performance (Louvered Air Fins)", "Hautes performances"},
    {&Texte::Text_515, 515,
        "Rauhe Umgebung",
        "Rugged (Non-Louvered Air Fins)",
        "Conditions de fonctionnement difficiles"},
    {&Texte::Text_516, 516, "Gleichstrom (D)", "DC (D)", "Courant continu(D)"},
    {&Texte::Text_517, 517, " (approx.)", " (approx.)", " (approx.)"},
    {&Texte::Text_518, 518, "H-Optionen", "H-Options", "H-Options"},
    {&Texte::Text_519, 519, "D-Optionen", "D-Options", "D-Options"},
    {&Texte::Text_520, 520, "A-Optionen", "A-Options", "A-Options"},
    {&Texte::Text_GlobalStandard, NoTextNumber,
        "Global Standard Programm",
        "Global standard program",
        "Global standard program"},
};

constexpr TextLiteral MenueTexte[] = {
    {&Texte::Text_250, 250, "Projekt", "Project", "Projet"},
    {&Texte::Text_251, 251, "Projekt-&Neu", "Project-&New", "Projet-&Nouveauté\""},
    {&Texte::Text_252, 252, "Projekt-&Laden", "Project-&Load", "Projet-Charger"},
    {&Texte::Text_253, 253, "&Speichern", "&Save", "Enregistrer"},
    {&Texte::Text_254, 254, "Speichern &unter", "Save as", "Enregistrer sous"},
    {&Texte::Text_255, 255, "Beenden", "Exit", "Quitter"},
    {&Texte::Text_256, 256,
        "Beendet und speichert das Projekt",
        "Leaves project and save",
        "Quitter et enregistrer le projet"},
    {&Texte::Text_257, 257, "Einheiten", "Units", "Unités"},
    {&Texte::Text_258, 258, "Temperatur", "Temperature", "Température"},
    {&Texte::Text_259, 259, "Durchfluss", "Flow", "Débit"},
    {&Texte::Text_260, 260, "Leistung", "Power", "Puissance"},
    {&Texte::Text_261, 261, "Druck", "Pressure", "Pression"},
    {&Texte::Text_262, 262, "Drucken", "&Print", "Imprimer"},
    {&Texte::Text_263, 263,
        "Datenblatt (inkl. Vorschau)",
        "Specification (with preview)",
        "Spécification (avec prévision)"},
    {&Texte::Text_266, 266, "Leistungs-Diagramm", "Heat rejection chart", "Courbe de puissance"},
    {&Texte::Text_267, 267, "Druckverlust-Diagramm", "Pressure drop chart", "Courbe des pertes de charge"},
    {&Texte::Text_270, 270, "Extras", "Extra", "Suppléments"},
    {&Texte::Text_271, 271, "Sprache", "Language", "Langue"},
    {&Texte::Text_272, 272, "&Optionen", "&Options", "&Options"},
    {&Texte::Text_273, 273, "?", "?", "?"},
    {&Texte::Text_274, 274, "Über", "About", "à propos de"},
    {&Texte::Text_275, 275, "Programm-Beschreibung", "Description", "Description"},
};

} // namespace

std::span<const TextLiteral> meldungsLiterals() { return Meldungen; }
std::span<const TextLiteral> sysLiterals() { return SysTexte; }
std::span<const TextLiteral> menueLiterals() { return MenueTexte; }

const SprachText* menueText(const Texte& t, qint16 textNr)
{
    for (const TextLiteral& l : menueLiterals())
        if (l.textNr == textNr)
            return &(t.*l.array);
    return nullptr;
}

} // namespace texts
