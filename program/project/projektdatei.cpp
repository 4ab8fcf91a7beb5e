#include "program/project/projektdatei.h"

#include "common/error.h"
#include "program/catalogue/medium_liste.h"
#include "program/project/codepage1252.h"

#include <QBuffer>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace project {

namespace {

constexpr qint16 BoolTrue = -1;
constexpr int MaxTextBytes = 0xFFFF;

// Sequential reader over a device; every read reports whether the bytes were there. It asks the
// device for exactly the bytes of each field, never for more.
class Leser {
public:
    explicit Leser(QIODevice& device) : m_device(device) {}

    bool int16(qint16& out)
    {
        char b[2];
        if (!lies(b, sizeof b))
            return false;
        out = qFromLittleEndian<qint16>(b);
        return true;
    }
    bool real(double& out)
    {
        char b[8];
        if (!lies(b, sizeof b))
            return false;
        const quint64 bits = qFromLittleEndian<quint64>(b);
        std::memcpy(&out, &bits, sizeof out);
        return true;
    }
    bool text(QString& out)
    {
        qint16 stored = 0;
        if (!int16(stored))
            return false;
        const auto length = static_cast<quint16>(stored);
        QByteArray bytes(length, Qt::Uninitialized);
        if (!lies(bytes.data(), length))
            return false;
        out = fromCp1252(bytes);
        return true;
    }

private:
    bool lies(char* out, qint64 n) { return n == 0 || m_device.read(out, n) == n; }

    QIODevice& m_device;
};

class Schreiber {
public:
    void int16(qint16 v)
    {
        char b[2];
        qToLittleEndian(v, b);
        m_bytes.append(b, 2);
    }
    void boolean(bool v) { int16(v ? BoolTrue : 0); }
    void real(double v)
    {
        quint64 bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        char b[8];
        qToLittleEndian(bits, b);
        m_bytes.append(b, 8);
    }
    void text(const QString& v)
    {
        const QByteArray bytes = toCp1252(v);
        if (bytes.size() > MaxTextBytes)
            common::raise(common::errc::Overflow, QStringLiteral("ProjektFile_Schreiben"),
                          QStringLiteral("A text of the project is longer than 65535 bytes."));
        int16(static_cast<qint16>(static_cast<quint16>(bytes.size())));
        m_bytes.append(bytes);
    }
    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
};

bool leseOption(Leser& in, Word_OptionSatz& o)
{
    for (QString& caption : o.Caption) {
        if (!in.text(caption))
            return false;
    }
    return in.text(o.Zusatz) && in.int16(o.Flag);
}

// The reader's rules, applied once the whole record has been read.
void normalisiere(ProjektSatz& s)
{
    if (s.Medium_Typ != 0 && s.Medium_Typ != 1)
        s.Medium_Typ = 0;
    // Oil offers the grade list; water-glycol has the one mixture.
    const int sorten = s.Medium_Typ == 0 ? catalogue::OelSortenAnzahl : 1;
    if (s.Medium_Subindex < 0 || s.Medium_Subindex >= sorten)
        s.Medium_Subindex = 0;
    if (s.EH_Leistung < 0 || s.EH_Leistung > 3)
        s.EH_Leistung = 0;
    if (s.EH_Temp < 0 || s.EH_Temp > 2)
        s.EH_Temp = 0;
    if (s.EH_Durchfluss < 0 || s.EH_Durchfluss > 5)
        s.EH_Durchfluss = 2;
    if (s.EH_Druck < 0 || s.EH_Druck > 5)
        s.EH_Druck = 1;

    // Option buttons of one frame exclude each other: the last chosen one wins, as setting them
    // one after another would leave it.
    const std::array<std::array<int, 3>, 4> gruppen = {{{OBox_12V, OBox_24V, -1},
                                                        {OBox_AC_Optim, OBox_AC_Rough, -1},
                                                        {OBox_HC_Optim, OBox_HC_Rough, -1},
                                                        {OBox_DCD, OBox_AC, OBox_HC}}};
    for (const auto& gruppe : gruppen) {
        bool spaeterGewaehlt = false;
        for (auto it = gruppe.rbegin(); it != gruppe.rend(); ++it) {
            if (*it < 0)
                continue;
            bool& knopf = s.Knoepfe[static_cast<std::size_t>(*it)];
            if (spaeterGewaehlt)
                knopf = false;
            spaeterGewaehlt = spaeterGewaehlt || knopf;
        }
    }

    bool einerAn = false;
    for (int i = 0; i < Word_OptionSeitenrahmen; ++i)
        einerAn = einerAn || s.Optionen[static_cast<std::size_t>(i)].Flag == 1;
    if (!einerAn) {
        for (int i = 0; i < Word_OptionSeitenrahmen; ++i)
            s.Optionen[static_cast<std::size_t>(i)].Flag = 1;
    }
}

} // namespace

Dekodiert dekodiereProjekt(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return dekodiereProjekt(buffer);
}

Dekodiert dekodiereProjekt(QIODevice& device)
{
    Dekodiert d;
    Leser in(device);
    if (!in.int16(d.Version) || !in.int16(d.Revision)) {
        d.ablehnung = Ablehnung::Kurz;
        return d;
    }
    if (d.Version <= 0 || d.Version > ProjektVersion) {
        d.ablehnung = Ablehnung::Version;
        return d;
    }

    ProjektSatz s;
    qint16 lowNoise = 0;
    bool vollstaendig = in.real(s.Durchfluss) && in.real(s.T_in) && in.real(s.T_Umgebung) && in.real(s.KLeistung)
                        && in.int16(s.Medium_Typ) && in.int16(s.Medium_Subindex) && in.int16(lowNoise)
                        && in.int16(s.EH_Leistung) && in.int16(s.EH_Temp) && in.int16(s.EH_Durchfluss)
                        && in.int16(s.EH_Druck);
    for (Word_OptionSatz& o : s.Optionen)
        vollstaendig = vollstaendig && leseOption(in, o);
    for (bool& knopf : s.Knoepfe) {
        qint16 v = 0;
        vollstaendig = vollstaendig && in.int16(v);
        knopf = v != 0;
    }
    qint16 region = 0;
    vollstaendig = vollstaendig && in.int16(region);
    if (!vollstaendig) {
        d.ablehnung = Ablehnung::Kurz;
        return d;
    }
    for (double v : {s.Durchfluss, s.T_in, s.T_Umgebung, s.KLeistung}) {
        if (!std::isfinite(v)) {
            d.ablehnung = Ablehnung::Wert;
            return d;
        }
    }
    s.AC_LowNoise = lowNoise != 0;
    s.Region_US = region != 0;
    normalisiere(s);
    d.satz = std::move(s);
    return d;
}

QByteArray kodiereProjekt(const ProjektSatz& s)
{
    Schreiber out;
    out.int16(ProjektVersion);
    out.int16(ProjektRevision);
    out.real(s.Durchfluss);
    out.real(s.T_in);
    out.real(s.T_Umgebung);
    out.real(s.KLeistung);
    out.int16(s.Medium_Typ);
    out.int16(s.Medium_Subindex);
    out.int16(s.AC_LowNoise ? 1 : 0);
    out.int16(s.EH_Leistung);
    out.int16(s.EH_Temp);
    out.int16(s.EH_Durchfluss);
    out.int16(s.EH_Druck);
    for (const Word_OptionSatz& o : s.Optionen) {
        for (const QString& caption : o.Caption)
            out.text(caption);
        out.text(o.Zusatz);
        out.int16(o.Flag);
    }
    for (bool knopf : s.Knoepfe)
        out.boolean(knopf);
    out.boolean(s.Region_US);
    return out.take();
}

} // namespace project
